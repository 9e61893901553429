// The skinned dialog base, run as real windows on the offscreen platform. A small test window
// derives from it as the program's windows do; the faces are drawn by the tests themselves so
// a copied rectangle can be told apart by its colour.
#include "CSkinDialog.h"

#include "AppResources.h"
#include "MessageSink.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPaintEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

const QColor kFace(30, 30, 30);
const QColor kHoverFace(0, 200, 0);
const QColor kCheckedFace(0, 0, 200);
const QSize kFaceSize(300, 200);

// Records of the test window (the progress window's style unless a test says otherwise).
const SkinButton kA = SkinButton::button(10, {20, 20, 80, 50});
const SkinButton kB = SkinButton::button(11, {60, 40, 120, 70});  // overlaps kA at 60..79 x 40..49
const SkinButton kLabel = SkinButton::label(12, {20, 100, 200, 130}, u"你好", u"Hello");

class TestWindow : public CSkinDialog {
public:
    TestWindow(const SkinStyle& style, const std::string& language, std::vector<SkinButton> records)
        : CSkinDialog(style, language), records_(std::move(records))
    {
    }

    std::vector<int> clicks;
    int movesStarted = 0;
    bool realMoves = false;
    std::vector<QRegion> paints;
    std::vector<std::tuple<unsigned, std::uintptr_t, std::intptr_t>> messages;
    int page = 0;
    std::map<int, ColorRef> lights;
    bool endAtOnce = false;

    void onWindowMessage(unsigned m, std::uintptr_t w, std::intptr_t l) override { messages.emplace_back(m, w, l); }

protected:
    void initDialog() override
    {
        std::copy(records_.begin(), records_.end(), buttonTable.begin());
        if (endAtOnce) endDialog(QDialog::Rejected);
    }
    void buttonClicked(SkinButton& button) override { clicks.push_back(button.id); }
    int currentPage() const override { return page; }
    ColorRef keyLightColour(int keyIndex) const override
    {
        const auto it = lights.find(keyIndex);
        return it == lights.end() ? RGB(0, 0, 0) : it->second;
    }
    void beginWindowMove(QPoint globalPoint) override
    {
        ++movesStarted;
        if (realMoves) CSkinDialog::beginWindowMove(globalPoint);
    }
    void paintEvent(QPaintEvent* event) override
    {
        paints.push_back(event->region());
        CSkinDialog::paintEvent(event);
    }

private:
    std::vector<SkinButton> records_;
};

QImage solidFace(const QColor& colour)
{
    QImage image(kFaceSize, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

class CSkinDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        faces = std::make_unique<QTemporaryDir>();
        const QDir dir(faces->path());
        // The progress window's three images; only its colour key, red, is cut out.
        QImage background = solidFace(kFace);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x) background.setPixelColor(x, y, QColor(255, 0, 0));
        background.save(dir.filePath(QStringLiteral("139.png")));
        solidFace(kHoverFace).save(dir.filePath(QStringLiteral("140.png")));
        solidFace(kCheckedFace).save(dir.filePath(QStringLiteral("141.png")));
    }
    static void TearDownTestSuite() { faces.reset(); }

    void SetUp() override { AppResources::loadFrom(faces->path()); }
    void TearDown() override { AppResources::load(); }

    std::unique_ptr<TestWindow> open(std::vector<SkinButton> records, SkinWindow window = SkinWindow::Progress)
    {
        auto w = std::make_unique<TestWindow>(SkinStyle::of(window), language, std::move(records));
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        QApplication::processEvents();
        w->paints.clear();
        return w;
    }

    static QImage grabbed(TestWindow& w)
    {
        const QImage image = w.grab().toImage();
        w.paints.clear();
        return image;
    }

    // Pixels in a rectangle brighter than the face: caption text.
    static int textPixels(const QImage& image, const QRect& rect)
    {
        int n = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x) n += qGray(image.pixel(x, y)) > 100 ? 1 : 0;
        return n;
    }

    static void click(TestWindow& w, QPoint p)
    {
        QTest::mousePress(&w, Qt::LeftButton, {}, p);
        QTest::mouseRelease(&w, Qt::LeftButton, {}, p);
    }

    static std::unique_ptr<QTemporaryDir> faces;
    std::string language = LanguageCode::English;
};

std::unique_ptr<QTemporaryDir> CSkinDialogTest::faces;

}  // namespace

// --- set-up ---------------------------------------------------------------------------------

TEST_F(CSkinDialogTest, OpensCentredAtItsFacesSizeWithTheColourKeyCutOut)
{
    auto w = open({kA});
    EXPECT_EQ(w->size(), kFaceSize);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(w->pos(), QPoint((screen.width() - 300) / 2, (screen.height() - 200) / 2));
    EXPECT_FALSE(w->mask().contains(QPoint(0, 0)));
    EXPECT_FALSE(w->mask().contains(QPoint(2, 2)));
    EXPECT_TRUE(w->mask().contains(QPoint(3, 0)));
    EXPECT_TRUE(w->mask().contains(QPoint(299, 199)));
}

TEST_F(CSkinDialogTest, WithoutASkinFolderTheWindowShowsAPlainFaceAndStaysUsable)
{
    AppResources::loadFrom(QStringLiteral("/nonexistent/VornicTamskRES"));
    auto w = open({kA, kB, kLabel});
    EXPECT_EQ(w->size(), QSize(240, 142));  // big enough for every record
    EXPECT_TRUE(w->mask().isEmpty());
    const QImage image = grabbed(*w);
    EXPECT_EQ(image.pixelColor(150, 10), QColor(20, 20, 20));
    EXPECT_GT(textPixels(image, toQRect(kLabel.rect)), 20);  // captions still drawn
    click(*w, {30, 30});
    EXPECT_EQ(w->clicks, std::vector<int>{10});
}

TEST_F(CSkinDialogTest, EndingTheWindowWhileItOpensEndsItAsSoonAsItsLoopRuns)
{
    TestWindow w(SkinStyle::of(SkinWindow::Progress), language, {kA});
    w.endAtOnce = true;
    QTimer::singleShot(3000, &w, [&w] { w.done(42); });  // keeps a broken build from hanging
    EXPECT_EQ(w.exec(), QDialog::Rejected);
}

// --- hit testing ------------------------------------------------------------------------------

TEST_F(CSkinDialogTest, EmptySlotsAreNeitherDrawnNorHit)
{
    for (int id : {0, -1}) {
        SkinButton empty = SkinButton::label(id, {150, 20, 280, 80}, u"空", u"Empty");
        empty.isLabel = false;
        empty.checked = true;  // would show the checked image if it were drawn
        auto w = open({empty});
        EXPECT_EQ(w->hitTest({160, 30}), CSkinDialog::HitCode::Caption) << id;
        EXPECT_EQ(w->clickTarget({160, 30}), nullptr);
        EXPECT_FALSE(w->buttonTable[0].hovered);
        const QImage image = grabbed(*w);
        EXPECT_EQ(image.pixelColor(160, 30), kFace);
        EXPECT_EQ(textPixels(image, {150, 20, 130, 60}), 0);
        click(*w, {160, 30});
        EXPECT_TRUE(w->clicks.empty());
    }
}

TEST_F(CSkinDialogTest, OverlappingRecordsAreBothHoveredAndTheFirstTakesTheClick)
{
    auto w = open({kA, kB});
    EXPECT_EQ(w->hitTest({70, 45}), CSkinDialog::HitCode::Client);
    EXPECT_TRUE(w->buttonTable[0].hovered);
    EXPECT_TRUE(w->buttonTable[1].hovered);
    EXPECT_EQ(w->lastMousePoint, QPoint(70, 45));
    click(*w, {70, 45});
    click(*w, {100, 60});
    EXPECT_EQ(w->clicks, (std::vector<int>{10, 11}));
}

TEST_F(CSkinDialogTest, RectangleEdgesDecideHoverAndClicks)
{
    auto w = open({kA});
    struct Case {
        QPoint point;
        bool inside;
    };
    const Case cases[] = {{{20, 20}, true}, {{79, 49}, true}, {{80, 30}, false}, {{30, 50}, false}, {{19, 30}, false}};
    for (const Case& c : cases) {
        w->clicks.clear();
        EXPECT_EQ(w->hitTest(c.point) == CSkinDialog::HitCode::Client, c.inside) << c.point.x() << "," << c.point.y();
        EXPECT_EQ(w->buttonTable[0].hovered, c.inside);
        click(*w, c.point);
        EXPECT_EQ(w->clicks.size(), c.inside ? 1u : 0u);
    }
}

TEST_F(CSkinDialogTest, TheRightAndBottomBandsGiveEdgeCodes)
{
    auto w = open({kA, SkinButton::button(20, {290, 190, 300, 200})});
    using Hit = CSkinDialog::HitCode;
    struct Case {
        QPoint point;
        Hit code;
    };
    const Case cases[] = {
        {{295, 150}, Hit::RightEdge},       {{294, 150}, Hit::Caption},  // x = cw - 6 is not yet in the band
        {{150, 195}, Hit::BottomEdge},      {{150, 194}, Hit::Caption},
        {{295, 195}, Hit::Client},          // a button in the corner wins
        {{295, 189}, Hit::RightEdge},       {{289, 195}, Hit::BottomEdge},
        {{150, 150}, Hit::Caption},         {{30, 30}, Hit::Client},
    };
    for (const Case& c : cases) EXPECT_EQ(w->hitTest(c.point), c.code) << c.point.x() << "," << c.point.y();
    w->buttonTable[1].id = -1;
    EXPECT_EQ(w->hitTest({295, 195}), Hit::BottomRightCorner);
    EXPECT_EQ(w->hitTest({294, 194}), Hit::Caption);
}

// --- dragging and clicks ----------------------------------------------------------------------

TEST_F(CSkinDialogTest, APressOnALabelOrTheBareFaceDragsAndNeverClicks)
{
    auto w = open({kA, kLabel});
    for (QPoint p : {QPoint(100, 110), QPoint(250, 80)}) {
        QTest::mousePress(w.get(), Qt::LeftButton, {}, p);
        QTest::mouseRelease(w.get(), Qt::LeftButton, {}, p);
    }
    EXPECT_EQ(w->movesStarted, 2);
    EXPECT_TRUE(w->clicks.empty());

    // A press that starts a drag gives no click even if the pointer is over a button on release.
    QTest::mousePress(w.get(), Qt::LeftButton, {}, {250, 80});
    QTest::mouseRelease(w.get(), Qt::LeftButton, {}, {30, 30});
    EXPECT_TRUE(w->clicks.empty());

    click(*w, {30, 30});
    EXPECT_EQ(w->movesStarted, 3);
    EXPECT_EQ(w->clicks, std::vector<int>{10});
}

TEST_F(CSkinDialogTest, TheWindowFollowsThePointerWhenThePlatformCannotMoveIt)
{
    auto w = open({kA});
    w->realMoves = true;
    const QPoint start = w->pos();
    QTest::mousePress(w.get(), Qt::LeftButton, {}, {150, 150});
    QTest::mouseMove(w.get(), {180, 170});
    QTest::mouseRelease(w.get(), Qt::LeftButton, {}, {180, 170});
    EXPECT_EQ(w->pos(), start + QPoint(30, 20));
    EXPECT_TRUE(w->clicks.empty());
}

TEST_F(CSkinDialogTest, LabelsTakePartInTheClickScanOnlyWhereTheStyleSaysSo)
{
    const SkinButton label = SkinButton::label(5, {20, 20, 80, 50}, u"标", u"Label");
    const SkinButton under = SkinButton::button(6, {20, 20, 80, 50});
    const std::pair<SkinWindow, int> cases[] = {
        {SkinWindow::Progress, 6}, {SkinWindow::MainWindow, 6}, {SkinWindow::FirmwareUpdate, 6},
        {SkinWindow::KeyMapSettings, 5}, {SkinWindow::BkLightSettings, 5}, {SkinWindow::BkLightMultiSelect, 5},
    };
    for (const auto& [window, expected] : cases) {
        auto w = open({label, under}, window);
        click(*w, {30, 30});
        EXPECT_EQ(w->clicks, std::vector<int>{expected}) << static_cast<int>(window);
    }
}

TEST_F(CSkinDialogTest, ThePageFilterHidesOtherPagesRecordsEverywhere)
{
    const SkinButton common = SkinButton::button(50, {20, 20, 80, 50});
    const SkinButton onPage2 = SkinButton::button(201, {100, 20, 160, 50});
    const SkinButton onPage3 = SkinButton::button(301, {100, 20, 160, 50});
    auto w = open({common, onPage3, onPage2}, SkinWindow::KeyMapSettings);
    for (int page : {2, 3}) {
        w->page = page;
        w->clicks.clear();
        click(*w, {30, 30});
        click(*w, {110, 30});
        EXPECT_EQ(w->clicks, (std::vector<int>{50, page * 100 + 1}));
        EXPECT_EQ(w->isShown(w->buttonTable[1]), page == 3);
        EXPECT_TRUE(w->buttonTable[page == 3 ? 1 : 2].hovered);
    }
    w->page = 4;
    EXPECT_EQ(w->hitTest({110, 30}), CSkinDialog::HitCode::Caption);
    // Other windows have no pages.
    auto plain = open({onPage3}, SkinWindow::Progress);
    EXPECT_TRUE(plain->isShown(plain->buttonTable[0]));
}

// --- keyboard and messages ---------------------------------------------------------------------

TEST_F(CSkinDialogTest, EnterEndsWithOkAndEscapeWithCancel)
{
    const std::pair<Qt::Key, int> cases[] = {
        {Qt::Key_Return, QDialog::Accepted}, {Qt::Key_Enter, QDialog::Accepted}, {Qt::Key_Escape, QDialog::Rejected}};
    for (const auto& [key, result] : cases) {
        auto w = open({kA});
        w->setResult(-1);
        QTest::keyClick(w.get(), key);
        EXPECT_EQ(w->result(), result);
        EXPECT_FALSE(w->isVisible());
        EXPECT_TRUE(w->clicks.empty());
    }
}

TEST_F(CSkinDialogTest, PostedMessagesReachTheWindowAndAreDroppedOnceItIsGone)
{
    auto w = open({kA});
    auto other = open({kA});
    EXPECT_NE(w->messageHandle(), other->messageHandle());
    postMessage(w->messageHandle(), kMsgProgress, 75, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w->messages.empty(); }));
    EXPECT_EQ(w->messages[0], std::make_tuple(kMsgProgress, std::uintptr_t(75), std::intptr_t(0)));
    EXPECT_TRUE(other->messages.empty());

    const WindowHandle gone = w->messageHandle();
    postMessage(gone, kMsgFinished, 0, 0);  // still queued when the window goes
    w.reset();
    postMessage(gone, kMsgFinished, 0, 0);
    QApplication::processEvents();
    EXPECT_TRUE(other->messages.empty());
}

// --- painting ---------------------------------------------------------------------------------

TEST_F(CSkinDialogTest, HoverAndCheckedImagesAreCopiedForTheirRectanglesOnly)
{
    SkinButton checked = SkinButton::button(13, {20, 140, 80, 170});
    checked.checked = true;
    auto w = open({kA, kB, kLabel, checked});
    w->hitTest({30, 30});
    QImage image = grabbed(*w);
    EXPECT_EQ(image.pixelColor(30, 30), kHoverFace);
    EXPECT_EQ(image.pixelColor(110, 60), kFace);           // the other button is not lit
    EXPECT_EQ(image.pixelColor(19, 30), kFace);            // nothing outside the rectangle
    EXPECT_EQ(image.pixelColor(50, 150), kCheckedFace);
    EXPECT_EQ(image.pixelColor(50, 139), kFace);

    w->hitTest({190, 125});  // a label gets no hover image
    image = grabbed(*w);
    EXPECT_EQ(image.pixelColor(30, 30), kFace);
    EXPECT_EQ(image.pixelColor(195, 125), kFace);
}

TEST_F(CSkinDialogTest, HoverRepaintsOnlyTheRectanglesThatChanged)
{
    auto w = open({kA, kB, kLabel});
    auto moveAndSettle = [&](QPoint p) {
        w->paints.clear();
        QTest::mouseMove(w.get(), p);
        QTest::qWait(30);
    };
    moveAndSettle({30, 30});
    ASSERT_EQ(w->paints.size(), 1u);
    EXPECT_EQ(w->paints[0], QRegion(toQRect(kA.rect)));

    moveAndSettle({35, 32});  // still over the same button
    EXPECT_TRUE(w->paints.empty());

    moveAndSettle({110, 60});  // from one button to the other
    ASSERT_EQ(w->paints.size(), 1u);
    EXPECT_EQ(w->paints[0], QRegion(toQRect(kA.rect)) + QRegion(toQRect(kB.rect)));

    moveAndSettle({150, 110});  // onto a label: only the button left behind
    ASSERT_EQ(w->paints.size(), 1u);
    EXPECT_EQ(w->paints[0], QRegion(toQRect(kB.rect)));
    moveAndSettle({160, 115});
    EXPECT_TRUE(w->paints.empty());
}

TEST_F(CSkinDialogTest, TheBacklightSettingsWindowRecordsHoverButNeverRepaintsForIt)
{
    auto w = open({kA}, SkinWindow::BkLightSettings);
    QTest::mouseMove(w.get(), {30, 30});
    QTest::qWait(30);
    EXPECT_TRUE(w->buttonTable[0].hovered);
    EXPECT_TRUE(w->paints.empty());
}

TEST_F(CSkinDialogTest, LeavingTheWindowPutsOutTheHover)
{
    auto w = open({kA});
    w->hitTest({30, 30});
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w.get(), &leave);
    EXPECT_FALSE(w->buttonTable[0].hovered);
    EXPECT_EQ(grabbed(*w).pixelColor(30, 30), kFace);
}

TEST_F(CSkinDialogTest, CaptionsFollowTheLanguageAndAMissingOneDrawsNothing)
{
    SkinButton chineseOnly = SkinButton::button(14, {20, 150, 200, 180});
    chineseOnly.isLabel = true;
    chineseOnly.captions[LanguageCode::Chinese] = u"读写进度";
    auto w = open({kLabel, chineseOnly});
    QImage image = grabbed(*w);
    EXPECT_GT(textPixels(image, toQRect(kLabel.rect)), 20);
    EXPECT_EQ(textPixels(image, toQRect(chineseOnly.rect)), 0);

    language = LanguageCode::Chinese;  // the window reads the language at every paint
    image = grabbed(*w);
    EXPECT_GT(textPixels(image, toQRect(chineseOnly.rect)), 40);
    EXPECT_GT(textPixels(image, toQRect(kLabel.rect)), 20);
}

TEST_F(CSkinDialogTest, CaptionConditionAndColourFollowTheStyle)
{
    SkinButton shown = SkinButton::button(15, {20, 20, 80, 50});
    shown.showCaption = true;
    SkinButton hidden = kLabel;
    hidden.captionVisible = false;
    SkinButton checkedLabel = kLabel;
    checkedLabel.checked = true;
    checkedLabel.checkedTextColor = RGB(0, 255, 0);

    struct Case {
        SkinWindow window;
        bool shownDrawn;
        bool hiddenDrawn;
        QColor checkedColour;
    };
    const Case cases[] = {
        {SkinWindow::Progress, false, true, QColor(0, 0, 190)},
        {SkinWindow::FirmwareUpdate, false, true, QColor(0, 0, 190)},
        {SkinWindow::MainWindow, false, true, QColor(0, 255, 0)},
        {SkinWindow::KeyMapSettings, true, false, QColor(0, 255, 0)},
        {SkinWindow::BkLightMultiSelect, false, true, QColor(200, 200, 200)},
    };
    for (const Case& c : cases) {
        TestWindow w(SkinStyle::of(c.window), language, {});
        EXPECT_EQ(w.captionDrawn(shown), c.shownDrawn) << static_cast<int>(c.window);
        EXPECT_EQ(w.captionDrawn(hidden), c.hiddenDrawn);
        EXPECT_EQ(w.captionColour(checkedLabel), c.checkedColour);
        EXPECT_EQ(w.captionColour(kLabel), QColor(200, 200, 200));
    }
}

TEST_F(CSkinDialogTest, OnlyTheKeyMappingWindowHonoursTheTextFormat)
{
    SkinButton left = SkinButton::label(16, {20, 100, 280, 130}, u"左", u"Hi");
    left.textFormat = 0;
    for (const auto& [window, alignedLeft] : {std::pair{SkinWindow::KeyMapSettings, true}, std::pair{SkinWindow::Progress, false}}) {
        auto w = open({left}, window);
        const QImage image = grabbed(*w);
        EXPECT_EQ(textPixels(image, {20, 100, 40, 30}) > 0, alignedLeft) << static_cast<int>(window);
        EXPECT_EQ(textPixels(image, {140, 100, 20, 30}) > 0, !alignedLeft);
    }
}

TEST_F(CSkinDialogTest, KeyLightFramesAreTwoPixelBandsAndPureRedAvoidsTheMultiKeyWindowsKey)
{
    SkinButton red = SkinButton::button(100, {40, 40, 80, 70});
    red.keyIndex = 1;
    SkinButton black = SkinButton::button(101, {100, 40, 140, 70});
    black.keyIndex = 2;
    const std::pair<SkinWindow, QColor> cases[] = {{SkinWindow::BkLightMultiSelect, QColor(255, 1, 0)},
                                                   {SkinWindow::BkLightSettings, QColor(255, 0, 0)}};
    for (const auto& [window, drawnRed] : cases) {
        auto w = open({red, black}, window);
        w->lights = {{1, RGB(255, 0, 0)}, {2, RGB(0, 0, 0)}};
        const QImage image = grabbed(*w);
        for (QPoint p : {QPoint(38, 38), QPoint(39, 55), QPoint(81, 71), QPoint(60, 38), QPoint(60, 71), QPoint(80, 40)})
            EXPECT_EQ(image.pixelColor(p), drawnRed) << static_cast<int>(window) << " at " << p.x() << "," << p.y();
        for (QPoint p : {QPoint(37, 37), QPoint(82, 72), QPoint(60, 37), QPoint(60, 72)})
            EXPECT_NE(image.pixelColor(p), drawnRed) << p.x() << "," << p.y();
        EXPECT_EQ(image.pixelColor(98, 55), QColor(0, 0, 0));  // black keys get black frames
        EXPECT_EQ(image.pixelColor(141, 55), QColor(0, 0, 0));
    }
    auto noFrames = open({red}, SkinWindow::Progress);
    EXPECT_EQ(grabbed(*noFrames).pixelColor(38, 38), kFace);
}

// --- child text controls ------------------------------------------------------------------------

TEST_F(CSkinDialogTest, NamedTextControlsAreOrangeOnDark)
{
    struct Case {
        SkinWindow window;
        int id;
        bool coloured;
    };
    const Case cases[] = {
        {SkinWindow::MainWindow, 1001, true},      {SkinWindow::MainWindow, 1002, false},
        {SkinWindow::FirmwareUpdate, 1001, true},  {SkinWindow::FirmwareUpdate, 1002, true},
        {SkinWindow::KeyMapSettings, 1003, true},  {SkinWindow::KeyMapSettings, 1005, true},
        {SkinWindow::KeyMapSettings, 1004, false}, {SkinWindow::Progress, 1001, false},
    };
    for (const Case& c : cases) {
        TestWindow w(SkinStyle::of(c.window), language, {});
        auto* edit = new QLineEdit(&w);
        const QColor defaultText = edit->palette().color(QPalette::Text);
        w.adoptTextControl(c.id, edit);
        EXPECT_EQ(w.findChild<QLineEdit*>(QString::number(c.id)), edit);
        const QColor text = edit->palette().color(QPalette::Text);
        const QColor base = edit->palette().color(QPalette::Base);
        if (c.coloured) {
            EXPECT_EQ(text, QColor(255, 111, 0)) << c.id;
            EXPECT_EQ(base, QColor(20, 20, 20));
        } else {
            EXPECT_EQ(text, defaultText) << c.id;
        }
    }
}
