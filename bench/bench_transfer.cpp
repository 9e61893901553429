// Encoding and decoding the key arrays of the largest profile the editors can produce: every
// key on both layers holding a macro of 799 lines with recorded delays.
#include "DeviceTransfer.h"
#include "KeyTransferArray.h"
#include "KeyboardProfile.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kEntries = 2 * KeyboardProfile::kKeyCount;
constexpr int kMacroLines = 799;

std::u16string widen(const std::string& text) { return std::u16string(text.begin(), text.end()); }

std::unique_ptr<KeyboardProfile> largestProfile()
{
    auto profile = std::make_unique<KeyboardProfile>();
    profile->initCatalogue();
    profile->resetProfile();
    const char* keys[] = {"A", "Left CONTROL", "SPACEBAR", "F12", "Mouse Key Left", "(Enter)", "Right SHIFT"};
    for (int layer = 0; layer < 2; ++layer) {
        for (int key = 1; key <= KeyboardProfile::kKeyCount; ++key) {
            KeyAssignment& entry = profile->assignment(key, layer);
            entry.kind = Kind::Macro;
            entry.actions.SizeOfView = 9;
            entry.actions.Cycles = 255;
            for (int i = 0; i < kMacroLines; ++i) {
                std::string line;
                if (i % 2 == 1) {
                    line.append("<").append(std::to_string(i * 37 % 65536)).append(" ms>");
                } else {
                    line.append(keys[(i / 2 + key) % 7]).append((i / 2) % 2 == 0 ? " Down" : " UP");
                }
                entry.actions.setOrAppend(ActionList::kAppendRow, widen(line));
            }
        }
    }
    return profile;
}

// Time per key, next to the time for all 174 keys.
void countPerKey(benchmark::State& state)
{
    state.counters["per_key"] =
        benchmark::Counter(kEntries, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_EncodeAllKeys(benchmark::State& state)
{
    const auto profile = largestProfile();
    for (auto _ : state) {
        const KeyTransferArray arrays(*profile);
        for (int layer = 0; layer < 2; ++layer) {
            for (int key = 1; key <= KeyboardProfile::kKeyCount; ++key)
                benchmark::DoNotOptimize(arrays.encode(key, layer));
        }
    }
    countPerKey(state);
}
BENCHMARK(BM_EncodeAllKeys)->Unit(benchmark::kMillisecond);

void BM_DecodeAllKeys(benchmark::State& state)
{
    auto profile = largestProfile();
    std::vector<std::vector<int>> arrays;
    for (int layer = 0; layer < 2; ++layer) {
        for (int key = 1; key <= KeyboardProfile::kKeyCount; ++key)
            arrays.push_back(KeyTransferArray::encode(*profile, key, layer));
    }
    for (auto _ : state) {
        std::size_t next = 0;
        for (int layer = 0; layer < 2; ++layer) {
            for (int key = 1; key <= KeyboardProfile::kKeyCount; ++key, ++next) {
                const std::vector<int>& array = arrays[next];
                KeyTransferArray::decode(*profile, key, layer, array.data(), static_cast<int>(array.size()));
            }
        }
        benchmark::DoNotOptimize(profile->assignments.data());
    }
    countPerKey(state);
}
BENCHMARK(BM_DecodeAllKeys)->Unit(benchmark::kMillisecond);

// A keyboard that keeps what it is sent in memory, so writing and reading cost only our side.
class MemoryKeyboard {
public:
    bool prepare() { return true; }
    bool setKeyConfiguration(int layer, int key, const int* data, int count)
    {
        stored_[{layer, key}].assign(data, data + count);
        return true;
    }
    bool writeKeyConfigurationToDev(WindowHandle) { return true; }
    bool readKeyDefinationFromDev(WindowHandle) { return true; }
    bool getKeyConfiguration(int layer, int key, int* buffer, int)
    {
        const std::vector<int>& array = stored_[{layer, key}];
        std::copy(array.begin(), array.end(), buffer);
        return true;
    }

private:
    std::map<std::pair<int, int>, std::vector<int>> stored_;
};

void BM_WriteAndReadAllKeys(benchmark::State& state)
{
    auto profile = largestProfile();
    MemoryKeyboard keyboard;
    DeviceTransfer<MemoryKeyboard> transfer(*profile, keyboard);
    for (auto _ : state) {
        transfer.writeKeys(0);
        transfer.readKeys(0);
    }
    countPerKey(state);
}
BENCHMARK(BM_WriteAndReadAllKeys)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
