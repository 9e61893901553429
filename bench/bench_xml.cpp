// The XML engine against pugixml on the same texts shaped like profile files: parsing,
// building with AddElement/SetAttribute, reading every attribute, and whole loads.
#include "Utf8Reference.h"
#include "XmlBenchProfiles.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <stdlib.h>
#include <string>

namespace {

using namespace XmlBenchProfiles;

struct Sample {
    std::u16string text;
    std::string utf8;
    Counts counts;
    std::string file;  // the sample saved by SaveToFile, as the profile writer saves it
};

// A folder of our own for the sample files, removed at exit.
struct SampleFolder {
    std::filesystem::path path;
    SampleFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vt-bench-xml-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        path = pattern;
    }
    ~SampleFolder() { std::filesystem::remove_all(path); }
};

const std::filesystem::path& sampleFolder()
{
    static const SampleFolder folder;
    return folder.path;
}

std::u16string widen(const std::string& path)
{
    return std::u16string(path.begin(), path.end());  // the temporary folder's name is ASCII
}

const Sample& sample(std::int64_t shape)
{
    static std::map<std::int64_t, Sample> samples;
    auto it = samples.find(shape);
    if (it == samples.end()) {
        Sample s;
        XmlDocument d;
        s.counts = writeProfile(d, kShapes[shape]);
        s.text = d.GetText();
        s.utf8 = utf8Reference(s.text);
        s.file = (sampleFolder() / (std::string(kShapes[shape].name) + ".pro")).string();
        if (!d.SaveToFile(widen(s.file))) {
            std::fprintf(stderr, "can't write %s\n", s.file.c_str());
            std::exit(1);
        }
        it = samples.emplace(shape, std::move(s)).first;
    }
    return it->second;
}

std::int64_t pugiList(const pugi::xml_node& parent)
{
    const pugi::xml_node list = parent.child("List");
    if (!list)
        return 0;
    std::int64_t sum = 0;
    for (const char* attribute : {"SizeOfView", "ViewStartAt", "CursorPos", "Cycles", "IsAutoInterval", "Delay",
                                  "PlayMode"})
        sum += list.attribute(attribute).as_int();
    for (const pugi::xml_node x : list.children("x")) {
        sum += x.attribute("ID").as_int();
        sum += static_cast<std::int64_t>(std::string(x.attribute("t1").as_string()).size());
        sum += pugiList(x);
    }
    return sum;
}

std::int64_t pugiProfile(const pugi::xml_document& doc)
{
    std::int64_t sum = 0;
    const pugi::xml_node root = doc.child("VornicTamsk");
    for (const char* section : {"PredefinedCombo", "PredefinedMacro", "PredefinedEmu"})
        sum += pugiList(root.child(section));
    for (const pugi::xml_node area : root.child("BackgroundLightSettings").children("AREA"))
        for (const char* attribute : {"ID", "Red", "Green", "Blue"})
            sum += area.attribute(attribute).as_int();
    for (const pugi::xml_node key : root.child("CurrentSettings").children("KEY")) {
        for (const char* attribute : {"ID", "Level", "Mode", "HWCode"})
            sum += key.attribute(attribute).as_int();
        sum += pugiList(key.child("ComboKey"));
    }
    return sum;
}

void describe(benchmark::State& state, const Sample& s)
{
    state.SetLabel(std::string(kShapes[state.range(0)].name) + " " + std::to_string(s.utf8.size() / 1024) + " KB");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(s.utf8.size()));
}

void BM_SetText(benchmark::State& state)
{
    const Sample& s = sample(state.range(0));
    XmlDocument d;
    for (auto _ : state)
        benchmark::DoNotOptimize(d.SetText(s.text));
    describe(state, s);
}

void BM_PugiLoadBuffer(benchmark::State& state)
{
    const Sample& s = sample(state.range(0));
    for (auto _ : state) {
        pugi::xml_document doc;
        benchmark::DoNotOptimize(doc.load_buffer(s.utf8.data(), s.utf8.size()));
    }
    describe(state, s);
}

void BM_LoadFromFile(benchmark::State& state)
{
    const Sample& s = sample(state.range(0));
    const std::u16string path = widen(s.file);
    XmlDocument d;
    for (auto _ : state)
        benchmark::DoNotOptimize(d.LoadFromFile(path));
    describe(state, s);
}

void BM_PugiLoadFile(benchmark::State& state)
{
    const Sample& s = sample(state.range(0));
    for (auto _ : state) {
        pugi::xml_document doc;
        benchmark::DoNotOptimize(doc.load_file(s.file.c_str()));
    }
    describe(state, s);
}

void BM_Build(benchmark::State& state)
{
    const Sample& s = sample(state.range(0));
    for (auto _ : state) {
        XmlDocument d;
        writeProfile(d, kShapes[state.range(0)]);
        benchmark::DoNotOptimize(d.GetText().data());
    }
    describe(state, s);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * s.counts.elements);
    state.counters["per_element"] = benchmark::Counter(
        static_cast<double>(s.counts.elements),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Walk(benchmark::State& state)
{
    const Sample& s = sample(state.range(0));
    XmlDocument d(s.text);
    for (auto _ : state)
        benchmark::DoNotOptimize(readProfile(d));
    describe(state, s);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * s.counts.attributes);
}

void BM_LoadAndWalk(benchmark::State& state)
{
    const Sample& s = sample(state.range(0));
    for (auto _ : state) {
        XmlDocument d(s.text);
        benchmark::DoNotOptimize(readProfile(d));
    }
    describe(state, s);
}

void BM_PugiLoadAndWalk(benchmark::State& state)
{
    const Sample& s = sample(state.range(0));
    for (auto _ : state) {
        pugi::xml_document doc;
        doc.load_buffer(s.utf8.data(), s.utf8.size());
        benchmark::DoNotOptimize(pugiProfile(doc));
    }
    describe(state, s);
}

// Both readers must see the same data, or the comparison means nothing.
void checkSamplesAgree()
{
    for (std::int64_t shape = 0; shape < static_cast<std::int64_t>(std::size(kShapes)); ++shape) {
        const Sample& s = sample(shape);
        XmlDocument d;
        pugi::xml_document doc;
        doc.load_buffer(s.utf8.data(), s.utf8.size());
        if (!d.LoadFromFile(widen(s.file)) || d.GetText() != s.text || readProfile(d) != pugiProfile(doc)) {
            std::fprintf(stderr, "the %s sample reads differently in the two engines\n", kShapes[shape].name);
            std::exit(1);
        }
    }
}

void shapes(benchmark::internal::Benchmark* b)
{
    b->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_SetText)->Apply(shapes);
BENCHMARK(BM_PugiLoadBuffer)->Apply(shapes);
BENCHMARK(BM_LoadFromFile)->Apply(shapes);
BENCHMARK(BM_PugiLoadFile)->Apply(shapes);
BENCHMARK(BM_Build)->Apply(shapes);
BENCHMARK(BM_Walk)->Apply(shapes);
BENCHMARK(BM_LoadAndWalk)->Apply(shapes);
BENCHMARK(BM_PugiLoadAndWalk)->Apply(shapes);

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    checkSamplesAgree();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
