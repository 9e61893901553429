// Speed of the UTF-8 <-> UTF-16 conversions behind loading and saving profile files, on a
// 27 MB text that looks like one: mostly ASCII markup with some Chinese captions.
#include "TextConverter.h"

#include <benchmark/benchmark.h>

#include <iconv.h>

#include <string>

namespace {

constexpr std::size_t kTextBytes = 27u << 20;

const std::string& profileLikeUtf8()
{
    static const std::string text = [] {
        const std::string line =
            "  <Key Index=\"42\" Kind=\"3\" HWCode=\"0x2A\"><Action>LeftCtrl Down</Action>"
            "<Delay>&lt;25 ms&gt;</Delay><Caption>\xE4\xB8\x8A\xE6\xA1\xA3\xE9\x94\xAE</Caption>"
            "</Key>\n";
        std::string result;
        result.reserve(kTextBytes + line.size());
        while (result.size() < kTextBytes) result += line;
        return result;
    }();
    return text;
}

const std::u16string& profileLikeUtf16()
{
    static const std::u16string text = [] {
        const std::string& utf8 = profileLikeUtf8();
        TextConverter converter(u"utf-8", utf8.data(), utf8.size());
        std::u16string result(converter.convert(nullptr, 0, u"UTF-16"), u'\0');
        converter.convert(result.data(), result.size(), u"UTF-16");
        return result;
    }();
    return text;
}

// Count first, then convert into exactly that room, the way a file is loaded.
void Utf8ToUtf16(benchmark::State& state)
{
    const std::string& utf8 = profileLikeUtf8();
    std::u16string target(utf8.size(), u'\0');
    for (auto _ : state) {
        TextConverter converter(u"utf-8", utf8.data(), utf8.size());
        const std::size_t count = converter.convert(nullptr, 0, u"UTF-16");
        benchmark::DoNotOptimize(converter.convert(target.data(), count, u"UTF-16"));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * utf8.size()));
}
BENCHMARK(Utf8ToUtf16)->Unit(benchmark::kMillisecond);

void Utf8ToUtf16ConvertOnly(benchmark::State& state)
{
    const std::string& utf8 = profileLikeUtf8();
    std::u16string target(utf8.size(), u'\0');
    for (auto _ : state) {
        TextConverter converter(u"utf-8", utf8.data(), utf8.size());
        benchmark::DoNotOptimize(converter.convert(target.data(), target.size(), u"UTF-16"));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * utf8.size()));
}
BENCHMARK(Utf8ToUtf16ConvertOnly)->Unit(benchmark::kMillisecond);

// Count first, then convert, the way a file is saved; bytes are counted on the UTF-8 side.
void Utf16ToUtf8(benchmark::State& state)
{
    const std::u16string& utf16 = profileLikeUtf16();
    std::string target(utf16.size() * 3, '\0');
    std::size_t bytes = 0;
    for (auto _ : state) {
        TextConverter converter(u"UTF-16", utf16.data(), utf16.size());
        const std::size_t count = converter.convert(nullptr, 0, u"utf-8");
        bytes = converter.convert(target.data(), count, u"utf-8");
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(Utf16ToUtf8)->Unit(benchmark::kMillisecond);

// glibc's own UTF-8 decoder on the same text, for comparison.
void GlibcIconvUtf8ToUtf16(benchmark::State& state)
{
    const std::string& utf8 = profileLikeUtf8();
    std::u16string target(utf8.size(), u'\0');
    for (auto _ : state) {
        iconv_t descriptor = iconv_open("UTF-16LE", "UTF-8");
        char* in = const_cast<char*>(utf8.data());
        std::size_t inLeft = utf8.size();
        char* out = reinterpret_cast<char*>(target.data());
        std::size_t outLeft = target.size() * 2;
        benchmark::DoNotOptimize(iconv(descriptor, &in, &inLeft, &out, &outLeft));
        iconv_close(descriptor);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * utf8.size()));
}
BENCHMARK(GlibcIconvUtf8ToUtf16)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
