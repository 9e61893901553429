#include "IconvConverter.h"

#include "Utf8Codec.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr std::size_t kIconvFailed = static_cast<std::size_t>(-1);

char16_t unitAt(const char* p)
{
    char16_t unit;
    std::memcpy(&unit, p, sizeof unit);
    return unit;
}

}  // namespace

IconvConverter::IconvConverter(const char* targetName, const char* sourceName)
    : descriptor_(iconv_open(targetName, sourceName))
{
}

IconvConverter::~IconvConverter()
{
    if (isOpen()) iconv_close(descriptor_);
}

template <class Unit>
int IconvConverter::run(char** input, std::size_t* inputLeft, UnitWriter<Unit>& out)
{
    for (;;) {
        // When only counting, output goes to a scratch buffer that is reused until done.
        alignas(Unit) char scratch[4096];
        char* const start = out.counting() ? scratch : reinterpret_cast<char*>(out.cursor());
        constexpr std::size_t kMaxRoom = static_cast<std::size_t>(-1) / sizeof(Unit);
        std::size_t outputLeft =
            out.counting() ? sizeof scratch : std::min(out.room(), kMaxRoom) * sizeof(Unit);
        char* output = start;
        const std::size_t result = iconv(descriptor_, input, inputLeft, &output, &outputLeft);
        const int error = result == kIconvFailed ? errno : 0;
        if (result != kIconvFailed && result > 0) irreversible_ = true;
        const auto written = static_cast<std::size_t>(output - start);
        out.advance(written / sizeof(Unit));
        if (error != E2BIG) return error;
        if (!out.counting() || written == 0) {
            out.markFull();
            return error;
        }
    }
}

void IconvConverter::decode(const unsigned char* bytes, std::size_t length,
                            UnitWriter<char16_t>& out, std::size_t unitBytes)
{
    if (!isOpen()) return;
    char* input = const_cast<char*>(reinterpret_cast<const char*>(bytes));
    std::size_t inputLeft = length;
    while (inputLeft > 0) {
        const int error = run(&input, &inputLeft, out);
        if (error == EILSEQ) {
            const std::size_t skip = std::min(std::max<std::size_t>(unitBytes, 1), inputLeft);
            input += skip;
            inputLeft -= skip;
        } else if (error == EINVAL) {
            inputLeft = 0;
        } else {
            break;  // done, target full, or a descriptor that refuses to work
        }
        if (!out.put(kReplacement)) break;
    }
    if (!out.full()) run<char16_t>(nullptr, nullptr, out);
}

bool IconvConverter::encode(const char16_t* units, std::size_t length,
                            UnitWriter<unsigned char>& out)
{
    if (!isOpen()) return false;
    char* input = const_cast<char*>(reinterpret_cast<const char*>(units));
    std::size_t inputLeft = length * sizeof(char16_t);
    bool substituted = false;
    irreversible_ = false;
    while (inputLeft > 0) {
        const int error = run(&input, &inputLeft, out);
        if (error != EILSEQ && error != EINVAL) break;
        // Skip the character iconv refused: a surrogate pair or a single unit.
        std::size_t skip = sizeof(char16_t);
        if (inputLeft >= 2 * sizeof(char16_t) && Utf8Codec::isHighSurrogate(unitAt(input)) &&
            Utf8Codec::isLowSurrogate(unitAt(input + sizeof(char16_t))))
            skip = 2 * sizeof(char16_t);
        if (skip > inputLeft) skip = inputLeft;
        input += skip;
        inputLeft -= skip;
        substituted = true;
        // "?" goes through the same descriptor so a stateful target shifts back properly.
        char16_t questionMark = u'?';
        char* substitute = reinterpret_cast<char*>(&questionMark);
        std::size_t substituteLeft = sizeof questionMark;
        run(&substitute, &substituteLeft, out);
        if (out.full()) break;
    }
    if (!out.full()) run<unsigned char>(nullptr, nullptr, out);
    return substituted || irreversible_;
}
