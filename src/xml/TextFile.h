#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One text file being read or written whole: finds its byte-order mark or declared
// encoding, converts between that encoding and UTF-16, and describes every step in a report
// of small XML entries. Lives for a single read or write; the file is closed before the
// read or write call returns.
class TextFile {
public:
    // Mode bits, added to the document flags while the file is open.
    static constexpr int kRead = 0x10;
    static constexpr int kWrite = 0x20;
    static constexpr int kAppend = 0x40;
    static constexpr int kModeBits = kRead | kWrite | kAppend;
    // Byte-order-mark bits: UTF-16 little-endian, UTF-8, UTF-16 big-endian.
    static constexpr int kUtf16Mark = 0x01;
    static constexpr int kUtf8Mark = 0x04;
    static constexpr int kUtf16BigEndianMark = 0x80;
    static constexpr int kMarkBits = kUtf16Mark | kUtf8Mark | kUtf16BigEndianMark;

    TextFile() = default;
    ~TextFile();
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    // Opens by the mode bits of `flags`; false (with a "file_error") when it can't.
    bool open(const std::u16string& path, int flags);
    // Reads the rest of the file as text.
    bool readRest(std::u16string& text);
    bool writeText(std::u16string_view text);
    bool close();

    int flags() const { return flags_; }
    const std::u16string& report() const { return ioReport_; }
    const std::u16string& encoding() const { return encoding_; }
    void setEncoding(std::u16string encoding) { encoding_ = std::move(encoding); }
    void clearModeBits() { flags_ &= ~kModeBits; }

private:
    // UTF-16 units converted and written at a time.
    static constexpr std::size_t kPieceUnits = std::size_t{1} << 16;
    // UTF-8 bytes read and converted at a time.
    static constexpr std::int64_t kPieceBytes = std::int64_t{1} << 17;

    bool openForReading();
    bool openForWriting();
    bool readBytes(void* target, std::int64_t count, std::int64_t at);
    bool writeBytes(const void* bytes, std::int64_t count);
    bool rawRead(std::vector<unsigned char>& bytes);
    bool rawReadUnits(std::u16string& units);
    bool readBytesAsText(std::u16string& text);
    bool readUtf8(std::u16string& text);
    bool writeUtf8(std::u16string_view text);
    void noteRead();
    void fileError(int error);
    void report(std::u16string_view entry);
    void report(std::u16string_view entry, std::u16string_view encoding, std::int64_t length);
    void reportNullsRemoved(std::int64_t count);

    int file_ = -1;
    int flags_ = 0;
    std::int64_t opBytes_ = 0;
    std::int64_t fileLength_ = 0;
    std::int64_t position_ = 0;
    int unitSize_ = 1;
    std::int64_t opUnits_ = 0;
    std::u16string ioReport_;
    std::u16string encoding_;
};

// Reads a whole text file into `text`. The report, when given, is replaced by what happened;
// the flags, when given, say which mode to use and receive the byte-order mark found.
bool ReadTextFile(const std::u16string& path, std::u16string& text, std::u16string* report = nullptr,
                  int* flags = nullptr);
// Writes `text` to a file, in the encoding of its byte-order-mark flag or its declaration
// (UTF-8 when it declares none). An existing file is overwritten.
bool WriteTextFile(const std::u16string& path, std::u16string_view text, std::u16string* report = nullptr,
                   int* flags = nullptr);
