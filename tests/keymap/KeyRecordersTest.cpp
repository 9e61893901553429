#include "KeyRecorders.h"

#include "KeyboardProfile.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

KeyEvent press(int vk, int elapsed = 0, int code = -1) { return {vk, code < 0 ? vk : code, false, elapsed}; }
KeyEvent release(int vk, int elapsed = 0, int code = -1) { return {vk, (code < 0 ? vk : code) + 512, true, elapsed}; }

std::vector<std::u16string> lines(std::initializer_list<const char16_t*> texts) { return {texts.begin(), texts.end()}; }

class KeyRecordersTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        profile = std::make_unique<KeyboardProfile>();
        profile->initCatalogue();
    }
    static void TearDownTestSuite() { profile.reset(); }

    // Feeds events to a recorder as the window does: the previous event's code and time
    // follow every event, ignored or not.
    template <typename Record>
    void feed(const std::vector<KeyEvent>& events, Record record)
    {
        for (const KeyEvent& e : events) {
            record(e);
            lastEventCode = e.code;
            lastEventTime += 1;
        }
    }

    static std::unique_ptr<KeyboardProfile> profile;
    ActionList actions = [] {
        ActionList list;
        list.SizeOfView = 9;
        return list;
    }();
    KeyRecorders::KeyDownFlags keyDown{};
    int lastEventCode = -1;
    std::int64_t lastEventTime = 0;
};

std::unique_ptr<KeyboardProfile> KeyRecordersTest::profile;

TEST_F(KeyRecordersTest, SingleKeyCaptureLeadsTheKeyBackThroughItsKeyCode)
{
    const struct {
        KeyEvent event;
        int singleKeyCode;
        int deviceCode;
        bool differs;
    } cases[] = {
        {press('A'), 'A', 43, false},
        {press(13, 0, 269), 269, 107, false},  // keypad Enter
        {press(162), 162, 67, false},          // Left CONTROL
        {press(160), 160, 55, false},          // Left SHIFT
        {press(124), 1023, 0, true},           // F13: no KeyCode
        {press(16), 1023, 0, true},            // Shift without a side
        {press(17), 1023, 0, true},            // the generic Ctrl code has no KeyCode either
    };
    for (const auto& c : cases) {
        const auto key = KeyRecorders::captureSingle(*profile, c.event, -1);
        ASSERT_TRUE(key.has_value()) << c.event.code;
        EXPECT_EQ(key->singleKeyCode, c.singleKeyCode) << c.event.code;
        EXPECT_EQ(key->deviceCode, c.deviceCode) << c.event.code;
        EXPECT_EQ(key->differs, c.differs) << c.event.code;
    }
    EXPECT_FALSE(KeyRecorders::captureSingle(*profile, release('A'), 'A')) << "releases do not count";
    EXPECT_FALSE(KeyRecorders::captureSingle(*profile, press('A'), 'A')) << "nor a repeat of the held key";
}

TEST_F(KeyRecordersTest, CombinationTakesSixNewPressesByTheirBareNames)
{
    feed({press(162), press(162), press(162), press(160), release(160), release(162), press('C'), press('D'), press('E'),
          press('F'), press('G'), press('H')},
         [&](const KeyEvent& e) { KeyRecorders::recordCombo(actions, *profile, e, lastEventCode); });
    EXPECT_EQ(actions.lines, lines({u"Left CONTROL", u"Left SHIFT", u"C", u"D", u"E", u"F"})) << "G and H are dropped";
}

TEST_F(KeyRecordersTest, CombinationRecordsAKeyTwiceOnlyWhenReleasedBetween)
{
    feed({press('A'), press('A'), release('A'), press('A'), press('A')},
         [&](const KeyEvent& e) { KeyRecorders::recordCombo(actions, *profile, e, lastEventCode); });
    EXPECT_EQ(actions.lines, lines({u"A", u"A"}));
}

TEST_F(KeyRecordersTest, MacroRecordsEventsWithTheDelaysBetweenThem)
{
    int added = 0;
    feed({press('A'), press('A', 30), press('A', 30), release('A', 120), release('A', 5), press(13, 40, 269),
          release(13, 50, 269), release('B', 60), press(124, 70)},
         [&](const KeyEvent& e) { added += KeyRecorders::recordMacro(actions, keyDown, *profile, e, lastEventTime); });
    EXPECT_EQ(actions.lines, lines({u"A Down", u"<120 ms>", u"A UP", u"<40 ms>", u"(Enter) Down", u"<50 ms>", u"(Enter) UP",
                                    u"<70 ms>", u"F13 Down"}))
        << "repeats and releases of keys that are not down add nothing";
    EXPECT_EQ(added, actions.lineCount());
}

TEST_F(KeyRecordersTest, MacroNeverStartsWithADelay)
{
    keyDown['B'] = 0;  // B was down before the recording: its release is ignored
    feed({release('B', 65535), press('C', 80), release('C', 20)},
         [&](const KeyEvent& e) { KeyRecorders::recordMacro(actions, keyDown, *profile, e, lastEventTime); });
    EXPECT_EQ(actions.lines, lines({u"C Down", u"<20 ms>", u"C UP"}));
}

TEST_F(KeyRecordersTest, MacroWithAutoDelayRecordsEventsOnlyUpTo1600Lines)
{
    actions.IsAutoInterval = true;
    for (int i = 0; i < 1598; ++i) actions.setOrAppend(ActionList::kAppendRow, u"X");
    lastEventTime = 1;
    feed({press('A', 10), release('A', 10), press('B', 10), release('B', 10)},
         [&](const KeyEvent& e) { KeyRecorders::recordMacro(actions, keyDown, *profile, e, lastEventTime); });
    ASSERT_EQ(actions.lineCount(), 1600);
    EXPECT_EQ(actions.lines[1598], u"A Down");
    EXPECT_EQ(actions.lines[1599], u"A UP");
}

TEST_F(KeyRecordersTest, MacroWithRecordedDelaysStopsAt799LinesEvenOnADelay)
{
    for (int i = 0; i < 798; ++i) actions.setOrAppend(ActionList::kAppendRow, i % 2 == 0 ? u"X Down" : u"<1 ms>");
    lastEventTime = 1;
    int added = 0;
    feed({press('A', 25), release('A', 25), press('B', 25)},
         [&](const KeyEvent& e) { added += KeyRecorders::recordMacro(actions, keyDown, *profile, e, lastEventTime); });
    EXPECT_EQ(added, 1);
    ASSERT_EQ(actions.lineCount(), 799);
    EXPECT_EQ(actions.lines[798], u"<25 ms>");
}

TEST_F(KeyRecordersTest, EmulationTakesSixPressesOnceEach)
{
    auto record = [&](const KeyEvent& e) { KeyRecorders::recordEmulation(actions, keyDown, *profile, e, lastEventCode); };
    feed({press('A'), release('A'), press('B'), press('B'), press('B'), release('B'), press('A'), release('A')}, record);
    EXPECT_EQ(actions.lines, lines({u"A", u"B", u"A"})) << "A, B, A with B held and repeating";
    feed({press('C'), press('D'), press('E'), release('E'), press('F'), press(255)}, record);
    EXPECT_EQ(actions.lines, lines({u"A", u"B", u"A", u"C", u"D", u"E"})) << "the seventh key is dropped";
}

TEST_F(KeyRecordersTest, KeysWithoutANameRecordTheUnnamedLine)
{
    feed({press(255), release(255, 10)},
         [&](const KeyEvent& e) { KeyRecorders::recordMacro(actions, keyDown, *profile, e, lastEventTime); });
    EXPECT_EQ(actions.lines, lines({u"-- --", u"<10 ms>", u"-- --"}));
    ActionList combo;
    KeyRecorders::recordCombo(combo, *profile, press(255), -1);
    EXPECT_EQ(combo.lines, lines({u"-- --"}));
}

}  // namespace
