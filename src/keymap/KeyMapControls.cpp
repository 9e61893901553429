#include "KeyMapControls.h"

#include "AppResources.h"
#include "CSkinDialog.h"
#include "CSkinScrollBar.h"
#include "KeyMapPages.h"
#include "TipPopup.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>

namespace {

constexpr int kTimesEditId = 1001;
constexpr int kDelayEditId = 1002;
constexpr int kInPlaceEditId = 1003;
constexpr int kComboTextId = 1005;
constexpr int kCollectionScrollId = 1006;
constexpr int kActionScrollId = 1007;
constexpr int kScrollBarSkin = 138;
constexpr int kEditFont = 13;

// The edits are frameless, so they fit their rows; the window draws a thin rim around them.
const QColor kEditRim(96, 96, 104);
const QColor kAccent = toQColor(kSkinAccent);
const QColor kDark = toQColor(kSkinDark);

void setShown(QWidget& control, ControlShown shown)
{
    control.setVisible(shown != ControlShown::Hidden);
    control.setEnabled(shown == ControlShown::Enabled);
}

void placeBar(CSkinScrollBar& bar, const KeyMapBar& placement)
{
    if (placement.shown) bar.setGeometry(toQRect(placement.rect));
    bar.setVisible(placement.shown);
    bar.setEnabled(placement.shown);
}

bool isEnterPress(const QEvent& event)
{
    if (event.type() != QEvent::KeyPress) return false;
    const auto& key = static_cast<const QKeyEvent&>(event);
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

}  // namespace

KeyMapControls::KeyMapControls(CSkinDialog& window)
{
    tip_ = new TipPopup(&window);
    createEdits(window);
    createBars(window);
}

void KeyMapControls::createEdits(CSkinDialog& window)
{
    timesEdit_ = new QLineEdit(&window);
    delayEdit_ = new QLineEdit(&window);
    inPlaceEdit_ = new QLineEdit(&window);
    comboText_ = new QPlainTextEdit(&window);
    window.adoptTextControl(kTimesEditId, timesEdit_);
    window.adoptTextControl(kDelayEditId, delayEdit_);
    window.adoptTextControl(kInPlaceEditId, inPlaceEdit_);
    window.adoptTextControl(kComboTextId, comboText_);
    for (QLineEdit* edit : {timesEdit_, delayEdit_, inPlaceEdit_}) {
        QPalette colours = edit->palette();
        colours.setColor(QPalette::Highlight, kAccent);
        colours.setColor(QPalette::HighlightedText, kDark);
        edit->setPalette(colours);
        edit->setFrame(false);
        edit->hide();
    }
    timesEdit_->installEventFilter(this);
    delayEdit_->installEventFilter(this);
    makeDisplay(*comboText_);
}

void KeyMapControls::makeDisplay(QPlainTextEdit& text)
{
    // comboText only displays the combination: no caret, no typing.
    text.setReadOnly(true);
    text.setTextInteractionFlags(Qt::NoTextInteraction);
    text.setFrameShape(QFrame::NoFrame);
    text.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text.setFocusPolicy(Qt::ClickFocus);
    text.hide();
}

void KeyMapControls::createBars(CSkinDialog& window)
{
    collectionScroll_ = new CSkinScrollBar(Qt::Vertical, &window);
    actionScroll_ = new CSkinScrollBar(Qt::Vertical, &window);
    collectionScroll_->setObjectName(QString::number(kCollectionScrollId));
    actionScroll_->setObjectName(QString::number(kActionScrollId));
    collectionScroll_->hide();
    actionScroll_->hide();
}

void KeyMapControls::placeFor(const std::string& language)
{
    const bool chinese = language == LanguageCode::Chinese;
    namespace place = KeyMapControlPlace;
    timesEdit_->setGeometry(toQRect(chinese ? place::timesEditChinese : place::timesEditEnglish));
    delayEdit_->setGeometry(toQRect(chinese ? place::delayEditChinese : place::delayEditEnglish));
    comboText_->setGeometry(toQRect(place::comboText));
    const QFont& font = AppResources::instance().font(kEditFont);
    for (QWidget* control : {static_cast<QWidget*>(timesEdit_), static_cast<QWidget*>(delayEdit_),
                             static_cast<QWidget*>(inPlaceEdit_), static_cast<QWidget*>(comboText_)})
        control->setFont(font);
    const QPixmap skin = AppResources::instance().bitmap(kScrollBarSkin);
    collectionScroll_->setBitmap(skin);
    actionScroll_->setBitmap(skin);
}

void KeyMapControls::showPage(const KeyMapPage& page)
{
    setShown(*timesEdit_, page.timesEdit);
    setShown(*delayEdit_, page.delayEdit);
    setShown(*comboText_, page.comboText);
    placeBar(*collectionScroll_, page.collectionBar);
    placeBar(*actionScroll_, page.actionBar);
}

void KeyMapControls::paintRims(QPainter& painter) const
{
    for (const QLineEdit* edit : {timesEdit_, delayEdit_, inPlaceEdit_}) {
        if (!edit->isVisible()) continue;
        painter.setPen(edit == inPlaceEdit_ ? kAccent : kEditRim);
        painter.drawRect(edit->geometry().adjusted(-1, -1, 0, 0));
    }
}

void KeyMapControls::disconnectFrom(const QObject* receiver)
{
    for (QObject* control : {static_cast<QObject*>(timesEdit_), static_cast<QObject*>(delayEdit_),
                             static_cast<QObject*>(collectionScroll_), static_cast<QObject*>(actionScroll_)})
        control->disconnect(receiver);
}

bool KeyMapControls::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the number edits does nothing.
    if ((watched == timesEdit_ || watched == delayEdit_) && isEnterPress(*event)) return true;
    return QObject::eventFilter(watched, event);
}
