#include "CZelkDialogKeyMapSettings.h"

#include "AppResources.h"
#include "CSkinScrollBar.h"
#include "KeyMapPages.h"
#include "KeyMapTable.h"
#include "KeyboardProfile.h"
#include "SkinStyle.h"
#include "TipPopup.h"

#include <QKeyEvent>
#include <QPainter>
#include <QLineEdit>
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

const QString kUnnamedKey = QStringLiteral("-- --");
const QString kComboSeparator = QStringLiteral(" + ");

// The edits are frameless, so they fit their rows; the window draws a thin rim around them.
const QColor kEditRim(96, 96, 104);
const QColor kAccent(255, 111, 0);
const QColor kDark(20, 20, 20);

bool isEnter(const QKeyEvent& key) { return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter; }
bool endsWindow(int id) { return id == KeyMapId::Ok || id == KeyMapId::Cancel; }

void setShown(QWidget& control, ControlShown shown)
{
    control.setVisible(shown != ControlShown::Hidden);
    control.setEnabled(shown == ControlShown::Enabled);
}

// Setting a text that is already there would move the caret of an edit being typed in.
void showText(QLineEdit& edit, const QString& text)
{
    if (edit.text() != text) edit.setText(text);
}

QString joinedLines(const ActionList& actions)
{
    QStringList lines;
    for (const std::u16string& line : actions.lines) lines << QString::fromStdU16String(line);
    return lines.join(kComboSeparator);
}

}  // namespace

CZelkDialogKeyMapSettings::CZelkDialogKeyMapSettings(KeyboardProfile& profile, QWidget* parent)
    : CSkinDialog(SkinStyle::of(SkinWindow::KeyMapSettings), profile.language, parent), profile_(profile)
{
    createControls();
    listBoxes_.reserve(3);
    for (int page = 1; page <= 3; ++page)
        listBoxes_.emplace_back(KeyMapPages::of(page), work_.collectionOf(page), work_.actionsOf(page), *collectionScroll,
                                *actionScroll);
}

CZelkDialogKeyMapSettings::~CZelkDialogKeyMapSettings()
{
    // The children outlive this part of the window: nothing of theirs may call back into it.
    for (QWidget* edit : {static_cast<QWidget*>(timesEdit), static_cast<QWidget*>(delayEdit), static_cast<QWidget*>(inPlaceEdit)})
        edit->removeEventFilter(this);
    collectionScroll->disconnect(this);
    actionScroll->disconnect(this);
}

const std::vector<SkinButton>& CZelkDialogKeyMapSettings::records() { return KeyMapTable::records(); }

// --- opening and pages ------------------------------------------------------------------------

void CZelkDialogKeyMapSettings::createControls()
{
    tipControl = new TipPopup(this);
    timesEdit = new QLineEdit(this);
    delayEdit = new QLineEdit(this);
    inPlaceEdit = new QLineEdit(this);
    comboText = new QPlainTextEdit(this);
    adoptTextControl(kTimesEditId, timesEdit);
    adoptTextControl(kDelayEditId, delayEdit);
    adoptTextControl(kInPlaceEditId, inPlaceEdit);
    adoptTextControl(kComboTextId, comboText);
    for (QLineEdit* edit : {timesEdit, delayEdit, inPlaceEdit}) {
        QPalette colours = edit->palette();
        colours.setColor(QPalette::Highlight, kAccent);
        colours.setColor(QPalette::HighlightedText, kDark);
        edit->setPalette(colours);
        edit->setFrame(false);
        edit->installEventFilter(this);
        edit->hide();
    }
    // comboText only displays the combination: no caret, no typing.
    comboText->setReadOnly(true);
    comboText->setTextInteractionFlags(Qt::NoTextInteraction);
    comboText->setFrameShape(QFrame::NoFrame);
    comboText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    comboText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    comboText->setFocusPolicy(Qt::ClickFocus);
    comboText->hide();

    collectionScroll = new CSkinScrollBar(Qt::Vertical, this);
    actionScroll = new CSkinScrollBar(Qt::Vertical, this);
    collectionScroll->setObjectName(QString::number(kCollectionScrollId));
    actionScroll->setObjectName(QString::number(kActionScrollId));
    for (CSkinScrollBar* bar : {collectionScroll, actionScroll}) {
        bar->hide();
        connect(bar, &CSkinScrollBar::scrolled, this, [this, bar](int code, int position) { onVerticalScroll(*bar, code, position); });
    }
}

void CZelkDialogKeyMapSettings::initDialog()
{
    tipControl->deactivate();
    buttonTable = KeyMapTable::records();
    renameOpen = delayEditOpen = false;
    captureSingle = recordingCombo = recordingMacro = recordingEmulation = false;
    lastEventCode = -1;
    placeControls();

    const int page = work_.open(profile_);
    // The switch of page 1 shows the mode the key opened with.
    record(KeyMapId::UniquesChoice)->checked = work_.singleKeyMode;
    record(KeyMapId::UniquesLabel)->checked = work_.singleKeyMode;
    record(KeyMapId::ComboChoice)->checked = !work_.singleKeyMode;
    record(KeyMapId::ComboLabel)->checked = !work_.singleKeyMode;
    switchToPage(page);
}

void CZelkDialogKeyMapSettings::placeControls()
{
    const bool chinese = language() == LanguageCode::Chinese;
    namespace place = KeyMapControlPlace;
    timesEdit->setGeometry(toQRect(chinese ? place::timesEditChinese : place::timesEditEnglish));
    delayEdit->setGeometry(toQRect(chinese ? place::delayEditChinese : place::delayEditEnglish));
    comboText->setGeometry(toQRect(place::comboText));
    const QFont& font = AppResources::instance().font(kEditFont);
    for (QWidget* control : {static_cast<QWidget*>(timesEdit), static_cast<QWidget*>(delayEdit),
                             static_cast<QWidget*>(inPlaceEdit), static_cast<QWidget*>(comboText)})
        control->setFont(font);
    const QPixmap skin = AppResources::instance().bitmap(kScrollBarSkin);
    collectionScroll->setBitmap(skin);
    actionScroll->setBitmap(skin);
}

void CZelkDialogKeyMapSettings::switchToPage(int number)
{
    currentPage_ = number;
    const KeyMapPage& page = KeyMapPages::of(number);
    setShown(*timesEdit, page.timesEdit);
    setShown(*delayEdit, page.delayEdit);
    setShown(*comboText, page.comboText);
    closeInPlaceEdit();
    tipControl->deactivate();
    placeBar(*collectionScroll, page.collectionBar);
    placeBar(*actionScroll, page.actionBar);
    if (CollectionListBox* list = listBoxOfPage()) list->resetBars();
    update();
}

void CZelkDialogKeyMapSettings::placeBar(CSkinScrollBar& bar, const KeyMapBar& placement)
{
    if (placement.shown) bar.setGeometry(toQRect(placement.rect));
    bar.setVisible(placement.shown);
    bar.setEnabled(placement.shown);
}

CollectionListBox* CZelkDialogKeyMapSettings::listBoxOfPage()
{
    if (currentPage_ < 1 || currentPage_ > static_cast<int>(listBoxes_.size())) return nullptr;
    return &listBoxes_[static_cast<std::size_t>(currentPage_ - 1)];
}

SkinButton* CZelkDialogKeyMapSettings::record(int id)
{
    for (SkinButton& button : buttonTable)
        if (button.id == id) return &button;
    return nullptr;
}

CSkinDialog::ImageIds CZelkDialogKeyMapSettings::imageIds() const
{
    const KeyMapPage& page = KeyMapPages::of(currentPage_);
    return {page.backgroundImage, page.hoverImage, page.checkedImage};
}

// --- painting ---------------------------------------------------------------------------------

void CZelkDialogKeyMapSettings::beforePaint()
{
    tipWanted_.clear();
    refreshPage();
}

void CZelkDialogKeyMapSettings::hoverImageDrawn(const SkinButton& button)
{
    const KeyMapChoiceRange& choices = KeyMapPages::of(currentPage_).choices;
    if (choices.hasTips && choices.holds(button.id)) tipWanted_ = tipOf(button);
}

void CZelkDialogKeyMapSettings::paintOver(QPainter& painter)
{
    for (const QLineEdit* edit : {timesEdit, delayEdit, inPlaceEdit}) {
        if (!edit->isVisible()) continue;
        painter.setPen(edit == inPlaceEdit ? kAccent : kEditRim);
        painter.drawRect(edit->geometry().adjusted(-1, -1, 0, 0));
    }
    // A checked choice gets no hover image, and so no tip.
    if (tipWanted_.isEmpty() || !isVisible()) tipControl->deactivate();
    else tipControl->activate(tipWanted_, mapToGlobal(lastMousePoint));
}

void CZelkDialogKeyMapSettings::refreshPage()
{
    switch (currentPage_) {
    case 1: refreshSingleAndCombo(); break;
    case 2: refreshMacro(); break;
    case 3: refreshEmulation(); break;
    default: refreshChoices(); break;
    }
    if (CollectionListBox* list = listBoxOfPage()) list->refresh(buttonTable, language());
}

void CZelkDialogKeyMapSettings::refreshSingleAndCombo()
{
    const std::u16string name =
        work_.singleKeyCode < 0 ? kUnnamedKey.toStdU16String() : profile_.nameOfHostCode(work_.singleKeyCode, false);
    record(KeyMapId::CapturedKey)->captions[language()] = name;
    const QString combination = joinedLines(work_.comboActions);
    if (comboText->toPlainText() != combination) comboText->setPlainText(combination);
}

void CZelkDialogKeyMapSettings::refreshMacro()
{
    const ActionList& actions = work_.macroActions;
    showText(*timesEdit, QString::number(actions.Cycles));
    showText(*delayEdit, QString::number(actions.Delay));
    record(KeyMapId::TimesPlay)->checked = actions.PlayMode == 0;
    record(KeyMapId::PlayWhileHeld)->checked = actions.PlayMode == 1;
    record(KeyMapId::PlayToggle)->checked = actions.PlayMode == 2;
    record(KeyMapId::AutoDelay)->checked = actions.IsAutoInterval;
    record(KeyMapId::RecordedDelays)->checked = !actions.IsAutoInterval;
    if (actions.IsAutoInterval) delayEdit->setEnabled(true);
}

void CZelkDialogKeyMapSettings::refreshEmulation() { showText(*timesEdit, QString::number(work_.emulationActions.Delay)); }

void CZelkDialogKeyMapSettings::refreshChoices()
{
    const KeyMapChoiceRange& choices = KeyMapPages::of(currentPage_).choices;
    const int choice = work_.choiceOf(currentPage_);
    for (SkinButton& button : buttonTable)
        if (choices.holds(button.id)) button.checked = button.value == choice;
}

// --- clicks -----------------------------------------------------------------------------------

void CZelkDialogKeyMapSettings::buttonClicked(SkinButton& button)
{
    // The click acts on what the user sees, which is the working state as last painted.
    refreshPage();
    const int clicked = button.id;
    if (renameOpen || delayEditOpen) {
        commitInPlaceEdit();
        if (!endsWindow(clicked)) return;
    }
    if (!stopRecorderForClick(clicked)) return;
    performAction(button);
}

void CZelkDialogKeyMapSettings::performAction(SkinButton& button)
{
    const int id = button.id;
    switch (id) {
    case KeyMapId::Clear: clearPage(); return;
    case KeyMapId::Ok:
        work_.store(profile_, currentPage_);
        update();
        done(QDialog::Accepted);
        return;
    case KeyMapId::Cancel:
    case KeyMapId::Close: done(QDialog::Rejected); return;
    case KeyMapId::CaptureSingle:
    case KeyMapId::RecordCombo:
    case KeyMapId::RecordMacro:
    case KeyMapId::RecordEmulation: startRecorder(button); return;
    default: break;
    }
    if (id >= KeyMapId::FirstTab && id <= KeyMapId::LastTab) {
        switchToPage(id - KeyMapId::FirstTab + 1);
        return;
    }
    if (CollectionListBox* list = listBoxOfPage(); list != nullptr && listBoxAction(*list, id)) {
        update();
        return;
    }
    if (KeyMapPages::of(currentPage_).choices.holds(id)) {
        choose(button);
        update();
        return;
    }
    pageAction(button);
}

bool CZelkDialogKeyMapSettings::listBoxAction(CollectionListBox& list, int id)
{
    const KeyMapListLayout& layout = list.layout();
    const bool newAndDeleteAllowed = !(layout.needsComboMode && work_.singleKeyMode);
    if (layout.holdsCollectionRow(id)) {
        if (auto rename = list.clickCollectionRow(id - layout.firstCollectionRow)) openInPlaceEdit(*rename, true);
    } else if (layout.holdsActionRow(id)) {
        const auto click = list.clickActionRow(id - layout.firstActionRow);
        if (click == CollectionListBox::ActionClick::SelectedAgain && currentPage_ == 2) {
            // The macro editor opens the delay edit here, over a delay line selected again.
        }
    } else if (id == layout.newId) {
        if (!newAndDeleteAllowed) return true;
        if (auto name = list.addEntry(language())) openInPlaceEdit(*name, true);
    } else if (id == layout.deleteId) {
        if (newAndDeleteAllowed) list.deleteSelected();
    } else {
        return false;
    }
    return true;
}

void CZelkDialogKeyMapSettings::choose(SkinButton& button)
{
    const KeyMapChoiceRange& choices = KeyMapPages::of(currentPage_).choices;
    int& choice = work_.choiceOf(currentPage_);
    if (button.checked) {
        // A second click on the chosen button clears the choice.
        choice = KeyMapWorkingState::kNoChoice;
    } else {
        choice = button.value;
        for (SkinButton& other : buttonTable)
            if (choices.holds(other.id)) other.checked = false;
    }
    button.checked = !button.checked;
}

void CZelkDialogKeyMapSettings::clearPage()
{
    work_.clearPage(currentPage_);
    if (listBoxOfPage() != nullptr) {
        // As for an empty list of six rows, on all three pages.
        constexpr int kClearedMaximum = 5;
        constexpr int kClearedPage = 6;
        CollectionListBox::resetRange(*collectionScroll, kClearedMaximum, kClearedPage);
        CollectionListBox::resetRange(*actionScroll, kClearedMaximum, kClearedPage);
    }
    update();
}

void CZelkDialogKeyMapSettings::pageAction(SkinButton&)
{
    // The pages' own switches come with their editors: "Uniques"/"Combo" (101, 102), the play
    // modes (201, 208, 209) and the delay modes (203, 210) of the macro page.
}

void CZelkDialogKeyMapSettings::onVerticalScroll(CSkinScrollBar& bar, int code, int position)
{
    // The rows move under an open edit: its text belongs to the row it was opened over.
    commitInPlaceEdit();
    if (CollectionListBox* list = listBoxOfPage()) list->scroll(bar, code, position);
    update();
}

// --- the in-place edit ------------------------------------------------------------------------

void CZelkDialogKeyMapSettings::openInPlaceEdit(const CollectionListBox::EditRequest& request, bool rename)
{
    const SkinButton* row = record(request.recordId);
    if (row == nullptr) return;
    inPlaceOpenedText_ = QString::fromStdU16String(request.text);
    inPlaceEdit->setGeometry(toQRect(row->rect));
    inPlaceEdit->setText(inPlaceOpenedText_);
    inPlaceEdit->selectAll();  // typing replaces the proposed name
    inPlaceEdit->setEnabled(true);
    inPlaceEdit->show();
    inPlaceEdit->setFocus();
    renameOpen = rename;
    delayEditOpen = !rename;
}

void CZelkDialogKeyMapSettings::commitInPlaceEdit()
{
    if (!renameOpen && !delayEditOpen) return;
    const QRect at = inPlaceEdit->geometry();
    const std::u16string text = inPlaceEdit->text().toStdU16String();
    closeInPlaceEdit();
    // The edit belongs to the row record it covers.
    for (const SkinButton& row : buttonTable) {
        if (!isShown(row) || toQRect(row.rect) != at) continue;
        CollectionListBox* list = listBoxOfPage();
        if (list != nullptr && list->layout().holdsCollectionRow(row.id))
            list->rename(row.id - list->layout().firstCollectionRow, text);
        // The macro editor commits an edited delay line (rows 241 to 249) here.
        break;
    }
    update();
}

void CZelkDialogKeyMapSettings::takeBackInPlaceEdit()
{
    inPlaceEdit->setText(inPlaceOpenedText_);
    commitInPlaceEdit();
}

void CZelkDialogKeyMapSettings::closeInPlaceEdit()
{
    // The flags go first: hiding the focused edit moves the focus, which must not commit again.
    renameOpen = false;
    delayEditOpen = false;
    inPlaceEdit->setEnabled(false);
    inPlaceEdit->hide();
}

bool CZelkDialogKeyMapSettings::eventFilter(QObject* watched, QEvent* event)
{
    const bool editOpen = renameOpen || delayEditOpen;
    if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (watched == inPlaceEdit && editOpen) {
            // Enter keeps what was typed, Escape takes it back; the window stays open either way.
            if (isEnter(key)) {
                commitInPlaceEdit();
                return true;
            }
            if (key.key() == Qt::Key_Escape) {
                takeBackInPlaceEdit();
                return true;
            }
        }
        // Enter in the number edits does nothing.
        if (isEnter(key) && (watched == timesEdit || watched == delayEdit)) return true;
    }
    if (event->type() == QEvent::FocusOut && watched == inPlaceEdit && editOpen) commitInPlaceEdit();
    return CSkinDialog::eventFilter(watched, event);
}

void CZelkDialogKeyMapSettings::done(int result)
{
    closeInPlaceEdit();
    if (recorderRunning()) stopRecorder();
    tipControl->deactivate();
    CSkinDialog::done(result);
}

// --- the key recorders ------------------------------------------------------------------------

bool CZelkDialogKeyMapSettings::recorderRunning() const
{
    return captureSingle || recordingCombo || recordingMacro || recordingEmulation;
}

bool CZelkDialogKeyMapSettings::stopRecorderForClick(int clickedId)
{
    if (captureSingle || recordingCombo) {
        stopRecorder();
        return endsWindow(clickedId);
    }
    if (recordingMacro || recordingEmulation) {
        // OK and Cancel only stop a macro or emulation recording.
        stopRecorder();
        return false;
    }
    return true;
}

void CZelkDialogKeyMapSettings::startRecorder(SkinButton&)
{
    // The recorders start here: single key (104), combination (107), macro (207), emulation
    // (302). Whatever was open or running was closed by this click already.
}

void CZelkDialogKeyMapSettings::stopRecorder()
{
    // The recorders add: remove the key hook, commit the recorded lines, restore the button.
    captureSingle = recordingCombo = recordingMacro = recordingEmulation = false;
}
