#include "KeyEventInput.h"

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr std::uintptr_t kRelease = std::uintptr_t{1} << 31;
constexpr std::intptr_t kExtended = std::intptr_t{1} << 24;
constexpr std::int64_t kMs = 1000000;
constexpr int kDown = -32768;  // a 16-bit state with its top bit set, widened

// Key states the test sets, for both the snapshot and the asynchronous query.
class FakeKeyStates {
public:
    std::map<int, int> snapshot;
    std::map<int, int> asynchronous;
    KeyEventInput::KeyStates queries()
    {
        return {[this](int vk) { return snapshot[vk]; }, [this](int vk) { return asynchronous[vk]; }};
    }
};

class KeyEventInputTest : public ::testing::Test {
protected:
    void SetUp() override { KeyEventInput::storeShiftStates(0, 0); }
    KeyEvent read(std::uintptr_t wParam, std::intptr_t lParam = 0)
    {
        return KeyEventInput::read(wParam, lParam, 10'000 * kMs, 9'000 * kMs, states.queries());
    }
    FakeKeyStates states;
};

TEST_F(KeyEventInputTest, MessageBitsGiveTheKeyItsDirectionAndTheKeypadEnter)
{
    const struct {
        std::uintptr_t wParam;
        std::intptr_t lParam;
        int vk;
        int code;
        bool release;
    } cases[] = {
        {65, 0, 65, 65, false},
        {65 | kRelease, 0, 65, 65 + 512, true},
        {13, kExtended, 13, 269, false},               // keypad Enter
        {13 | kRelease, kExtended, 13, 269 + 512, true},
        {13, 0, 13, 13, false},                        // main Enter
        {45, kExtended, 45, 45, false},                // other extended keys keep their code
        {0x7FFF0041, 0x00FFFFFF, 65, 65, false},       // bits outside the three are ignored
        {0x1A2, 0, 0xA2, 162, false},                  // only the low byte is the key
    };
    for (const auto& c : cases) {
        const KeyEvent event = read(c.wParam, c.lParam);
        EXPECT_EQ(event.vk, c.vk) << std::hex << c.wParam;
        EXPECT_EQ(event.code, c.code) << std::hex << c.wParam;
        EXPECT_EQ(event.release, c.release) << std::hex << c.wParam;
    }
}

TEST_F(KeyEventInputTest, ElapsedTimeIsInMillisecondsAndCapped)
{
    const struct {
        std::int64_t now;
        std::int64_t last;
        int elapsed;
    } cases[] = {
        {1000 * kMs + 120 * kMs + 999, 1000 * kMs, 120},
        {1000 * kMs, 1000 * kMs, 0},
        {100'000 * kMs, 10 * kMs, 65535},
        {5 * kMs, 0, 5},
        {3'600'000 * kMs, 0, 65535},  // the first event of a recording
    };
    for (const auto& c : cases)
        EXPECT_EQ(KeyEventInput::read(65, 0, c.now, c.last, states.queries()).elapsedMs, c.elapsed) << c.now;
}

TEST_F(KeyEventInputTest, APressOfShiftTakesTheSideThatIsDown)
{
    EXPECT_EQ(read(16).vk, 16) << "neither side down";
    states.asynchronous[161] = kDown | 1;
    EXPECT_EQ(read(16).vk, 161);
    EXPECT_EQ(read(16).code, 161);
    states.asynchronous[160] = kDown | 1;
    EXPECT_EQ(read(16).vk, 160) << "the left side is asked first";
    // A press stores nothing: a release with unchanged snapshot states finds no side.
    EXPECT_EQ(read(16 | kRelease).vk, 16);
}

TEST_F(KeyEventInputTest, AReleaseOfShiftTakesTheSideWhoseStateChangedSinceTheLastOne)
{
    states.snapshot[160] = 1;  // left went down and up: its toggle bit moved
    KeyEvent event = read(16 | kRelease);
    EXPECT_EQ(event.vk, 160);
    EXPECT_EQ(event.code, 160 + 512);
    EXPECT_EQ(read(16 | kRelease).vk, 16) << "the new states were stored";
    states.snapshot[161] = 1;
    EXPECT_EQ(read(16 | kRelease).vk, 161);
    states.snapshot[160] = 0;
    states.snapshot[161] = 0;
    EXPECT_EQ(read(16 | kRelease).vk, 160) << "both changed: the left side is asked first";
    EXPECT_EQ(read(16 | kRelease).vk, 16);
}

TEST_F(KeyEventInputTest, OtherKeysAreNotResolved)
{
    states.asynchronous[160] = kDown;
    states.snapshot[160] = 1;
    for (std::uintptr_t vk : {17u, 18u, 162u, 65u}) EXPECT_EQ(read(vk).vk, static_cast<int>(vk));
}

TEST(KeyEventInputClockTest, NowIsPositiveAndNeverGoesBack)
{
    const std::int64_t first = KeyEventInput::now();
    EXPECT_GT(first, 0);
    EXPECT_GE(KeyEventInput::now(), first);
}

}  // namespace
