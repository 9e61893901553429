#include "TextFile.h"

#include "DeclaredEncoding.h"
#include "EncodingTable.h"
#include "FilePath.h"
#include "HugePages.h"
#include "IsUtf8.h"
#include "TextConverter.h"
#include "UnitWriter.h"
#include "Utf8Codec.h"
#include "XmlDocument.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct ByteOrderMark {
    std::string_view bytes;
    std::u16string_view encoding;
    int flag;
    int unitSize;
};

// Tried in this order.
constexpr ByteOrderMark kMarks[] = {
    {"\xEF\xBB\xBF", u"UTF-8", TextFile::kUtf8Mark, 1},
    {"\xFF\xFE", u"UTF-16LE", TextFile::kUtf16Mark, 2},
    {"\xFE\xFF", u"UTF-16BE", TextFile::kUtf16BigEndianMark, 2},
};

constexpr std::int64_t kProbeBytes = 1024;
constexpr std::size_t kLongestErrorText = 100;

// Bytes per unit of a converter's data in an encoding: UTF-16 and UTF-32 travel as units.
std::size_t unitBytesOf(std::u16string_view encoding)
{
    switch (EncodingTable::codePageOf(encoding)) {
    case EncodingTable::kUtf16:
        return 2;
    case EncodingTable::kUtf32:
        return 4;
    default:
        return 1;
    }
}

template <typename Unit>
std::int64_t removeZeros(Unit* units, std::int64_t count)
{
    // Zero units are rare; finding none is a quick scan.
    Unit* first = units;
    if constexpr (sizeof(Unit) == 1)
        first = static_cast<Unit*>(std::memchr(units, 0, static_cast<std::size_t>(count)));
    else
        first = std::find(units, units + count, Unit{0});
    if (first == nullptr || first == units + count)
        return 0;
    Unit* end = std::remove(first, units + count, Unit{0});
    return count - (end - units);
}

}  // namespace

TextFile::~TextFile()
{
    if (file_ >= 0)
        ::close(file_);
}

void TextFile::report(std::u16string_view entry)
{
    XmlDocument::AddReportEntry(ioReport_, entry, std::nullopt, 0);
}

void TextFile::report(std::u16string_view entry, std::u16string_view encoding, std::int64_t length)
{
    XmlDocument::AddReportEntry(ioReport_, entry, encoding, XmlDocument::kReportEncoding | XmlDocument::kReportLength,
                                static_cast<int>(std::min<std::int64_t>(length, INT32_MAX)));
}

void TextFile::reportNullsRemoved(std::int64_t count)
{
    XmlDocument::AddReportEntry(ioReport_, u"nulls_removed", std::nullopt, XmlDocument::kReportCount,
                                static_cast<int>(std::min<std::int64_t>(count, INT32_MAX)));
}

void TextFile::fileError(int error)
{
    char buffer[256];
    const char* text = strerror_r(error, buffer, sizeof buffer);
    std::u16string message = Utf8Codec::toUtf16(text);
    message = message.substr(0, std::min(message.find_first_of(u"\r\n"), kLongestErrorText));
    XmlDocument::AddReportEntry(ioReport_, u"file_error", message, XmlDocument::kReportMsg | XmlDocument::kReportN,
                                error);
}

bool TextFile::open(const std::u16string& path, int flags)
{
    ioReport_.clear();
    flags_ = flags;
    unitSize_ = 1;
    const std::string name = FilePath::toNative(path);
    const int mode = (flags & kRead) ? O_RDONLY : O_WRONLY | O_CREAT | ((flags & kAppend) ? O_APPEND : O_TRUNC);
    file_ = name.empty() && !path.empty() ? -1 : ::open(name.c_str(), mode | O_CLOEXEC, 0666);
    if (file_ < 0) {
        fileError(name.empty() && !path.empty() ? EINVAL : errno);
        return false;
    }
    return (flags & kRead) ? openForReading() : openForWriting();
}

bool TextFile::openForReading()
{
    struct stat status {};
    if (::fstat(file_, &status) != 0) {
        fileError(errno);
        return false;
    }
    fileLength_ = status.st_size;
    position_ = 0;
    // Offsets into a document's text are 32-bit.
    if (fileLength_ > static_cast<std::int64_t>(XmlDocument::kMaxTextLength)) {
        fileError(EFBIG);
        return false;
    }
    if (fileLength_ == 0)
        return true;
    unsigned char probe[kProbeBytes];
    const std::int64_t probed = std::min(fileLength_, kProbeBytes);
    if (!readBytes(probe, probed, 0))
        return false;
    flags_ &= ~kMarkBits;
    const std::string_view start(reinterpret_cast<const char*>(probe), static_cast<std::size_t>(probed));
    for (const ByteOrderMark& mark : kMarks) {
        if (start.substr(0, mark.bytes.size()) == mark.bytes) {
            flags_ |= mark.flag;
            unitSize_ = mark.unitSize;
            encoding_ = mark.encoding;
            position_ = static_cast<std::int64_t>(mark.bytes.size());
            report(u"bom");
            return true;
        }
    }
    encoding_ = DeclaredEncoding(Utf8Codec::toUtf16(start));
    if (encoding_.empty() && probe[0] == '<')
        encoding_ = u"UTF-8";
    return true;
}

bool TextFile::openForWriting()
{
    fileLength_ = 0;
    if (flags_ & kAppend) {
        struct stat status {};
        if (::fstat(file_, &status) != 0) {
            fileError(errno);
            return false;
        }
        fileLength_ = status.st_size;
    }
    std::int64_t markWritten = 0;
    for (const ByteOrderMark& mark : kMarks) {
        if ((flags_ & mark.flag) == 0)
            continue;
        encoding_ = mark.encoding;
        unitSize_ = mark.unitSize;
        if (fileLength_ == 0) {
            if (!writeBytes(mark.bytes.data(), static_cast<std::int64_t>(mark.bytes.size())))
                return false;
            markWritten = static_cast<std::int64_t>(mark.bytes.size());
        }
        break;
    }
    position_ = fileLength_ + markWritten;
    if (markWritten != 0)
        report(u"bom");
    return true;
}

bool TextFile::readBytes(void* target, std::int64_t count, std::int64_t at)
{
    auto* bytes = static_cast<unsigned char*>(target);
    while (count > 0) {
        const ssize_t got = ::pread(file_, bytes, static_cast<std::size_t>(count), at);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            // A file that shrank under us ends early; that is an error of the read too.
            fileError(got < 0 ? errno : EIO);
            return false;
        }
        bytes += got;
        at += got;
        count -= got;
    }
    return true;
}

bool TextFile::writeBytes(const void* data, std::int64_t count)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    while (count > 0) {
        const ssize_t put = ::write(file_, bytes, static_cast<std::size_t>(count));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            fileError(put < 0 ? errno : EIO);
            return false;
        }
        bytes += put;
        count -= put;
    }
    return true;
}

bool TextFile::close()
{
    if (file_ < 0)
        return true;
    const int result = ::close(file_);
    file_ = -1;
    if (result != 0) {
        fileError(errno);
        return false;
    }
    return true;
}

void TextFile::noteRead()
{
    position_ += opBytes_;
    opUnits_ = opBytes_ / unitSize_;
    report(u"read", encoding_, opUnits_);
}

bool TextFile::rawRead(std::vector<unsigned char>& bytes)
{
    bytes.resize(static_cast<std::size_t>(opBytes_));
    if (!readBytes(bytes.data(), opBytes_, position_))
        return false;
    noteRead();
    if (const std::int64_t zeros = removeZeros(bytes.data(), opUnits_)) {
        reportNullsRemoved(zeros);
        opUnits_ -= zeros;
    }
    bytes.resize(static_cast<std::size_t>(opUnits_));
    return true;
}

bool TextFile::rawReadUnits(std::u16string& units)
{
    units.resize(static_cast<std::size_t>(opBytes_ / 2));
    // An odd last byte can't make a unit; it is read and dropped.
    unsigned char odd = 0;
    if (!readBytes(units.data(), opBytes_ - opBytes_ % 2, position_) ||
        !readBytes(&odd, opBytes_ % 2, position_ + opBytes_ - opBytes_ % 2))
        return false;
    noteRead();
    if (const std::int64_t zeros = removeZeros(units.data(), opUnits_)) {
        reportNullsRemoved(zeros);
        opUnits_ -= zeros;
    }
    units.resize(static_cast<std::size_t>(opUnits_));
    if (flags_ & kUtf16BigEndianMark) {
        for (char16_t& unit : units)
            unit = static_cast<char16_t>((unit >> 8) | (unit << 8));
        report(u"endian_swap");
    }
    return true;
}

bool TextFile::readRest(std::u16string& text)
{
    ioReport_.clear();
    text.clear();
    opBytes_ = fileLength_ - position_;
    if (opBytes_ <= 0) {
        opBytes_ = 0;
        report(u"read", encoding_, 0);
        return true;
    }
    if (flags_ & (kUtf16Mark | kUtf16BigEndianMark))
        return rawReadUnits(text);
    return readBytesAsText(text);
}

bool TextFile::readBytesAsText(std::u16string& text)
{
    if (!encoding_.empty() && EncodingTable::codePageOf(encoding_) == EncodingTable::kUtf8)
        return readUtf8(text);
    std::vector<unsigned char> bytes;
    if (!rawRead(bytes))
        return false;
    if (encoding_.empty() && IsUtf8(bytes.data(), bytes.size())) {
        encoding_ = u"UTF-8";
        XmlDocument::AddReportEntry(ioReport_, u"read", encoding_,
                                    XmlDocument::kReportAmend | XmlDocument::kReportEncoding);
        report(u"utf8_detection");
    }
    TextConverter converter(encoding_, bytes.data(), bytes.size() / unitBytesOf(encoding_));
    const std::size_t count = converter.convert(nullptr, 0, u"UTF-16");
    text.resize(count + count / 100);
    text.resize(converter.convert(text.data(), text.size(), u"UTF-16"));
    report(u"converted_to", u"UTF-16", static_cast<std::int64_t>(text.size()));
    return true;
}

bool TextFile::writeText(std::u16string_view text)
{
    ioReport_.clear();
    if (text.empty()) {
        report(u"write", encoding_, 0);
        return true;
    }
    if (flags_ & (kUtf16Mark | kUtf16BigEndianMark)) {
        std::u16string swapped;
        if (flags_ & kUtf16BigEndianMark) {
            swapped.assign(text);
            for (char16_t& unit : swapped)
                unit = static_cast<char16_t>((unit >> 8) | (unit << 8));
            text = swapped;
            report(u"endian_swap");
        }
        if (!writeBytes(text.data(), static_cast<std::int64_t>(text.size() * 2)))
            return false;
        position_ += static_cast<std::int64_t>(text.size() * 2);
        report(u"write", encoding_, static_cast<std::int64_t>(text.size()));
        return true;
    }
    if (EncodingTable::codePageOf(encoding_) == EncodingTable::kUtf8)
        return writeUtf8(text);
    TextConverter converter(u"UTF-16", text.data(), text.size());
    const std::size_t unitBytes = unitBytesOf(encoding_);
    const std::size_t count = converter.convert(nullptr, 0, encoding_);
    std::vector<unsigned char> bytes(count * unitBytes);
    const std::size_t units = converter.convert(bytes.data(), count, encoding_);
    report(u"converted_from", u"UTF-16", static_cast<std::int64_t>(text.size()));
    if (converter.lossy)
        report(u"conversion_loss");
    if (!writeBytes(bytes.data(), static_cast<std::int64_t>(units * unitBytes)))
        return false;
    position_ += static_cast<std::int64_t>(units * unitBytes);
    report(u"write", encoding_, static_cast<std::int64_t>(units));
    return true;
}

// Profile files are UTF-8 and may be tens of megabytes: they are read and converted piece by
// piece, so the file's bytes never have to exist whole beside the text. Each piece is cleared
// of zero bytes and converted up to its last byte that may begin a character, which goes on
// with the next piece: a character is never split, and every piece converts as the whole
// file would.
bool TextFile::readUtf8(std::u16string& text)
{
    constexpr std::size_t kLongestCarry = 3;  // what a four-byte character may have before the end
    std::vector<unsigned char> bytes(kPieceBytes + kLongestCarry);
    // UTF-16 never takes more units than UTF-8 takes bytes.
    text.reserve(static_cast<std::size_t>(opBytes_ + opBytes_ / 100));
    HugePages::prefer(text.data(), text.capacity() * sizeof(char16_t));
    std::int64_t at = position_;
    std::int64_t left = opBytes_;
    std::int64_t zeros = 0;
    std::size_t carried = 0;
    while (left > 0) {
        const auto piece = static_cast<std::size_t>(std::min<std::int64_t>(left, kPieceBytes));
        if (!readBytes(bytes.data() + carried, static_cast<std::int64_t>(piece), at)) {
            text.clear();
            return false;
        }
        at += static_cast<std::int64_t>(piece);
        left -= static_cast<std::int64_t>(piece);
        const std::int64_t removed = removeZeros(bytes.data() + carried, static_cast<std::int64_t>(piece));
        zeros += removed;
        const std::size_t have = carried + piece - static_cast<std::size_t>(removed);
        std::size_t whole = have;
        for (std::size_t back = 1; left > 0 && back <= std::min(kLongestCarry, have); ++back) {
            if ((bytes[have - back] & 0xC0) != 0x80) {  // not a continuation byte
                whole = have - back;
                break;
            }
        }
        const std::size_t had = text.size();
        text.resize(had + whole);
        UnitWriter<char16_t> out(text.data() + had, whole);
        Utf8Codec::toUtf16(bytes.data(), whole, out);
        text.resize(had + out.count());
        carried = have - whole;
        std::copy(bytes.begin() + static_cast<std::ptrdiff_t>(whole), bytes.begin() + static_cast<std::ptrdiff_t>(have),
                  bytes.begin());
    }
    noteRead();
    opUnits_ -= zeros;
    if (zeros != 0)
        reportNullsRemoved(zeros);
    report(u"converted_to", u"UTF-16", static_cast<std::int64_t>(text.size()));
    return true;
}

// Profile files are UTF-8 and may be tens of megabytes: they are converted and written piece
// by piece, so the file's bytes never have to exist whole beside the text.
bool TextFile::writeUtf8(std::u16string_view text)
{
    report(u"converted_from", u"UTF-16", static_cast<std::int64_t>(text.size()));  // UTF-8 holds every character
    std::vector<unsigned char> bytes(kPieceUnits * 3);  // a unit makes at most three bytes, a pair four
    std::int64_t written = 0;
    for (std::size_t from = 0; from < text.size();) {
        std::size_t units = std::min(kPieceUnits, text.size() - from);
        // A surrogate pair is converted whole or it would become two replacement characters.
        if (from + units < text.size() && units > 1 && Utf8Codec::isHighSurrogate(text[from + units - 1]))
            --units;
        UnitWriter<unsigned char> out(bytes.data(), bytes.size());
        Utf8Codec::fromUtf16(text.data() + from, units, out);
        if (!writeBytes(bytes.data(), static_cast<std::int64_t>(out.count())))
            return false;
        written += static_cast<std::int64_t>(out.count());
        from += units;
    }
    position_ += written;
    report(u"write", encoding_, written);
    return true;
}

bool ReadTextFile(const std::u16string& path, std::u16string& text, std::u16string* report, int* flags)
{
    TextFile file;
    const bool opened = file.open(path, (flags != nullptr ? *flags : 0) | TextFile::kRead);
    if (report != nullptr)
        *report = file.report();
    text.clear();
    if (!opened)
        return false;
    const bool read = file.readRest(text);
    file.close();  // a failure to close adds its own entry
    file.clearModeBits();
    if (report != nullptr)
        *report += file.report();
    if (flags != nullptr)
        *flags = file.flags();
    return read;
}

bool WriteTextFile(const std::u16string& path, std::u16string_view text, std::u16string* report, int* flags)
{
    const int given = flags != nullptr ? *flags : 0;
    TextFile file;
    const bool opened = file.open(path, (given & ~TextFile::kRead) | TextFile::kWrite);
    if (report != nullptr)
        *report = file.report();
    if (!opened)
        return false;
    if (file.encoding().empty() && !text.empty()) {
        std::u16string declared = DeclaredEncoding(text);
        file.setEncoding(declared.empty() ? u"UTF-8" : std::move(declared));
    }
    const bool written = file.writeText(text);
    // Written data can still be lost when closing fails, so that counts as a failed write.
    const bool closed = file.close();
    file.clearModeBits();
    if (report != nullptr)
        *report += file.report();
    if (flags != nullptr)
        *flags = file.flags();
    return written && closed;
}
