// The backlight settings window with its real face, driven by clicks at its rectangles; the
// colour chooser and nested windows answer from scripts, the keyboard is simulated.
#include "CZelkDialogBkLightSettings.h"

#include "BacklightTestSupport.h"
#include "CZelkDialogBkLightMultiSelect.h"

#include <QApplication>
#include <QTimer>

using namespace backlight_test;

namespace {

using Settings = CZelkDialogBkLightSettings;

// Points on the buttons (and, for the labelled buttons, on their text).
const QPoint kClose(1001, 27);
const QPoint kDefault(190, 440);
const QPoint kWrite(546, 440);
const QPoint kCancel(741, 440);
const QPoint kOk(643, 440);
const QPoint kSetAll(290, 440);
const QPoint kMultiKey(389, 440);

KeyLight lightOf(int n) { return KeyLight{n % 256, (n * 7) % 256, (n * 13) % 256}; }

class BkLightSettingsTest : public BacklightWindowTest {
protected:
    void SetUp() override
    {
        BacklightWindowTest::SetUp();
        // Every entry a colour of its own, entry 0 too.
        for (std::size_t i = 0; i < profile->keyLights.size(); ++i) profile->keyLights[i] = lightOf(static_cast<int>(i) + 1);
        before = profile->keyLights;
    }

    std::unique_ptr<Settings> open() { return BacklightWindowTest::open<Settings>(); }

    KeyLightTable before{};
};

KeyLightTable filled(const KeyLight& light)
{
    KeyLightTable t;
    t.fill(light);
    return t;
}

}  // namespace

TEST_F(BkLightSettingsTest, OpensOnItsFaceWithItsRecordsAndTheProfilesLights)
{
    auto window = open();
    EXPECT_EQ(window->size(), face(131).size());
    EXPECT_FALSE(window->mask().contains(QPoint(0, 0)));  // rounded corner in the colour key
    EXPECT_TRUE(window->mask().contains(QPoint(520, 240)));
    EXPECT_EQ(window->workingLights(), profile->keyLights);

    ASSERT_EQ(window->buttonTable.size(), 101u);
    const int buttonIds[] = {88, 90, 91, 92, 94, 95, 97};
    for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(window->buttonTable[i].id, buttonIds[i]);
    for (std::size_t i = 7; i < 14; ++i) EXPECT_TRUE(window->buttonTable[i].isLabel) << i;
    for (int n = 1; n <= 87; ++n) {
        const SkinButton& b = window->buttonTable[static_cast<std::size_t>(13 + n)];
        EXPECT_EQ(b.id, 99 + n);
        EXPECT_EQ(b.keyIndex, n);
    }
}

TEST_F(BkLightSettingsTest, EveryKeyIsFramedInItsColourInTwoPixelBands)
{
    profile->keyLights[70] = KeyLight{0, 0, 0};  // black keys get black frames
    auto window = open();
    const QImage shown = grabbed(*window);
    for (int n = 1; n <= 87; ++n) {
        const SkinRect& r = key(n).rect;
        const QColor colour = KeyLightColour::toQColor(profile->keyLights[static_cast<std::size_t>(n)]);
        const QPoint inFrame[] = {{r.left - 2, r.top - 2}, {r.left - 1, r.bottom}, {r.right + 1, r.bottom + 1},
                                  {(r.left + r.right) / 2, r.top - 1}, {(r.left + r.right) / 2, r.bottom + 1}};
        for (QPoint p : inFrame) ASSERT_EQ(shown.pixelColor(p), colour) << "key " << n << " at " << p.x() << "," << p.y();
        EXPECT_NE(shown.pixelColor(r.left + 12, r.top + 12), colour) << n;  // the keycap itself is not painted over
    }
}

TEST_F(BkLightSettingsTest, AKeyClickChoosesFromTheKeysColourAndFramesTheKeyInTheNewOne)
{
    profile->keyLights[43] = KeyLight{10, 20, 30};
    auto window = open();
    prompts.colours.push_back(QColor(0, 200, 50));
    click(*window, centreOf(43));

    ASSERT_EQ(prompts.count(ScriptedPrompts::Kind::Colour), 1);
    EXPECT_EQ(prompts.asked[0].initialColour, QColor(10, 20, 30));
    EXPECT_EQ(prompts.asked[0].parent, window.get());
    EXPECT_EQ(window->workingLights()[43], (KeyLight{0, 200, 50}));
    EXPECT_EQ(grabbed(*window).pixelColor(frameOf(43)), QColor(0, 200, 50));
    EXPECT_EQ(profile->keyLights[43], (KeyLight{10, 20, 30}));  // stored only by OK or Write
    EXPECT_TRUE(window->isVisible());
}

TEST_F(BkLightSettingsTest, OnlyANewColourChangesTheKeyAndRepaints)
{
    profile->keyLights[20] = KeyLight{10, 20, 30};
    struct Case {
        const char* what;
        std::optional<QColor> answer;
        bool changes;
    };
    const Case cases[] = {
        {"the key's own colour", QColor(10, 20, 30), false},
        {"chooser cancelled", std::nullopt, false},
        {"another colour", QColor(10, 20, 31), true},
    };
    for (const Case& c : cases) {
        auto window = open();
        QApplication::processEvents();
        PaintCounter paints(window.get());
        prompts.colours.push_back(c.answer);
        click(*window, centreOf(20));
        QApplication::processEvents();
        EXPECT_EQ(paints.count > 0, c.changes) << c.what;
        const KeyLight expected = c.changes ? KeyLightColour::fromQColor(*c.answer) : KeyLight{10, 20, 30};
        EXPECT_EQ(window->workingLights()[20], expected) << c.what;
        EXPECT_EQ(window->workingLights()[19], before[19]) << c.what;
    }
}

TEST_F(BkLightSettingsTest, APureRedKeyShowsARedFrame)
{
    profile->keyLights[5] = KeyLight{255, 0, 0};
    auto window = open();
    const QImage shown = grabbed(*window);
    EXPECT_EQ(shown.pixelColor(frameOf(5)), QColor(255, 0, 0));
    EXPECT_TRUE(window->mask().contains(frameOf(5)));  // not cut out: this window's key is RGB(1, 3, 254)
    shown.save(outputPath(QStringLiteral("backlight-red-key.png")));
}

TEST_F(BkLightSettingsTest, DefaultTurnsEveryLightOffButOnlyOkKeepsIt)
{
    struct Case {
        const char* how;
        std::function<void(Settings&)> end;
        int result;
        bool stored;
    };
    const Case cases[] = {
        {"Cancel", [](Settings& w) { click(w, kCancel); }, QDialog::Rejected, false},
        {"close button", [](Settings& w) { click(w, kClose); }, QDialog::Rejected, false},
        {"Escape", [](Settings& w) { QTest::keyClick(&w, Qt::Key_Escape); }, QDialog::Rejected, false},
        {"Enter", [](Settings& w) { QTest::keyClick(&w, Qt::Key_Return); }, QDialog::Accepted, false},
        {"OK", [](Settings& w) { click(w, kOk); }, QDialog::Accepted, true},
    };
    for (const Case& c : cases) {
        profile->keyLights = before;
        auto window = open();
        click(*window, kDefault);
        EXPECT_EQ(window->workingLights(), filled(KeyLight{})) << c.how;  // entry 0 too
        EXPECT_EQ(grabbed(*window).pixelColor(frameOf(1)), QColor(0, 0, 0)) << c.how;
        EXPECT_EQ(profile->keyLights, before) << c.how;
        c.end(*window);
        EXPECT_FALSE(window->isVisible()) << c.how;
        EXPECT_EQ(window->result(), c.result) << c.how;
        EXPECT_EQ(profile->keyLights, c.stored ? filled(KeyLight{}) : before) << c.how;
    }
    EXPECT_EQ(prompts.asked.size(), 0u);
}

TEST_F(BkLightSettingsTest, SetAllGivesEveryEntryTheColourChosenFromBlack)
{
    auto window = open();
    prompts.colours.push_back(std::nullopt);
    click(*window, kSetAll);
    EXPECT_EQ(window->workingLights(), before);  // cancelled

    prompts.colours.push_back(QColor(12, 34, 56));
    click(*window, kSetAll);
    ASSERT_EQ(prompts.count(ScriptedPrompts::Kind::Colour), 2);
    for (const auto& q : prompts.asked) EXPECT_EQ(q.initialColour, QColor(0, 0, 0));
    EXPECT_EQ(window->workingLights(), filled(KeyLight{12, 34, 56}));
    EXPECT_EQ(grabbed(*window).pixelColor(frameOf(87)), QColor(12, 34, 56));
    click(*window, kOk);
    EXPECT_EQ(profile->keyLights, filled(KeyLight{12, 34, 56}));
}

TEST_F(BkLightSettingsTest, MultiKeyHandsOverTheWorkingColoursAndAClearedSelection)
{
    profile->multiSelected.fill(1);  // left over from an earlier run
    auto window = open();
    prompts.colours.push_back(QColor(1, 2, 3));
    click(*window, centreOf(9));  // an edit not stored yet
    KeyLightTable handedOver{};
    std::array<unsigned char, 88> selection{};
    prompts.modalRuns.push_back([&](QDialog& d) {
        EXPECT_EQ(d.parentWidget(), window.get());
        handedOver = profile->multiSelectLights;
        selection = profile->multiSelected;
        return QDialog::Accepted;  // OK without any key selected
    });
    profile->multiSelectColour = KeyLight{200, 0, 0};
    click(*window, kMultiKey);

    ASSERT_EQ(prompts.count(ScriptedPrompts::Kind::Modal), 1);
    EXPECT_EQ(prompts.asked.back().dialogClass, QStringLiteral("CZelkDialogBkLightMultiSelect"));
    EXPECT_EQ(handedOver, window->workingLights());
    EXPECT_EQ(handedOver[9], (KeyLight{1, 2, 3}));
    EXPECT_EQ(selection, (std::array<unsigned char, 88>{}));
    KeyLightTable expected = before;
    expected[9] = KeyLight{1, 2, 3};
    EXPECT_EQ(window->workingLights(), expected);  // no key selected: nothing changes
}

TEST_F(BkLightSettingsTest, MultiKeyColoursOnlyTheKeysSelectedInTheMultiKeyWindow)
{
    struct Case {
        const char* how;
        bool setColour;
    };
    for (const Case& c : {Case{"Set Color", true}, Case{"close button", false}}) {
        profile->keyLights = before;
        auto window = open();
        prompts.colours.push_back(QColor(255, 0, 0));
        prompts.modalRuns.push_back([&](QDialog& multiKey) {
            QTimer::singleShot(0, &multiKey, [&multiKey, setColour = c.setColour] {
                for (int n : {1, 30, 70, 30}) click(multiKey, centreOf(n));  // 30 twice: unselected again
                click(multiKey, setColour ? QPoint(526, 70) : QPoint(1001, 27));
            });
            return multiKey.exec();
        });
        click(*window, kMultiKey);

        KeyLightTable expected = before;
        if (c.setColour) expected[1] = expected[70] = KeyLight{255, 0, 0};
        EXPECT_EQ(window->workingLights(), expected) << c.how;
        EXPECT_EQ(grabbed(*window).pixelColor(frameOf(70)), KeyLightColour::toQColor(expected[70])) << c.how;
        EXPECT_EQ(profile->keyLights, before) << c.how;
        EXPECT_TRUE(window->isVisible());
    }
}

TEST_F(BkLightSettingsTest, WriteStoresTheColoursAndSendsThemToTheKeyboard)
{
    auto window = open();
    prompts.colours.push_back(QColor(0, 0, 255));
    click(*window, centreOf(1));
    prompts.colours.push_back(QColor(255, 0, 0));
    click(*window, centreOf(87));
    prompts.modalRuns.push_back(ScriptedPrompts::execForReal);
    click(*window, kWrite);

    EXPECT_EQ(prompts.asked.back().kind, ScriptedPrompts::Kind::Message);
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("OK!")});
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(profile->keyLights, window->workingLights());
    const auto stored = profile->device.simulator().storedState();
    for (int n = 1; n <= 87; ++n) {
        const KeyLight& l = profile->keyLights[static_cast<std::size_t>(n)];
        const std::size_t at = static_cast<std::size_t>(n - 1) * 3;
        ASSERT_EQ((KeyLight{stored.lights[at], stored.lights[at + 1], stored.lights[at + 2]}), l) << n;
    }
    EXPECT_EQ(stored.lights[0], 0);
    EXPECT_EQ(stored.lights[2], 255);
    EXPECT_EQ(stored.lights[258], 255);
}

TEST_F(BkLightSettingsTest, WriteWithTheProgressWindowClosedEarlyKeepsTheColoursWithoutOk)
{
    holdWorkers();
    auto window = open();
    click(*window, kDefault);
    prompts.modalRuns.push_back([](QDialog& progress) {
        QTimer::singleShot(0, &progress, [&progress] { click(progress, QPoint(282, 218)); });  // its Cancel
        return progress.exec();
    });
    click(*window, kWrite);

    EXPECT_TRUE(prompts.messages().isEmpty());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(profile->keyLights, filled(KeyLight{}));
}

TEST_F(BkLightSettingsTest, APressBetweenKeysOrOnALabelsTextOutsideItsButtonDoesNothing)
{
    auto window = open();
    // The plate between Esc and F1, a key's frame, the title, "Default" left of its button.
    for (QPoint p : {QPoint(120, 120), QPoint(frameOf(43)), QPoint(526, 25), QPoint(139, 440)}) click(*window, p);
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->workingLights(), before);
}

TEST_F(BkLightSettingsTest, RunsModallyThroughThePromptsAsTheMainWindowRunsIt)
{
    Settings window(*profile);
    prompts.modalRuns.push_back(ScriptedPrompts::execForReal);
    prompts.colours.push_back(QColor(9, 8, 7));
    QTimer::singleShot(0, &window, [&window] {
        click(window, centreOf(2));
        click(window, kOk);
    });
    QTimer::singleShot(5000, &window, [&window] { window.done(42); });  // keeps a broken build from hanging
    EXPECT_EQ(Prompts::current().runModal(window), QDialog::Accepted);
    EXPECT_EQ(profile->keyLights[2], (KeyLight{9, 8, 7}));
}

TEST_F(BkLightSettingsTest, CaptionsShowInBothLanguages)
{
    QImage shown[2];
    int i = 0;
    for (const std::string language : {LanguageCode::English, LanguageCode::Chinese}) {
        profile->language = language;
        auto window = open();
        shown[i] = grabbed(*window);
        shown[i].save(outputPath(QStringLiteral("backlight-%1.png").arg(QString::fromStdString(language))));
        for (const SkinButton& label : Settings::records())
            if (label.isLabel) {
                EXPECT_GT(textPixels(shown[i], toQRect(label.rect)), 20) << language << " " << label.id;
            }
        ++i;
    }
    EXPECT_NE(shown[0].copy(136, 428, 92, 26), shown[1].copy(136, 428, 92, 26));
}
