// The skinned scroll bar as a real widget inside an owner window, driven with QTest mouse events
// and checked by what it paints and what it tells its owner.
#include "CSkinScrollBar.h"
#include "ScrollBarSkin.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace ScrollBarSkinLayout;

constexpr int s = 15;
constexpr int across = 7; // middle of the bar's thickness

// A skin whose every pixel tells where it came from: red the cell's column, green its row, blue
// the pixel's place inside the cell (16 * y + x).
QImage codedSkin()
{
    QImage image(columnCount * s, rowCount * s, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(20 + 25 * (x / s), 20 + 90 * (y / s), 16 * (y % s) + x % s));
    return image;
}

// Where a painted pixel came from in the coded skin, in the bar's own terms.
struct Texel {
    int column;
    int look;
    int along;  // the pixel's place inside the cell along the bar's axis
    int across; // and across it
};

struct Note {
    int code;
    int position;
    qint64 atMs; // since the harness started its clock
};

// Paint events the bar receives, with the region each one covers.
class PaintSpy : public QObject {
public:
    std::vector<QRegion> regions;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            regions.push_back(static_cast<QPaintEvent*>(event)->region());
        return false;
    }
};

// An owner window with one bar. It records every notification and, when following, answers
// them as the key mapping window does: line and page steps and the tracked position, kept
// within [minimum, largest position] and set back with redraw.
class Harness {
public:
    explicit Harness(Qt::Orientation orientation)
    {
        QCursor::setPos(0, 0); // keep the pointer off the new window until a test moves it
        m_owner.setGeometry(100, 100, 300, 300);
        m_bar = new CSkinScrollBar(orientation, &m_owner);
        m_bar->setGeometry(20, 20, 50, 50);
        m_bar->setBitmap(QPixmap::fromImage(codedSkin()));
        QObject::connect(m_bar, &CSkinScrollBar::scrolled, &m_owner,
                         [this](int code, int position) { onScrolled(code, position); });
        m_owner.show();
        m_exposed = QTest::qWaitForWindowExposed(&m_owner);
        clock.start();
    }

    bool exposed() const { return m_exposed; }
    CSkinScrollBar& bar() { return *m_bar; }
    QWidget& owner() { return m_owner; }
    bool vertical() const { return m_bar->orientation() == Qt::Vertical; }

    void setLength(int length)
    {
        if (vertical())
            m_bar->resize(m_bar->width(), length);
        else
            m_bar->resize(length, m_bar->height());
    }

    void setState(int minimum, int maximum, int page, int position)
    {
        ScrollInfo info;
        info.mask = ScrollInfo::Range | ScrollInfo::Page | ScrollInfo::Position;
        info.minimum = minimum;
        info.maximum = maximum;
        info.page = page;
        info.position = position;
        m_bar->setScrollInfo(info, true);
    }

    QPoint at(int c, int side = across) const
    {
        return vertical() ? QPoint(side, c) : QPoint(c, side);
    }

    Texel texelAt(int c, int side = across)
    {
        const QImage image = m_bar->grab().toImage();
        const QPoint p = at(c, side);
        const QRgb rgb = image.pixel(p);
        const int x = qBlue(rgb) % 16;
        const int y = qBlue(rgb) / 16;
        return {(qRed(rgb) - 20) / 25, (qGreen(rgb) - 20) / 90, vertical() ? y : x,
                vertical() ? x : y};
    }

    int columnOf(Piece piece) const { return column(vertical(), piece); }

    void press(int c) { QTest::mousePress(m_bar, Qt::LeftButton, {}, at(c)); }
    void drag(int c) { QTest::mouseMove(m_bar, at(c)); } // with the button held
    void release(int c) { QTest::mouseRelease(m_bar, Qt::LeftButton, {}, at(c)); }
    void click(int c)
    {
        press(c);
        release(c);
    }
    // Moves the pointer with no button held, through the window system, as a real pointer.
    void hover(int c) { QTest::mouseMove(m_bar, at(c)); }
    void hoverOwner(QPoint p) { QTest::mouseMove(&m_owner, p); }

    std::vector<int> codes() const
    {
        std::vector<int> result;
        for (const Note& n : notes)
            result.push_back(n.code);
        return result;
    }

    void saveShot(const std::string& name)
    {
        QDir().mkpath(QStringLiteral("shots"));
        const QImage image = m_bar->grab().toImage();
        image.scaled(image.size() * 4).save(QStringLiteral("shots/%1.png").arg(name.c_str()));
    }

    std::vector<Note> notes;
    bool follow = false;
    QElapsedTimer clock;

private:
    void onScrolled(int code, int position)
    {
        notes.push_back({code, position, clock.elapsed()});
        if (!follow)
            return;
        const ScrollInfo info = m_bar->scrollInfo();
        long long p = info.position;
        switch (code) {
        case ScrollCode::LineUp: p -= 1; break;
        case ScrollCode::LineDown: p += 1; break;
        case ScrollCode::PageUp: p -= info.page; break;
        case ScrollCode::PageDown: p += info.page; break;
        case ScrollCode::ThumbTrack: p = position; break;
        default: break;
        }
        p = std::min<long long>(p, 1LL * info.maximum - info.minimum - info.page + 1);
        p = std::max<long long>(p, info.minimum);
        ScrollInfo set;
        set.mask = ScrollInfo::Position;
        set.position = static_cast<int>(p);
        m_bar->setScrollInfo(set, true);
    }

    QWidget m_owner;
    CSkinScrollBar* m_bar = nullptr;
    bool m_exposed = false;
};

std::string orientationName(const ::testing::TestParamInfo<Qt::Orientation>& info)
{
    return info.param == Qt::Vertical ? "Vertical" : "Horizontal";
}

// --- painting and hit testing, for both orientations ------------------------------------------

class ScrollBarBothWaysTest : public ::testing::TestWithParam<Qt::Orientation> {
protected:
    void SetUp() override
    {
        h = std::make_unique<Harness>(GetParam());
        ASSERT_TRUE(h->exposed());
        h->setLength(100);
    }
    std::unique_ptr<Harness> h;
};

INSTANTIATE_TEST_SUITE_P(Orientations, ScrollBarBothWaysTest,
                         ::testing::Values(Qt::Vertical, Qt::Horizontal), orientationName);

TEST_P(ScrollBarBothWaysTest, SetBitmapMakesTheBarOneCellThick)
{
    CSkinScrollBar& bar = h->bar();
    bar.setGeometry(30, 40, 50, 126);
    if (!h->vertical())
        bar.setGeometry(30, 40, 126, 50);
    bar.setBitmap(QPixmap::fromImage(codedSkin()));
    EXPECT_EQ(bar.cellSize(), s);
    EXPECT_EQ(bar.pos(), QPoint(30, 40));
    EXPECT_EQ(bar.size(), h->vertical() ? QSize(s, 126) : QSize(126, s));
}

TEST_P(ScrollBarBothWaysTest, PaintsArrowsUnscaledTracksTiledAndThumbWithCaps)
{
    // T = 70, t = 50 * 70 / 100 = 35, N = 50, F = 35, o = 35 * 20 / 50 = 14:
    // up arrow [0, 15), page-up [15, 29), thumb [29, 64), page-down [64, 85), down [85, 100).
    h->setState(0, 99, 50, 20);
    h->saveShot(std::string("coded-") + (h->vertical() ? "vertical" : "horizontal"));
    const struct {
        int c;
        Piece piece;
        int along;
    } expected[] = {
        {0, FirstArrow, 0}, {14, FirstArrow, 14},                  // copied one to one
        {15, Track, 0},     {28, Track, 13},                       // page-up tiles from 15
        {29, Thumb, 0},     {31, Thumb, 2},                        // leading cap
        {32, Thumb, 3},     {40, Thumb, 11},  {41, Thumb, 3},      // middle repeats every 9
        {60, Thumb, 4},                                            //
        {61, Thumb, 12},    {63, Thumb, 14},                       // trailing cap
        {64, Track, 0},     {78, Track, 14},  {79, Track, 0},      // page-down tiles from 64
        {84, Track, 5},                                            // last tile cut short
        {85, LastArrow, 0}, {99, LastArrow, 14},
    };
    for (const auto& e : expected) {
        const Texel t = h->texelAt(e.c);
        EXPECT_EQ(t.column, h->columnOf(e.piece)) << "at " << e.c;
        EXPECT_EQ(t.look, Normal) << "at " << e.c;
        EXPECT_EQ(t.along, e.along) << "at " << e.c;
        EXPECT_EQ(t.across, across) << "at " << e.c;
    }
    EXPECT_EQ(h->texelAt(40, 2).across, 2);
}

TEST_P(ScrollBarBothWaysTest, BarShorterThanTwoCellsShowsTwoSqueezedArrows)
{
    h->setLength(20); // T = 0: each arrow 10 long, the whole cell squeezed in
    h->setState(0, 99, 10, 0);
    h->saveShot(std::string("no-track-") + (h->vertical() ? "vertical" : "horizontal"));
    const struct {
        int c;
        Piece piece;
        int along;
    } expected[] = {{0, FirstArrow, 0}, {9, FirstArrow, 14}, {10, LastArrow, 0},
                    {19, LastArrow, 14}};
    for (const auto& e : expected) {
        const Texel t = h->texelAt(e.c);
        EXPECT_EQ(t.column, h->columnOf(e.piece)) << "at " << e.c;
        EXPECT_EQ(t.along, e.along) << "at " << e.c;
    }
    h->click(9);
    h->click(10);
    EXPECT_EQ(h->codes(), (std::vector<int>{ScrollCode::LineUp, ScrollCode::LineDown}));
}

TEST_P(ScrollBarBothWaysTest, TrackTooShortForAThumbPagesOnPress)
{
    h->setLength(35); // T = 5
    h->setState(0, 99, 10, 0);
    for (int c = 15; c < 20; ++c)
        EXPECT_EQ(h->texelAt(c).column, h->columnOf(Track)) << "at " << c;
    h->click(17);
    EXPECT_EQ(h->codes(), std::vector<int>{ScrollCode::PageDown});
}

TEST_P(ScrollBarBothWaysTest, ShortThumbIsDrawnSixPixelsLong)
{
    h->setState(0, 999, 10, 0); // 10 * 70 / 1000 = 0, raised to 6: thumb [15, 21)
    const struct {
        int c;
        Piece piece;
        int along;
    } expected[] = {{15, Thumb, 0}, {17, Thumb, 2}, {18, Thumb, 12}, {20, Thumb, 14},
                    {21, Track, 0}};
    for (const auto& e : expected) {
        const Texel t = h->texelAt(e.c);
        EXPECT_EQ(t.column, h->columnOf(e.piece)) << "at " << e.c;
        EXPECT_EQ(t.along, e.along) << "at " << e.c;
    }
}

TEST_P(ScrollBarBothWaysTest, PageCoveringTheRangeShowsNoThumbAndCannotScroll)
{
    h->setState(0, 9, 10, 0); // N = 0
    for (int c = 15; c < 85; c += 5)
        EXPECT_EQ(h->texelAt(c).column, h->columnOf(Track)) << "at " << c;
    // Two track halves of 35: the second one's tiles start at 50.
    EXPECT_EQ(h->texelAt(49).along, 4);
    EXPECT_EQ(h->texelAt(50).along, 0);

    // A press on the track grabs the (invisible) thumb; the drag cannot move anything.
    h->press(30);
    h->drag(80);
    h->drag(20);
    h->release(20);
    ASSERT_EQ(h->notes.size(), 1u);
    EXPECT_EQ(h->notes[0].code, ScrollCode::ThumbPosition);
    EXPECT_EQ(h->notes[0].position, 0);
    EXPECT_EQ(h->bar().position(), 0);
}

TEST_P(ScrollBarBothWaysTest, PressesAtPartBoundariesReportThatPart)
{
    // A = 15, o = 31, t = 7: thumb [46, 53).
    h->setState(0, 99, 10, 45);
    const struct {
        int c;
        int code; // first notification; a thumb press reports only on release
    } cases[] = {{0, ScrollCode::LineUp},      {14, ScrollCode::LineUp},
                 {15, ScrollCode::PageUp},     {45, ScrollCode::PageUp},
                 {46, ScrollCode::ThumbPosition}, {52, ScrollCode::ThumbPosition},
                 {53, ScrollCode::PageDown},   {84, ScrollCode::PageDown},
                 {85, ScrollCode::LineDown},   {99, ScrollCode::LineDown}};
    for (const auto& c : cases) {
        h->notes.clear();
        h->click(c.c);
        ASSERT_EQ(h->notes.size(), 1u) << "at " << c.c;
        EXPECT_EQ(h->notes[0].code, c.code) << "at " << c.c;
        EXPECT_EQ(h->notes[0].position, c.code == ScrollCode::ThumbPosition ? 45 : 0);
    }
    // The press never moves the position by itself.
    EXPECT_EQ(h->bar().position(), 45);
}

TEST_P(ScrollBarBothWaysTest, HoverLightsArrowsAndThumbButNotTheTrack)
{
    h->setState(0, 99, 10, 45); // thumb [46, 53)
    h->hover(5);
    EXPECT_EQ(h->texelAt(5).look, Hover);
    h->hover(30);
    EXPECT_EQ(h->texelAt(5).look, Normal);
    EXPECT_EQ(h->texelAt(30).look, Normal);
    h->hover(49);
    EXPECT_EQ(h->texelAt(49).look, Hover);
    h->hover(92);
    EXPECT_EQ(h->texelAt(49).look, Normal);
    EXPECT_EQ(h->texelAt(92).look, Hover);
    h->saveShot(std::string("hover-down-") + (h->vertical() ? "vertical" : "horizontal"));
    // Leaving the bar returns the hovered part to normal.
    h->hoverOwner(QPoint(250, 250));
    EXPECT_EQ(h->texelAt(92).look, Normal);
    EXPECT_TRUE(h->notes.empty());
}

TEST(ScrollBarWithoutSkinTest, PaintsNothing)
{
    QWidget owner;
    owner.resize(100, 150);
    auto* bar = new CSkinScrollBar(Qt::Vertical, &owner);
    bar->setGeometry(10, 10, 15, 100);
    ScrollInfo info;
    info.maximum = 99;
    info.page = 10;
    bar->setScrollInfo(info, true);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    const QImage image = bar->grab().toImage();
    const QRgb background = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixel(x, y), background) << x << "," << y;
}

// --- pressing, repeating and dragging ---------------------------------------------------------

class ScrollBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        h = std::make_unique<Harness>(Qt::Vertical);
        ASSERT_TRUE(h->exposed());
        h->setLength(100); // A = 15, T = 70; page 10 of 0..99: t = 7, F = 63, N = 90
    }

    void waitForNotes(std::size_t count, int timeoutMs = 5000)
    {
        // Failing to get there is caught by the caller's own expectations.
        (void)QTest::qWaitFor([&] { return h->notes.size() >= count; }, timeoutMs);
    }

    std::unique_ptr<Harness> h;
};

TEST_F(ScrollBarTest, HeldDownArrowAtLargestPositionRepeatsUntilRelease)
{
    h->follow = true;
    h->setState(0, 99, 10, 90); // largest reachable position, below the maximum
    h->press(92);
    EXPECT_EQ(h->texelAt(92).look, Pressed);
    waitForNotes(6);
    h->release(92);
    const std::size_t atRelease = h->notes.size();
    QTest::qWait(400);

    EXPECT_GE(atRelease, 6u);
    EXPECT_EQ(h->notes.size(), atRelease) << "repeats after release";
    for (const Note& n : h->notes)
        EXPECT_EQ(n.code, ScrollCode::LineDown);
    EXPECT_LT(h->notes[0].atMs, 300) << "the press itself reports at once";
    EXPECT_GE(h->notes[1].atMs, 400) << "first repeat came before the initial delay";
    EXPECT_EQ(h->bar().position(), 90) << "the owner holds the position";
    EXPECT_EQ(h->texelAt(92).look, Normal);
}

TEST_F(ScrollBarTest, ArrowRepeatStopsAtItsLimit)
{
    const struct {
        const char* name;
        int position;
        int c;
        int code;
    } cases[] = {{"up at minimum", 0, 5, ScrollCode::LineUp},
                 {"down at maximum", 99, 92, ScrollCode::LineDown}};
    for (const auto& c : cases) {
        h->notes.clear();
        h->setState(0, 99, 10, c.position);
        h->press(c.c);
        QTest::qWait(900);
        h->release(c.c);
        EXPECT_EQ(h->codes(), std::vector<int>{c.code}) << c.name;
    }
}

TEST_F(ScrollBarTest, HeldTrackPagesUntilTheThumbReachesThePointer)
{
    h->follow = true;
    const struct {
        int start;
        int c;
        int code;
        std::size_t pages;
        int end;
    } cases[] = {
        // Thumb offsets 63 * p / 90: the thumb covers 60 at p = 60 ([57, 64)).
        {0, 60, ScrollCode::PageDown, 6, 60},
        // And covers 25 at p = 10 ([22, 29)), paging up from 90.
        {90, 25, ScrollCode::PageUp, 8, 10},
    };
    for (const auto& c : cases) {
        h->notes.clear();
        h->setState(0, 99, 10, c.start);
        h->press(c.c);
        waitForNotes(c.pages);
        QTest::qWait(500);
        h->release(c.c);
        EXPECT_EQ(h->codes(), std::vector<int>(c.pages, c.code)) << "from " << c.start;
        EXPECT_EQ(h->bar().position(), c.end);
    }
}

TEST_F(ScrollBarTest, PointerOffAHeldArrowPausesAndBackResumes)
{
    h->follow = true;
    h->setState(0, 99, 10, 20);
    h->press(92);
    waitForNotes(3);
    h->drag(50); // off the arrow, button still held
    EXPECT_EQ(h->texelAt(92).look, Normal);
    const std::size_t paused = h->notes.size();
    QTest::qWait(500);
    EXPECT_EQ(h->notes.size(), paused) << "repeats while the pointer is off the arrow";

    h->drag(95);
    EXPECT_EQ(h->texelAt(92).look, Pressed);
    waitForNotes(paused + 2);
    EXPECT_GE(h->notes.size(), paused + 2) << "no repeats after coming back";

    h->drag(92);
    h->release(92);
    const std::size_t released = h->notes.size();
    QTest::qWait(300);
    EXPECT_EQ(h->notes.size(), released);
    // Sideways off the bar counts as off the arrow too.
    h->notes.clear();
    h->press(92);
    QTest::mouseMove(&h->bar(), QPoint(40, 92));
    QTest::qWait(800);
    QTest::mouseRelease(&h->bar(), Qt::LeftButton, {}, QPoint(40, 92));
    EXPECT_EQ(h->notes.size(), 1u);
}

TEST_F(ScrollBarTest, DraggingTheThumbReportsClampedPositions)
{
    h->follow = true;
    h->setState(0, 99, 10, 45); // thumb [46, 53)
    h->press(49);
    EXPECT_TRUE(h->notes.empty()) << "a thumb press reports nothing yet";
    ScrollInfo track;
    track.mask = ScrollInfo::TrackPosition;

    const struct {
        int c;
        int position; // -1: no notification
    } moves[] = {
        {70, 75},   // d = 21: 45 + 90 * 21 / 63
        {48, 44},   // d = -1: rounds toward zero
        {300, 90},  // held at the largest position
        {301, -1},  // still 90: nothing new
        {-200, 0},  // held at the minimum
    };
    for (const auto& m : moves) {
        h->notes.clear();
        h->drag(m.c);
        if (m.position < 0) {
            EXPECT_TRUE(h->notes.empty()) << "at " << m.c;
            continue;
        }
        ASSERT_EQ(h->notes.size(), 1u) << "at " << m.c;
        EXPECT_EQ(h->notes[0].code, ScrollCode::ThumbTrack);
        EXPECT_EQ(h->notes[0].position, m.position);
        h->bar().getScrollInfo(track);
        EXPECT_EQ(track.trackPosition, m.position);
    }
    h->drag(60); // 45 + 90 * 11 / 63 = 60: thumb at 15 + 63 * 60 / 90 = 57
    EXPECT_EQ(h->texelAt(58).look, Pressed);

    h->notes.clear();
    h->release(60);
    ASSERT_EQ(h->notes.size(), 1u);
    EXPECT_EQ(h->notes[0].code, ScrollCode::ThumbPosition);
    EXPECT_EQ(h->notes[0].position, 60);
    h->bar().getScrollInfo(track);
    EXPECT_EQ(track.trackPosition, -1);
    EXPECT_EQ(h->bar().position(), 60);
}

TEST_F(ScrollBarTest, DragNotificationsCarryTheLow16BitsOfThePosition)
{
    h->follow = true;
    h->setState(0, 99'999, 10, 0); // thumb 6 long at [15, 21), F = 64, N = 99'990
    h->press(16);
    h->drag(16 + 64);
    h->release(16 + 64);
    ASSERT_EQ(h->notes.size(), 2u);
    EXPECT_EQ(h->notes[0].code, ScrollCode::ThumbTrack);
    EXPECT_EQ(h->notes[0].position, 99'990 & 0xFFFF);
    EXPECT_EQ(h->notes[1].code, ScrollCode::ThumbPosition);
    EXPECT_EQ(h->notes[1].position, 99'990 & 0xFFFF);
    EXPECT_EQ(h->bar().position(), 99'990 & 0xFFFF) << "the owner only learns the low bits";
}

TEST_F(ScrollBarTest, ReleasingADragShowsTheThumbAtThePosition)
{
    const struct {
        const char* name;
        bool follow;
        int releaseAt;
        int thumbAt;   // a pixel of the thumb after release
        Look look;
        int trackAt;   // a pixel that shows track after release (-1: none checked)
    } cases[] = {
        // Dragged to 75: thumb at 15 + 63 * 75 / 90 = 67, released on it.
        {"over the thumb", true, 70, 70, Hover, 50},
        // Dragged to 90 (thumb [78, 85)), released on the down arrow.
        {"elsewhere", true, 95, 80, Normal, 50},
        // The owner ignores the drag: the thumb goes back to position 45 ([46, 53)).
        {"owner ignores the drag", false, 70, 49, Normal, 70},
    };
    for (const auto& c : cases) {
        h->follow = c.follow;
        h->setState(0, 99, 10, 45);
        h->press(49);
        h->drag(c.releaseAt);
        h->release(c.releaseAt);
        const Texel thumb = h->texelAt(c.thumbAt);
        EXPECT_EQ(thumb.column, h->columnOf(Thumb)) << c.name;
        EXPECT_EQ(thumb.look, c.look) << c.name;
        EXPECT_EQ(h->texelAt(c.trackAt).column, h->columnOf(Track)) << c.name;
        EXPECT_EQ(h->texelAt(95).look, Normal) << c.name;
    }
}

TEST_F(ScrollBarTest, DoubleClickIsNotASecondPress)
{
    h->setState(0, 99, 10, 45);
    h->press(92);
    h->release(92);
    QTest::mouseDClick(&h->bar(), Qt::LeftButton, {}, h->at(92));
    h->release(92);
    QTest::qWait(700);
    EXPECT_EQ(h->codes(), std::vector<int>{ScrollCode::LineDown});
}

TEST_F(ScrollBarTest, HidingAHeldBarStopsItsRepeat)
{
    h->setState(0, 99, 10, 45);
    h->press(92);
    h->bar().hide();
    QTest::qWait(800);
    EXPECT_EQ(h->notes.size(), 1u);
    h->release(92); // a late release finds nothing held
    EXPECT_EQ(h->notes.size(), 1u);
}

TEST_F(ScrollBarTest, FeedbackRepaintsOnlyTheChangedPart)
{
    h->setState(0, 99, 10, 45);
    QTest::qWait(50);
    PaintSpy spy;
    h->bar().installEventFilter(&spy);
    const auto paintedAfter = [&](const auto& action) {
        spy.regions.clear();
        action();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !spy.regions.empty(); }, 1000));
        QRegion all;
        for (const QRegion& r : spy.regions)
            all += r;
        return all;
    };
    EXPECT_EQ(paintedAfter([&] { h->hover(5); }), QRegion(0, 0, s, s));
    EXPECT_EQ(paintedAfter([&] { h->hover(49); }), QRegion(0, 0, s, s) + QRegion(0, 46, s, 7));
    // Setting the position with redraw repaints the track and thumb between the arrows.
    EXPECT_EQ(paintedAfter([&] { h->setState(0, 99, 10, 0); }), QRegion(0, s, s, 70));
    // A dragged thumb repaints the stretch from its old place [46, 53) to its new one [67, 74).
    h->setState(0, 99, 10, 45);
    QTest::qWait(50);
    h->press(49);
    EXPECT_EQ(paintedAfter([&] { h->drag(70); }), QRegion(0, 46, s, 28));
    h->release(70);
}

// --- scroll information -----------------------------------------------------------------------

TEST_F(ScrollBarTest, ScrollInfoIsSetAndReadByMask)
{
    h->setState(1, 50, 5, 7);
    const struct {
        unsigned mask;
        ScrollInfo expected; // after a set with all fields at 100..104
    } cases[] = {
        {ScrollInfo::Page, {0, 1, 50, 100, 7, -1}},
        {ScrollInfo::Position, {0, 1, 50, 5, 103, -1}},
        {ScrollInfo::Range, {0, 101, 102, 5, 7, -1}},
        {ScrollInfo::TrackPosition, {0, 1, 50, 5, 7, -1}}, // cannot be set
        {ScrollInfo::All, {0, 101, 102, 100, 103, -1}},
    };
    for (const auto& c : cases) {
        h->setState(1, 50, 5, 7);
        ScrollInfo in{c.mask, 101, 102, 100, 103, 104};
        EXPECT_TRUE(h->bar().setScrollInfo(in, false));
        const ScrollInfo got = h->bar().scrollInfo();
        EXPECT_EQ(got.minimum, c.expected.minimum) << "mask " << c.mask;
        EXPECT_EQ(got.maximum, c.expected.maximum) << "mask " << c.mask;
        EXPECT_EQ(got.page, c.expected.page) << "mask " << c.mask;
        EXPECT_EQ(got.position, c.expected.position) << "mask " << c.mask;
        EXPECT_EQ(got.trackPosition, -1) << "mask " << c.mask;
    }

    // A get fills only what it asks for.
    h->setState(1, 50, 5, 7);
    ScrollInfo out{ScrollInfo::Page | ScrollInfo::TrackPosition, -9, -9, -9, -9, -9};
    EXPECT_TRUE(h->bar().getScrollInfo(out));
    EXPECT_EQ(out.page, 5);
    EXPECT_EQ(out.trackPosition, -1);
    EXPECT_EQ(out.minimum, -9);
    EXPECT_EQ(out.maximum, -9);
    EXPECT_EQ(out.position, -9);
}

TEST_F(ScrollBarTest, SettingWithoutRedrawLeavesTheScreenAlone)
{
    h->setState(0, 99, 10, 0);
    QTest::qWait(50);
    PaintSpy spy;
    h->bar().installEventFilter(&spy);
    ScrollInfo info;
    info.mask = ScrollInfo::Position;
    info.position = 45;
    h->bar().setScrollInfo(info, false);
    QTest::qWait(100);
    EXPECT_TRUE(spy.regions.empty());
    // The next full paint shows the new state anyway.
    EXPECT_EQ(h->texelAt(49).column, h->columnOf(Thumb));
}

TEST_F(ScrollBarTest, ChangeRangeMovesTheMaximumAndKeepsThePositionInReach)
{
    const struct {
        const char* name;
        int minimum, maximum, page, position, delta;
        int newMaximum, newPosition;
    } cases[] = {
        {"grows", 0, 15, 10, 3, 5, 20, 3},
        {"shrinks below the position", 0, 15, 10, 6, -5, 10, 1},
        {"empties", 0, 15, 10, 6, -20, 9, 0},               // maximum = page - 1
        {"raised back to the minimum", 5, 15, 10, 6, -20, 9, 5},
        {"page larger than the list", 0, 5, 6, 0, -1, 4, 0}, // largest -1, raised to 0
    };
    for (const auto& c : cases) {
        h->setState(c.minimum, c.maximum, c.page, c.position);
        h->bar().changeRange(c.delta);
        EXPECT_EQ(h->bar().maximum(), c.newMaximum) << c.name;
        EXPECT_EQ(h->bar().position(), c.newPosition) << c.name;
        EXPECT_EQ(h->bar().minimum(), c.minimum) << c.name;
        EXPECT_EQ(h->bar().page(), c.page) << c.name;
    }
    // With redraw: the thumb shows the clamped position.
    h->setState(0, 99, 10, 90);
    h->bar().changeRange(-90); // maximum 9: page covers the range, no thumb
    EXPECT_EQ(h->texelAt(80).column, h->columnOf(Track));
}

// --- the program's own skin --------------------------------------------------------------------

TEST(ScrollBarSkinOnBarTest, LooksOfTheProgramsSkinShowOnTheBar)
{
    Harness h(Qt::Vertical);
    ASSERT_TRUE(h.exposed());
    h.bar().setBitmap(QPixmap::fromImage(drawScrollBarSkin(s)));
    h.setLength(126);
    h.setState(0, 20, 9, 4);
    h.saveShot("skin-normal");
    const QColor normalRim = h.bar().grab().toImage().pixelColor(1, 40);

    const int thumbTop = 33; // T = 96, t = 9 * 96 / 21 = 41, F = 55, o = 55 * 4 / 12 = 18
    h.hover(thumbTop + 10);
    h.saveShot("skin-hover-thumb");
    EXPECT_EQ(h.bar().grab().toImage().pixelColor(1, thumbTop + 10), QColor(255, 111, 0));
    EXPECT_NE(normalRim, QColor(255, 111, 0));

    h.press(120);
    h.saveShot("skin-pressed-down");
    const QColor fill = h.bar().grab().toImage().pixelColor(4, 115);
    EXPECT_GT(fill.red(), 150);
    EXPECT_GT(fill.red(), fill.green());
    EXPECT_GT(fill.green(), fill.blue());
    h.release(120);
}

} // namespace
