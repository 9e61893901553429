// Faces of the key mapping window, three per page: page p has its background at
// 107 + 3 (p - 1), its hover image one after it and its checked image two after it. Each page's
// faces show the tabs with that page's tab selected, the bar buttons, and the page's own
// records, all drawn from the window's table.
#include "CSkinDialog.h"
#include "FaceCanvas.h"
#include "FacePalette.h"
#include "FaceShapes.h"
#include "FaceWriter.h"
#include "KeyMapPages.h"
#include "KeyMapTable.h"
#include "SkinStyle.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <algorithm>
#include <optional>

namespace {

const QSize kFaceSize(585, 365);
constexpr int kTitleBandHeight = 40;
// The sheet under the tabs that holds a page's controls.
const QRectF kSheet(8.5, 80.5, 568, 232);
const QRectF kTitleIcon(14, 9, 24, 24);

const QColor kSheetTop(30, 30, 33);
const QColor kSheetBottom(22, 22, 24);
const QColor kTabTop(36, 36, 40);
const QColor kTabBottom(27, 27, 30);
const QColor kPlate(32, 32, 36);
const QColor kRowHover(255, 255, 255, 24);
const QColor kRowSelectedTop(132, 58, 10);
const QColor kRowSelectedBottom(98, 42, 6);
const QColor kDeepGlowTop(152, 66, 6);
const QColor kDeepGlowBottom(104, 42, 0);
const QColor kRecordIdle(196, 44, 34);
const QColor kRecordHover(236, 60, 44);
const QColor kRecordingTop(112, 22, 16);
const QColor kRecordingBottom(70, 12, 8);
const QColor kRecordingRim(255, 86, 44);
const QColor kRecordingDot(255, 64, 44);
const QColor kDecoration(50, 50, 56);

// Pictograms of the choice buttons, with the badge that tells apart the pairs and the locks.
enum class Badge { None, Plus, Minus, Lock, Gear };
struct ChoiceArt {
    int id;
    Pictogram symbol;
    Badge badge;
};
// clang-format off
constexpr ChoiceArt kChoiceArt[] = {
    {401, Pictogram::MusicNote, Badge::None}, {402, Pictogram::PlayPause, Badge::None},
    {403, Pictogram::Stop, Badge::None},      {404, Pictogram::Next, Badge::None},
    {405, Pictogram::Previous, Badge::None},  {406, Pictogram::VolumeDown, Badge::None},
    {407, Pictogram::VolumeUp, Badge::None},  {408, Pictogram::Mute, Badge::None},
    {409, Pictogram::Back, Badge::None},      {410, Pictogram::Forward, Badge::None},
    {411, Pictogram::CircleCross, Badge::None}, {412, Pictogram::Refresh, Badge::None},
    {413, Pictogram::Star, Badge::None},      {414, Pictogram::Search, Badge::None},
    {415, Pictogram::Mail, Badge::None},      {416, Pictogram::Home, Badge::None},
    {417, Pictogram::Computer, Badge::None},  {418, Pictogram::Calculator, Badge::None},
    {602, Pictogram::Keyboard, Badge::Lock},  {604, Pictogram::Swap, Badge::None},
    {608, Pictogram::Windows, Badge::Lock},   {611, Pictogram::Mouse, Badge::Minus},
    {612, Pictogram::Mouse, Badge::Plus},     {613, Pictogram::Layers, Badge::None},
    {614, Pictogram::Keyboard, Badge::Gear},  {615, Pictogram::Sparkle, Badge::None},
    {616, Pictogram::Meteor, Badge::None},    {617, Pictogram::Ripple, Badge::None},
    {618, Pictogram::Sun, Badge::Minus},      {619, Pictogram::Sun, Badge::Plus},
    {622, Pictogram::Bulb, Badge::None},      {623, Pictogram::Wave, Badge::None},
    {624, Pictogram::Palette, Badge::None},   {625, Pictogram::Wave, Badge::Plus},
    {626, Pictogram::Wave, Badge::Minus},     {627, Pictogram::Sunset, Badge::None},
    {628, Pictogram::ColourWheel, Badge::None},
    {701, Pictogram::Alarm, Badge::None},     {702, Pictogram::Moon, Badge::None},
    {703, Pictogram::Power, Badge::None},
};
// clang-format on

std::optional<ChoiceArt> artOf(int id)
{
    const auto it = std::find_if(std::begin(kChoiceArt), std::end(kChoiceArt), [id](const ChoiceArt& a) { return a.id == id; });
    if (it == std::end(kChoiceArt)) return std::nullopt;
    return *it;
}

std::optional<Pictogram> badgeSymbol(Badge badge)
{
    switch (badge) {
    case Badge::Plus: return Pictogram::Plus;
    case Badge::Minus: return Pictogram::Minus;
    case Badge::Lock: return Pictogram::Lock;
    case Badge::Gear: return Pictogram::Gear;
    case Badge::None: break;
    }
    return std::nullopt;
}

QColor symbolColour(Look look)
{
    return look == Look::Hover ? FacePalette::Accent : look == Look::Checked ? FacePalette::AssignedLegend : FacePalette::Symbol;
}

// A tab: rounded at the top, open at the bottom where it meets the sheet.
QPainterPath tabShape(const QRectF& r, qreal radius)
{
    QPainterPath path;
    path.moveTo(r.left(), r.bottom());
    path.lineTo(r.left(), r.top() + radius);
    path.quadTo(r.left(), r.top(), r.left() + radius, r.top());
    path.lineTo(r.right() - radius, r.top());
    path.quadTo(r.right(), r.top(), r.right(), r.top() + radius);
    path.lineTo(r.right(), r.bottom());
    return path;
}

QRectF unionOf(const SkinRect& a, const SkinRect& b)
{
    return QRectF(toQRect(a)).united(QRectF(toQRect(b)));
}

bool onPage(const SkinButton& b, int page) { return b.id > 0 && (b.id < 100 || b.id / 100 == page); }

// One face bitmap of one page, every control in one look.
class KeyMapFace {
public:
    KeyMapFace(int page, Look look)
        : page_(KeyMapPages::of(page)), look_(look), face_(kFaceSize, SkinStyle::of(SkinWindow::KeyMapSettings).colourKey)
    {
    }

    QImage draw()
    {
        face_.panel();
        face_.titleBand(kTitleBandHeight);
        drawPictogram(p(), Pictogram::Keyboard, kTitleIcon, FacePalette::Symbol);
        sheet();
        decorations();
        for (const SkinButton& b : KeyMapTable::records())
            if (onPage(b, page_.number) && !b.isLabel) control(b);
        return face_.finish();
    }

private:
    QPainter& p() { return face_.painter(); }

    void sheet()
    {
        p().setPen(QPen(FacePalette::Separator, 1));
        p().setBrush(vertical(kSheet, kSheetTop, kSheetBottom));
        p().drawPath(rounded(kSheet, 8));
        p().setBrush(Qt::NoBrush);
    }

    // What the page shows besides its records: list frames, the text box, group rules.
    void decorations()
    {
        const KeyMapListLayout& list = page_.list;
        if (list.firstCollectionRow > 0) {
            listFrame(list.firstCollectionRow, page_.collectionBar);
            if (list.firstActionRow > 0) listFrame(list.firstActionRow, page_.actionBar);
            else face_.groove(toQRect(KeyMapControlPlace::comboText).adjusted(-4, -4, 4, 4));
        }
        switch (page_.number) {
        case 4: rule(46, 531, 147); rule(46, 531, 231); break;
        case 5: drawPictogram(p(), Pictogram::Mouse, QRectF(330, 122, 140, 140), kDecoration); break;
        case 6: rule(36, 456, 108); rule(36, 456, 216); break;
        default: break;
        }
    }

    // The sunken frame around a list's rows and its scroll bar.
    void listFrame(int firstRowId, const KeyMapBar& bar)
    {
        const SkinRect first = recordRect(firstRowId);
        const SkinRect last = recordRect(firstRowId + page_.list.rows - 1);
        const QRectF rows = unionOf(first, last);
        face_.groove(rows.united(QRectF(toQRect(bar.rect))).adjusted(-2, -2, 2, 2).toAlignedRect());
    }

    void rule(int left, int right, int y)
    {
        QLinearGradient fade(QPointF(left, 0), QPointF(right, 0));
        fade.setColorAt(0, FacePalette::Separator.lighter(130));
        fade.setColorAt(1, QColor(0, 0, 0, 0));
        p().setPen(QPen(QBrush(fade), 1));
        p().drawLine(QPointF(left, y + 0.5), QPointF(right, y + 0.5));
    }

    static SkinRect recordRect(int id)
    {
        const SkinButton* b = findRecord(KeyMapTable::records(), id);
        return b ? b->rect : SkinRect{};
    }

    void control(const SkinButton& b)
    {
        const QRect r = toQRect(b.rect);
        const int id = b.id;
        if (id >= KeyMapId::FirstTab && id <= KeyMapId::LastTab) return tab(r, id - KeyMapId::FirstTab + 1 == page_.number);
        if (id == KeyMapId::Close) return face_.iconButton(r, Pictogram::Close, look_);
        if (page_.list.holdsCollectionRow(id) || page_.list.holdsActionRow(id)) return listRow(r);
        if (const auto art = artOf(id)) return page_.number == 7 ? powerButton(r, art->symbol) : choiceButton(r, *art);
        switch (id) {
        case KeyMapId::UniquesChoice:
        case KeyMapId::ComboChoice: return radio(QPointF(r.left() + 10, 112.5), 6);
        case KeyMapId::TimesPlay:
        case KeyMapId::AutoDelay:
        case KeyMapId::PlayWhileHeld:
        case KeyMapId::PlayToggle:
        case KeyMapId::RecordedDelays: return radio(QRectF(r).center(), 6);
        case KeyMapId::PressKeyPlate:
        case KeyMapId::DelayPlate: return plate(r);
        case KeyMapId::CaptureSingle:
        case KeyMapId::RecordCombo:
        case KeyMapId::RecordMacro:
        case KeyMapId::RecordEmulation: return recordButton(r);
        default: break;
        }
        // The rows under the combination's text box never show; everything else is a bar.
        if (id >= KeyMapId::FirstComboTextRow && id < KeyMapId::FirstComboTextRow + 6) return;
        if (page_.choices.holds(id)) return textButton(r);
        face_.barButton(r, look_);
    }

    void tab(const QRect& r, bool selected)
    {
        const QRectF shape = QRectF(r).adjusted(1.5, 0.5, -1.5, selected ? 1.5 : 0);
        const QPainterPath path = tabShape(shape, 6);
        p().setPen(Qt::NoPen);
        p().setBrush(selected ? vertical(shape, kSheetTop.lighter(135), kSheetTop) : vertical(shape, kTabTop, kTabBottom));
        p().drawPath(path);
        p().setBrush(Qt::NoBrush);
        const bool lit = look_ == Look::Hover;
        p().setPen(QPen(lit ? FacePalette::Accent : selected ? FacePalette::ControlRim : FacePalette::Separator, lit ? 1.6 : 1));
        p().drawPath(path);
        if (selected) {
            // The open page's tab carries the accent along its top.
            p().setPen(QPen(FacePalette::Accent, 2));
            p().drawLine(QPointF(shape.left() + 5, shape.top() + 1.5), QPointF(shape.right() - 5, shape.top() + 1.5));
        }
    }

    void listRow(const QRect& r)
    {
        const QRectF s = QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
        p().setPen(Qt::NoPen);
        if (look_ == Look::Hover) {
            p().setBrush(kRowHover);
            p().drawPath(rounded(s, 2));
        } else if (look_ == Look::Checked) {
            p().setBrush(vertical(s, kRowSelectedTop, kRowSelectedBottom));
            p().drawPath(rounded(s, 2));
        }
        p().setBrush(Qt::NoBrush);
    }

    void radio(QPointF centre, qreal radius)
    {
        const bool lit = look_ != Look::Normal;
        p().setPen(QPen(lit ? FacePalette::Accent : FacePalette::ControlRim, lit ? 1.5 : 1));
        p().setBrush(FacePalette::Groove);
        p().drawEllipse(centre, radius, radius);
        if (look_ == Look::Checked) {
            p().setPen(Qt::NoPen);
            p().setBrush(FacePalette::GlowCentre);
            p().drawEllipse(centre, radius * 0.55, radius * 0.55);
        }
        p().setBrush(Qt::NoBrush);
    }

    // A button without an action: the same in every look, so it never seems to respond.
    void plate(const QRect& r)
    {
        p().setPen(QPen(FacePalette::Separator, 1));
        p().setBrush(kPlate);
        p().drawPath(rounded(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 4));
        p().setBrush(Qt::NoBrush);
    }

    void recordButton(const QRect& r)
    {
        const QRectF dot(r.left() + 8, r.center().y() - 5, 11, 11);
        if (look_ != Look::Checked) {
            face_.barButton(r, look_);
            drawPictogram(p(), Pictogram::RecordDot, dot, look_ == Look::Hover ? kRecordHover : kRecordIdle);
            return;
        }
        // Recording: a dark red body behind the green "Stop Rec".
        const QRectF s = QRectF(r).adjusted(1.5, 1.5, -1.5, -1.5);
        p().setPen(QPen(kRecordingRim, 1.2));
        p().setBrush(vertical(s, kRecordingTop, kRecordingBottom));
        p().drawPath(rounded(s, 6));
        p().setBrush(Qt::NoBrush);
        drawPictogram(p(), Pictogram::RecordDot, dot, kRecordingDot);
    }

    // A button whose caption the window draws: chosen, it glows deep orange so the light
    // caption stays readable.
    void textButton(const QRect& r)
    {
        if (look_ != Look::Checked) return face_.barButton(r, look_);
        const QRectF s = QRectF(r).adjusted(1.5, 1.5, -1.5, -1.5);
        p().setPen(QPen(FacePalette::GlowCentre, 1.2));
        p().setBrush(vertical(s, kDeepGlowTop, kDeepGlowBottom));
        p().drawPath(rounded(s, qMin<qreal>(6, s.height() / 2)));
        p().setBrush(Qt::NoBrush);
    }

    void powerButton(const QRect& r, Pictogram symbol)
    {
        textButton(r);
        const QColor colour = look_ == Look::Hover ? FacePalette::Accent : look_ == Look::Checked ? FacePalette::Legend : FacePalette::Symbol;
        drawPictogram(p(), symbol, QRectF(r.left() + 6, r.center().y() - 7.5, 15, 15), colour);
    }

    void choiceButton(const QRect& r, const ChoiceArt& art)
    {
        face_.iconButton(r, art.symbol, look_);
        const auto badge = badgeSymbol(art.badge);
        if (!badge) return;
        // A small disc at the lower right, knocked out of the symbol beneath.
        const qreal side = std::min(r.width(), r.height()) - 2;
        const QPointF centre(r.left() + r.width() / 2.0 + side * 0.24, r.top() + r.height() / 2.0 + side * 0.22);
        const qreal radius = side * 0.19;
        p().setPen(QPen(symbolColour(look_), 1));
        p().setBrush(look_ == Look::Checked ? FacePalette::GlowCentre : FacePalette::ControlBottom);
        p().drawEllipse(centre, radius, radius);
        p().setBrush(Qt::NoBrush);
        const qreal inner = radius * 1.3;
        drawPictogram(p(), *badge, QRectF(centre.x() - inner / 2, centre.y() - inner / 2, inner, inner), symbolColour(look_));
    }

    const KeyMapPage& page_;
    Look look_;
    FaceCanvas face_;
};

}  // namespace

void drawKeyMapFaces(FaceWriter& out)
{
    for (int number = KeyMapPages::kFirst; number <= KeyMapPages::kLast; ++number) {
        const KeyMapPage& page = KeyMapPages::of(number);
        out.save(page.backgroundImage, KeyMapFace(number, Look::Normal).draw());
        out.save(page.hoverImage, KeyMapFace(number, Look::Hover).draw());
        out.save(page.checkedImage, KeyMapFace(number, Look::Checked).draw());
    }
}
