// Saving and loading profile files against pugixml on the same files: a freshly reset
// profile, a typical one and the largest the editors can make. At the end the run prints the
// ratios that matter: our load against pugixml's parse-and-walk of the same file, the time of
// the largest save, and the document building time per element, largest against fresh.
#include "FilePath.h"
#include "KeyboardProfile.h"
#include "ProfileDocumentWriter.h"
#include "XmlDocument.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <malloc.h>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

struct Shape {
    const char* name;
    int entriesPerCollection;
    int keysWithMacro;  // of the 174 entries
    int macroLines;
};

// Fresh: as after a reset (~37 KB). Typical: 20 keys with 40-line macros and a few collection
// entries (~200 KB). Largest: every entry and 20 entries of each collection hold a 799-line
// macro with recorded delays (~27 MB).
const Shape kShapes[] = {{"fresh", 0, 0, 0}, {"typical", 3, 20, 40}, {"largest", 20, 174, 799}};

std::u16string macroLine(int i)
{
    static const char16_t* const keys[] = {u"A", u"Left CONTROL", u"SPACEBAR", u"F12", u"Right SHIFT"};
    if (i % 2 == 1)
        return std::u16string{u'<', static_cast<char16_t>(u'1' + i % 9), u'0', u' ', u'm', u's', u'>'};
    return std::u16string(keys[(i / 2) % 5]) + ((i / 2) % 2 == 0 ? u" Down" : u" UP");
}

ActionList macro(int lines)
{
    ActionList list;
    list.SizeOfView = 9;
    list.Cycles = 3;
    for (int i = 0; i < lines; ++i)
        list.setOrAppend(ActionList::kAppendRow, macroLine(i));
    return list;
}

std::unique_ptr<KeyboardProfile> profileOf(const Shape& shape)
{
    auto profile = std::make_unique<KeyboardProfile>();
    profile->initCatalogue();
    profile->resetProfile();
    const ActionList actions = macro(shape.macroLines);
    for (ActionList* collection : {&profile->predefinedCombo, &profile->predefinedMacro, &profile->predefinedEmulation}) {
        for (int e = 0; e < shape.entriesPerCollection; ++e) {
            std::u16string name = u"New Macro ";
            name += static_cast<char16_t>(u'A' + e);
            collection->setOrAppend(ActionList::kAppendRow, name);
            collection->storeChild(collection->CursorPos, actions);
        }
    }
    for (int entry = 0; entry < shape.keysWithMacro; ++entry) {
        KeyAssignment& assignment = profile->assignments[static_cast<std::size_t>(2 + entry)];  // from key 1, layer 0
        assignment.kind = Kind::Macro;
        assignment.actions = actions;
    }
    for (int key = 1; key <= KeyboardProfile::kKeyCount; ++key)
        profile->keyLights[static_cast<std::size_t>(key)] = {key * 2, 255 - key, key % 7 * 30};
    return profile;
}

// A folder for the run's files, removed at exit.
const std::filesystem::path& folder()
{
    static const std::filesystem::path path = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "bench-profilefile-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        std::atexit([] { std::filesystem::remove_all(folder()); });
        return std::filesystem::path(pattern);
    }();
    return path;
}

struct Sample {
    std::unique_ptr<KeyboardProfile> profile;
    std::filesystem::path file;
    std::int64_t elements = 0;
    std::int64_t bytes = 0;
};

std::int64_t countElements(const std::u16string& text)
{
    std::int64_t count = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        count += text[i] == u'<' && text[i + 1] != u'/' && text[i + 1] != u'?';
    return count;
}

// Each shape's profile and its file, made once.
Sample& sample(std::int64_t shape)
{
    static std::map<std::int64_t, Sample> samples;
    auto found = samples.find(shape);
    if (found != samples.end())
        return found->second;
    Sample s;
    s.profile = profileOf(kShapes[shape]);
    s.file = folder() / kShapes[shape].name;
    s.file += ".pro";
    if (!s.profile->saveProfileFile(*FilePath::fromNative(s.file.string())))
        std::abort();
    XmlDocument document;
    ProfileDocumentWriter::write(*s.profile, document);
    s.elements = countElements(document.GetText());
    s.bytes = static_cast<std::int64_t>(std::filesystem::file_size(s.file));
    return samples.emplace(shape, std::move(s)).first->second;
}

void label(benchmark::State& state, const Sample& s)
{
    char text[128];
    std::snprintf(text, sizeof text, "%s, %lld KiB, %lld elements", kShapes[state.range(0)].name,
                  static_cast<long long>(s.bytes / 1024), static_cast<long long>(s.elements));
    state.SetLabel(text);
    state.SetBytesProcessed(state.iterations() * s.bytes);
}

void BM_SaveProfileFile(benchmark::State& state)
{
    Sample& s = sample(state.range(0));
    const std::u16string path = *FilePath::fromNative((folder() / "saved.pro").string());
    for (auto _ : state)
        benchmark::DoNotOptimize(s.profile->saveProfileFile(path));
    label(state, s);
}

void BM_LoadProfileFile(benchmark::State& state)
{
    Sample& s = sample(state.range(0));
    const std::u16string path = *FilePath::fromNative(s.file.string());
    auto profile = std::make_unique<KeyboardProfile>();
    for (auto _ : state)
        benchmark::DoNotOptimize(profile->loadProfileFile(path));
    label(state, s);
}

// The engine steps of a load on their own: reading the file into a parsed document.
void BM_LoadFromFile(benchmark::State& state)
{
    Sample& s = sample(state.range(0));
    const std::u16string path = *FilePath::fromNative(s.file.string());
    for (auto _ : state) {
        XmlDocument document;
        benchmark::DoNotOptimize(document.LoadFromFile(path));
    }
    label(state, s);
}

// Building the document of a save with AddElement and SetAttribute; per element as a counter.
void BM_BuildDocument(benchmark::State& state)
{
    Sample& s = sample(state.range(0));
    for (auto _ : state) {
        XmlDocument document;
        ProfileDocumentWriter::write(*s.profile, document);
        benchmark::DoNotOptimize(document.GetText().data());
    }
    state.counters["per_element"] = benchmark::Counter(
        static_cast<double>(s.elements), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    label(state, s);
}

std::size_t walk(const pugi::xml_node& node)
{
    std::size_t sum = 0;
    for (const pugi::xml_attribute attribute : node.attributes())
        sum += std::char_traits<char>::length(attribute.value()) + 1;
    for (const pugi::xml_node child : node.children())
        sum += walk(child);
    return sum;
}

// The engine step of a save on its own: converting a built document and writing the file.
void BM_SaveToFile(benchmark::State& state)
{
    Sample& s = sample(state.range(0));
    XmlDocument document;
    ProfileDocumentWriter::write(*s.profile, document);
    const std::u16string path = *FilePath::fromNative((folder() / "engine.pro").string());
    for (auto _ : state)
        benchmark::DoNotOptimize(document.SaveToFile(path));
    label(state, s);
}

// pugixml reading the same file and visiting every attribute of every element.
void BM_PugixmlParseAndWalk(benchmark::State& state)
{
    Sample& s = sample(state.range(0));
    for (auto _ : state) {
        pugi::xml_document document;
        if (!document.load_file(s.file.c_str()))
            state.SkipWithError("pugixml could not parse the file");
        benchmark::DoNotOptimize(walk(document));
    }
    label(state, s);
}

#define VT_SHAPES ->DenseRange(0, 2)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_SaveProfileFile) VT_SHAPES;
BENCHMARK(BM_LoadProfileFile) VT_SHAPES;
BENCHMARK(BM_LoadFromFile) VT_SHAPES;
BENCHMARK(BM_BuildDocument) VT_SHAPES;
BENCHMARK(BM_SaveToFile) VT_SHAPES;
BENCHMARK(BM_PugixmlParseAndWalk) VT_SHAPES;

// Shows the usual table, then the goals as ratios of this run's figures.
class GoalReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        // With repetitions the median stands for the benchmark; otherwise its one run.
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.error_occurred || (run.run_type != Run::RT_Iteration && !median))
                continue;
            const std::string name = run.run_name.str();
            seconds_[name] = run.GetAdjustedRealTime() / 1000.0;  // reported in ms
            if (const auto it = run.counters.find("per_element"); it != run.counters.end())
                perElement_[name] = it->second.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::FILE* out = stdout;
        std::fprintf(out, "\nGoals (same run):\n");
        if (has("BM_LoadProfileFile/2") && has("BM_PugixmlParseAndWalk/2"))
            std::fprintf(out, "  load of the largest / pugixml parse-and-walk: %.2f (goal <= 2)\n",
                         seconds_["BM_LoadProfileFile/2"] / seconds_["BM_PugixmlParseAndWalk/2"]);
        if (has("BM_SaveProfileFile/2"))
            std::fprintf(out, "  save of the largest: %.3f s (goal < 0.25 s)\n", seconds_["BM_SaveProfileFile/2"]);
        if (perElement_.count("BM_BuildDocument/2") && perElement_.count("BM_BuildDocument/0"))
            std::fprintf(out, "  document building per element, largest / fresh: %.2f (goal <= 2)\n",
                         perElement_["BM_BuildDocument/2"] / perElement_["BM_BuildDocument/0"]);
    }

private:
    bool has(const std::string& name) { return seconds_.count(name) != 0; }

    std::map<std::string, double> seconds_;
    std::map<std::string, double> perElement_;
};

}  // namespace

int main(int argc, char** argv)
{
    // Large blocks always come fresh from the system, as in a program that loads one file.
    // Left to itself glibc raises its mmap threshold after the first large free, and the
    // timings of each benchmark then depend on which ones ran before it.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    GoalReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
