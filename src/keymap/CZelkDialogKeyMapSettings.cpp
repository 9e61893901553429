#include "CZelkDialogKeyMapSettings.h"

#include "CSkinScrollBar.h"
#include "KeyHook.h"
#include "KeyMapPages.h"
#include "KeyMapTable.h"
#include "KeyStateTracker.h"
#include "KeyboardProfile.h"
#include "MacroContextMenu.h"
#include "MacroEditor.h"
#include "Prompts.h"
#include "SkinStyle.h"
#include "TipPopup.h"

#include <QHideEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>

namespace {

const QString kUnnamedKey = QStringLiteral("-- --");
const QString kComboSeparator = QStringLiteral(" + ");

// The edit's number within its bounds; a number outside them is replaced in the edit at once.
int boundedNumber(QLineEdit& edit, const NumberText::Bounds& bounds)
{
    const NumberText::Bounded number = NumberText::bound(NumberText::read(edit.text().toStdU16String()), bounds);
    if (number.changed) edit.setText(QString::number(number.value));
    return number.value;
}

bool endsWindow(int id) { return id == KeyMapId::Ok || id == KeyMapId::Cancel; }

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
    : CSkinDialog(SkinStyle::of(SkinWindow::KeyMapSettings), profile.language, parent), profile_(profile), controls_(*this),
      tipControl(&controls_.tip()), timesEdit(&controls_.timesEdit()), delayEdit(&controls_.delayEdit()),
      comboText(&controls_.comboText()), collectionScroll(&controls_.collectionScroll()),
      actionScroll(&controls_.actionScroll()), lists_(work_, controls_.collectionScroll(), controls_.actionScroll()),
      recording_(*this, profile, work_, lists_, controls_.actionScroll()),
      inPlaceEdit_(controls_.inPlaceEdit(), [this](const QRect& at, const std::u16string& text) { inPlaceEditKept(at, text); })
{
    connect(timesEdit, &QLineEdit::textChanged, this, [this] { timesEditChanged(); });
    connect(delayEdit, &QLineEdit::textChanged, this, [this] { delayEditChanged(); });
    for (CSkinScrollBar* bar : {collectionScroll, actionScroll})
        connect(bar, &CSkinScrollBar::scrolled, this, [this, bar](int code, int position) { onVerticalScroll(*bar, code, position); });
}

CZelkDialogKeyMapSettings::~CZelkDialogKeyMapSettings()
{
    // The children outlive this part of the window: nothing of theirs may call back into it.
    controls_.disconnectFrom(this);
}

const std::vector<SkinButton>& CZelkDialogKeyMapSettings::records() { return KeyMapTable::records(); }

// --- opening and pages ------------------------------------------------------------------------

void CZelkDialogKeyMapSettings::initDialog()
{
    tipControl->deactivate();
    buttonTable = KeyMapTable::records();
    controls_.placeFor(language());

    const int page = work_.open(profile_);
    // The switch of page 1 shows the mode the key opened with.
    record(KeyMapId::UniquesChoice)->checked = work_.singleKeyMode;
    record(KeyMapId::UniquesLabel)->checked = work_.singleKeyMode;
    record(KeyMapId::ComboChoice)->checked = !work_.singleKeyMode;
    record(KeyMapId::ComboLabel)->checked = !work_.singleKeyMode;
    switchToPage(page);
}

void CZelkDialogKeyMapSettings::switchToPage(int number)
{
    currentPage_ = number;
    const KeyMapPage& page = KeyMapPages::of(number);
    controls_.showPage(page);
    inPlaceEdit_.close();
    tipControl->deactivate();
    if (CollectionListBox* list = lists_.ofPage(currentPage_)) list->resetBars();
    update();
}

SkinButton* CZelkDialogKeyMapSettings::record(int id) { return KeyMapTable::find(buttonTable, id); }

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
    controls_.paintRims(painter);
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
    if (CollectionListBox* list = lists_.ofPage(currentPage_)) list->refresh(buttonTable, language());
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
    // The play count only counts when the macro plays a number of times.
    timesEdit->setEnabled(actions.PlayMode == 0);
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
    if (inPlaceEdit_.isOpen()) {
        inPlaceEdit_.keep();
        if (!endsWindow(clicked)) return;
    }
    if (recording_.isRunning()) {
        const bool acts = recording_.clickActsAfterStop(clicked);
        stopRecording();
        if (!acts) return;
    }
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
    case KeyMapId::RecordEmulation:
        if (recording_.start(button)) update();
        return;
    default: break;
    }
    if (id >= KeyMapId::FirstTab && id <= KeyMapId::LastTab) {
        switchToPage(id - KeyMapId::FirstTab + 1);
        return;
    }
    if (listBoxAction(id)) {
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

bool CZelkDialogKeyMapSettings::listBoxAction(int id)
{
    const KeyMapListBoxes::Click click = lists_.click(currentPage_, id, language());
    if (click.rename) openInPlaceEdit(*click.rename, InPlaceEdit::Purpose::Rename);
    if (click.actionSelectedAgain && currentPage_ == 2) {
        // A delay line selected again opens for editing its number.
        const ActionList& actions = work_.macroActions;
        const std::u16string line = actions.textAt(actions.CursorPos);
        if (MacroEditor::isEditableDelay(line))
            openInPlaceEdit({KeyMapId::FirstMacroActionRow + actions.CursorPos, MacroEditor::delayText(line)}, InPlaceEdit::Purpose::Delay);
    }
    return click.handled;
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
    lists_.showCleared(currentPage_);
    update();
}

void CZelkDialogKeyMapSettings::pageAction(SkinButton& button)
{
    // Each of the two switch buttons flips the mode, whichever is checked.
    switch (button.id) {
    case KeyMapId::UniquesChoice: setSingleKeyMode(!button.checked); return;
    case KeyMapId::ComboChoice: setSingleKeyMode(button.checked); return;
    case KeyMapId::TimesPlay: setPlayMode(0); return;
    case KeyMapId::PlayWhileHeld: setPlayMode(1); return;
    case KeyMapId::PlayToggle: setPlayMode(2); return;
    case KeyMapId::AutoDelay: setAutoDelay(true); return;
    case KeyMapId::RecordedDelays: setAutoDelay(false); return;
    default: return;
    }
}

void CZelkDialogKeyMapSettings::setSingleKeyMode(bool single)
{
    record(KeyMapId::UniquesChoice)->checked = single;
    record(KeyMapId::UniquesLabel)->checked = single;
    record(KeyMapId::ComboChoice)->checked = !single;
    record(KeyMapId::ComboLabel)->checked = !single;
    work_.singleKeyMode = single;
    // The click has stopped a running capture already; never leave the keys hooked regardless.
    stopRecording();
    update();
}

void CZelkDialogKeyMapSettings::setPlayMode(int mode)
{
    record(KeyMapId::TimesPlay)->checked = mode == 0;
    record(KeyMapId::PlayWhileHeld)->checked = mode == 1;
    record(KeyMapId::PlayToggle)->checked = mode == 2;
    work_.macroActions.PlayMode = mode;
    timesEdit->setEnabled(mode == 0);
    if (mode == 0) timesEdit->setFocus();
    lists_.commit(2);
    update();
}

void CZelkDialogKeyMapSettings::setAutoDelay(bool autoDelay)
{
    record(KeyMapId::AutoDelay)->checked = autoDelay;
    record(KeyMapId::RecordedDelays)->checked = !autoDelay;
    ActionList& actions = work_.macroActions;
    if (autoDelay) applyMacroDelayEdit();
    const int linesBefore = actions.lineCount();
    if (autoDelay && !actions.IsAutoInterval) actions = MacroEditor::withoutDelayLines(actions);
    if (!autoDelay && actions.IsAutoInterval) actions = MacroEditor::withDelayLines(actions);
    // The bar follows the list, so every line of a longer list can still be reached.
    actionScroll->changeRange(actions.lineCount() - linesBefore);
    actions.IsAutoInterval = autoDelay;
    lists_.commit(2);
    delayEdit->setEnabled(autoDelay);
    if (autoDelay) delayEdit->setFocus();
    update();
}

void CZelkDialogKeyMapSettings::timesEditChanged()
{
    if (currentPage_ == 2) {
        work_.macroActions.Cycles = boundedNumber(*timesEdit, MacroEditor::kCycles);
        lists_.commit(2);
    } else if (currentPage_ == 3) {
        work_.emulationActions.Delay = boundedNumber(*timesEdit, MacroEditor::kEmulationDelay);
        lists_.commit(3);
    }
}

void CZelkDialogKeyMapSettings::delayEditChanged()
{
    if (currentPage_ == 2) applyMacroDelayEdit();
}

void CZelkDialogKeyMapSettings::applyMacroDelayEdit()
{
    work_.macroActions.Delay = boundedNumber(*delayEdit, MacroEditor::kDelay);
    lists_.commit(2);
}

// --- the macro's action menu ------------------------------------------------------------------

void CZelkDialogKeyMapSettings::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton && currentPage_ == 2) {
        const QPoint at = event->position().toPoint();
        for (std::size_t i = 0; i < buttonTable.size(); ++i) {
            const SkinButton& b = buttonTable[i];
            if (!isShown(b) || !b.rect.contains(at.x(), at.y())) continue;
            const int row = b.id - KeyMapId::FirstMacroActionRow;
            const ActionList& actions = work_.macroActions;
            const long long line = static_cast<long long>(actions.ViewStartAt) + row;
            if (KeyMapPages::of(2).list.holdsActionRow(b.id) && line >= 0 && line < actions.lineCount())
                showMacroMenu(static_cast<int>(i), event->globalPosition().toPoint());
            break;
        }
    }
    CSkinDialog::mouseReleaseEvent(event);
}

void CZelkDialogKeyMapSettings::showMacroMenu(int position, QPoint globalPoint)
{
    menuRecord = position;
    // Built anew each time, in the language of the moment.
    if (macroMenu_) macroMenu_->deleteLater();
    macroMenu_ = MacroContextMenu::build(this, language());
    for (QAction* action : macroMenu_->findChildren<QAction*>()) {
        if (!action->data().isValid()) continue;
        const int command = action->data().toInt();
        connect(action, &QAction::triggered, this, [this, command] { macroMenuCommand(command); });
    }
    macroMenu_->popup(globalPoint);
}

void CZelkDialogKeyMapSettings::macroMenuCommand(int command)
{
    if (!MacroContextMenu::isCommand(command) || menuRecord < 0 || menuRecord >= static_cast<int>(buttonTable.size())) return;
    const int row = buttonTable[static_cast<std::size_t>(menuRecord)].id - KeyMapId::FirstMacroActionRow;
    ActionList& actions = work_.macroActions;
    const std::vector<int> inserted = MacroContextMenu::insertedCodes(command);
    if (!inserted.empty()) {
        std::vector<std::u16string> lines;
        for (int code : inserted) lines.push_back(profile_.nameOfDeviceCode(code));
        actionScroll->changeRange(MacroEditor::insertBefore(actions, row, lines));
    } else if (command == MacroContextMenu::kDelete) {
        actionScroll->changeRange(-MacroEditor::remove(actions, row));
    }
    actionScroll->changeRange(-MacroEditor::trimToLimit(actions));
    lists_.commit(2);
    update();
}

void CZelkDialogKeyMapSettings::onVerticalScroll(CSkinScrollBar& bar, int code, int position)
{
    // The rows move under an open edit: its text belongs to the row it was opened over.
    inPlaceEdit_.keep();
    if (CollectionListBox* list = lists_.ofPage(currentPage_)) list->scroll(bar, code, position);
    update();
}

// --- the in-place edit ------------------------------------------------------------------------

void CZelkDialogKeyMapSettings::openInPlaceEdit(const CollectionListBox::EditRequest& request, InPlaceEdit::Purpose purpose)
{
    if (const SkinButton* row = record(request.recordId)) inPlaceEdit_.open(toQRect(row->rect), request.text, purpose);
}

void CZelkDialogKeyMapSettings::inPlaceEditKept(const QRect& at, const std::u16string& text)
{
    // The edit belongs to the row record it covers.
    for (const SkinButton& row : buttonTable) {
        if (!isShown(row) || toQRect(row.rect) != at) continue;
        CollectionListBox* list = lists_.ofPage(currentPage_);
        if (list != nullptr && list->layout().holdsCollectionRow(row.id)) {
            list->rename(row.id - list->layout().firstCollectionRow, text);
        } else if (list != nullptr && currentPage_ == 2 && list->layout().holdsActionRow(row.id)) {
            ActionList& actions = work_.macroActions;
            actions.setOrAppend(actions.CursorPos, MacroEditor::delayLineOf(text));
            list->commit();
        }
        break;
    }
    update();
}

void CZelkDialogKeyMapSettings::done(int result)
{
    inPlaceEdit_.close();
    stopRecording();
    tipControl->deactivate();
    CSkinDialog::done(result);
}

void CZelkDialogKeyMapSettings::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous()) stopRecording();
    CSkinDialog::hideEvent(event);
}

// --- the key recorders ------------------------------------------------------------------------

void CZelkDialogKeyMapSettings::stopRecording()
{
    if (!recording_.isRunning()) return;
    recording_.stop();
    update();
}

void CZelkDialogKeyMapSettings::onWindowMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (message != kMsgKeyEvent) {
        CSkinDialog::onWindowMessage(message, wParam, lParam);
        return;
    }
    if (recording_.keyEvent(wParam, lParam)) update();
}
