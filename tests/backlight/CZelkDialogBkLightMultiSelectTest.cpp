// The multi-key window with its real faces: selecting keys by clicks, Set Color, closing.
#include "CZelkDialogBkLightMultiSelect.h"

#include "BacklightTestSupport.h"
#include "KeyLightColour.h"

#include <QApplication>

using namespace backlight_test;

namespace {

using MultiKey = CZelkDialogBkLightMultiSelect;

const QPoint kClose(1001, 27);
const QPoint kSetColour(526, 70);

class BkLightMultiSelectTest : public BacklightWindowTest {
protected:
    void SetUp() override
    {
        BacklightWindowTest::SetUp();
        // What the settings window hands over.
        for (std::size_t i = 0; i < profile->multiSelectLights.size(); ++i)
            profile->multiSelectLights[i] = KeyLight{static_cast<int>(i) * 2, 90, 255 - static_cast<int>(i)};
    }

    std::unique_ptr<MultiKey> open() { return BacklightWindowTest::open<MultiKey>(); }

    std::vector<int> selectedKeys() const
    {
        std::vector<int> keys;
        for (std::size_t i = 0; i < profile->multiSelected.size(); ++i)
            if (profile->multiSelected[i] != 0) keys.push_back(static_cast<int>(i));
        return keys;
    }
};

}  // namespace

TEST_F(BkLightMultiSelectTest, OpensOnItsFaceWithItsRecordsNothingSelectedAndTheHandedOverColours)
{
    auto window = open();
    EXPECT_EQ(window->size(), face(142).size());
    EXPECT_EQ(face(143).size(), face(142).size());
    EXPECT_FALSE(window->mask().contains(QPoint(0, 0)));

    ASSERT_EQ(window->buttonTable.size(), 91u);
    EXPECT_EQ(window->buttonTable[0].id, 88);
    EXPECT_EQ(window->buttonTable[1].id, 97);
    EXPECT_TRUE(window->buttonTable[2].isLabel);
    EXPECT_TRUE(window->buttonTable[3].isLabel);
    for (int n = 1; n <= 87; ++n) {
        const SkinButton& b = window->buttonTable[static_cast<std::size_t>(3 + n)];
        EXPECT_EQ(b.id, 99 + n);
        EXPECT_EQ(b.keyIndex, n);
        EXPECT_EQ(b.rect, key(n).rect);
        EXPECT_FALSE(b.checked);
    }
    const QImage shown = grabbed(*window);
    for (int n : {1, 44, 87})
        EXPECT_EQ(shown.pixelColor(frameOf(n)), KeyLightColour::toQColor(profile->multiSelectLights[static_cast<std::size_t>(n)])) << n;
}

TEST_F(BkLightMultiSelectTest, AClickSelectsAKeyInItsCheckedLookAndASecondClickUnselectsIt)
{
    auto window = open();
    const QPoint inside = centreOf(20) + QPoint(0, 8);  // on the keycap, below its legend
    ASSERT_NE(face(143).pixel(inside), face(142).pixel(inside));

    click(*window, centreOf(20));
    click(*window, centreOf(70));
    EXPECT_EQ(selectedKeys(), (std::vector<int>{20, 70}));
    EXPECT_TRUE(window->buttonTable[3 + 20].checked);
    QImage shown = grabbed(*window);
    EXPECT_EQ(shown.pixel(inside), face(143).pixel(inside));
    EXPECT_EQ(shown.pixel(centreOf(21)), face(142).pixel(centreOf(21)));
    shown.save(outputPath(QStringLiteral("multikey-selected.png")));

    click(*window, centreOf(20));
    EXPECT_EQ(selectedKeys(), (std::vector<int>{70}));
    EXPECT_FALSE(window->buttonTable[3 + 20].checked);
    EXPECT_EQ(grabbed(*window).pixel(inside), face(142).pixel(inside));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(BkLightMultiSelectTest, APureRedKeyShowsAVisibleRedFrame)
{
    profile->multiSelectLights[5] = KeyLight{255, 0, 0};
    auto window = open();
    const QImage shown = grabbed(*window);
    EXPECT_EQ(shown.pixelColor(frameOf(5)), QColor(255, 1, 0));  // pure red is this window's colour key
    EXPECT_TRUE(window->mask().contains(frameOf(5)));
    EXPECT_TRUE(window->mask().contains(centreOf(5)));
}

TEST_F(BkLightMultiSelectTest, SetColorChoosesFromBlackAndEndsWithOkKeepingTheSelection)
{
    auto window = open();
    click(*window, centreOf(3));
    prompts.colours.push_back(QColor(10, 250, 30));
    click(*window, kSetColour);
    ASSERT_EQ(prompts.count(ScriptedPrompts::Kind::Colour), 1);
    EXPECT_EQ(prompts.asked[0].initialColour, QColor(0, 0, 0));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(profile->multiSelectColour, (KeyLight{10, 250, 30}));
    EXPECT_EQ(selectedKeys(), std::vector<int>{3});
}

TEST_F(BkLightMultiSelectTest, SetColorWithNoKeySelectedStillEndsWithOk)
{
    auto window = open();
    prompts.colours.push_back(QColor(1, 1, 1));
    click(*window, QPoint(595, 50));  // the right end of the button, beyond its label
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(profile->multiSelectColour, (KeyLight{1, 1, 1}));
    EXPECT_TRUE(selectedKeys().empty());
}

TEST_F(BkLightMultiSelectTest, ACancelledChooserKeepsTheWindowOpenAndTheCloseButtonEndsWithCancel)
{
    profile->multiSelectColour = KeyLight{7, 7, 7};
    auto window = open();
    click(*window, centreOf(11));
    prompts.colours.push_back(std::nullopt);
    click(*window, kSetColour);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(selectedKeys(), std::vector<int>{11});
    EXPECT_EQ(profile->multiSelectColour, (KeyLight{7, 7, 7}));

    click(*window, kClose);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_EQ(profile->multiSelectColour, (KeyLight{7, 7, 7}));
}

TEST_F(BkLightMultiSelectTest, EnterAndEscapeEndTheWindowWithoutTheChooser)
{
    for (const auto& [key, result] : {std::pair{Qt::Key_Return, QDialog::Accepted}, std::pair{Qt::Key_Escape, QDialog::Rejected}}) {
        auto window = open();
        click(*window, centreOf(40));
        QTest::keyClick(window.get(), key);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(window->result(), result);
    }
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(BkLightMultiSelectTest, ThePartOfTheSetColorLabelLeftOfItsButtonDragsInsteadOfClicking)
{
    auto window = open();
    for (int x : {440, 445, 449}) click(*window, QPoint(x, 65));
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_TRUE(window->isVisible());

    click(*window, QPoint(450, 65));
    EXPECT_EQ(prompts.count(ScriptedPrompts::Kind::Colour), 1);
}

TEST_F(BkLightMultiSelectTest, CaptionsShowInBothLanguages)
{
    profile->multiSelectLights[1] = KeyLight{255, 0, 0};
    QImage shown[2];
    int i = 0;
    for (const std::string language : {LanguageCode::English, LanguageCode::Chinese}) {
        profile->language = language;
        auto window = open();
        for (int n : {1, 2, 3, 56, 70}) click(*window, centreOf(n));
        shown[i] = grabbed(*window);
        shown[i].save(outputPath(QStringLiteral("multikey-%1.png").arg(QString::fromStdString(language))));
        for (const SkinButton& label : MultiKey::records())
            if (label.isLabel) {
                EXPECT_GT(textPixels(shown[i], toQRect(label.rect)), 15) << language << " " << label.id;
            }
        ++i;
    }
    EXPECT_NE(shown[0].copy(440, 50, 152, 30), shown[1].copy(440, 50, 152, 30));
}
