#include "MacroPageEditor.h"

#include "CSkinDialog.h"
#include "CSkinScrollBar.h"
#include "KeyMapControls.h"
#include "KeyMapListBoxes.h"
#include "KeyMapPages.h"
#include "KeyMapTable.h"
#include "KeyMapWorkingState.h"
#include "KeyboardProfile.h"
#include "MacroContextMenu.h"
#include "MacroEditor.h"

#include <QLineEdit>
#include <QMenu>

namespace {

constexpr int kMacroPage = 2;
constexpr int kEmulationPage = 3;

const KeyMapListLayout& macroRows() { return KeyMapPages::of(kMacroPage).list; }

// The edit's number within its bounds; a number outside them is replaced in the edit at once.
int boundedNumber(QLineEdit& edit, const NumberText::Bounds& bounds)
{
    const NumberText::Bounded number = NumberText::bound(NumberText::read(edit.text().toStdU16String()), bounds);
    if (number.changed) edit.setText(QString::number(number.value));
    return number.value;
}

// Setting a text that is already there would move the caret of an edit being typed in.
void showText(QLineEdit& edit, const QString& text)
{
    if (edit.text() != text) edit.setText(text);
}

void check(std::vector<SkinButton>& table, int id, bool checked) { findRecord(table, id)->checked = checked; }

void checkPlayMode(std::vector<SkinButton>& table, int mode)
{
    check(table, KeyMapId::TimesPlay, mode == 0);
    check(table, KeyMapId::PlayWhileHeld, mode == 1);
    check(table, KeyMapId::PlayToggle, mode == 2);
}

void checkDelayMode(std::vector<SkinButton>& table, bool autoDelay)
{
    check(table, KeyMapId::AutoDelay, autoDelay);
    check(table, KeyMapId::RecordedDelays, !autoDelay);
}

}  // namespace

MacroPageEditor::MacroPageEditor(CSkinDialog& window, const KeyboardProfile& profile, KeyMapWorkingState& work,
                                 KeyMapControls& controls, KeyMapListBoxes& lists)
    : window_(window), profile_(profile), work_(work), controls_(controls), lists_(lists)
{
}

void MacroPageEditor::refreshMacro()
{
    const ActionList& actions = work_.macroActions;
    showText(controls_.timesEdit(), QString::number(actions.Cycles));
    showText(controls_.delayEdit(), QString::number(actions.Delay));
    checkPlayMode(window_.buttonTable, actions.PlayMode);
    checkDelayMode(window_.buttonTable, actions.IsAutoInterval);
    if (actions.IsAutoInterval) controls_.delayEdit().setEnabled(true);
    // The play count only counts when the macro plays a number of times.
    controls_.timesEdit().setEnabled(actions.PlayMode == 0);
}

void MacroPageEditor::refreshEmulation() { showText(controls_.timesEdit(), QString::number(work_.emulationActions.Delay)); }

void MacroPageEditor::setPlayMode(int mode)
{
    checkPlayMode(window_.buttonTable, mode);
    work_.macroActions.PlayMode = mode;
    QLineEdit& times = controls_.timesEdit();
    times.setEnabled(mode == 0);
    if (mode == 0) times.setFocus();
    lists_.commit(kMacroPage);
}

void MacroPageEditor::setAutoDelay(bool autoDelay)
{
    checkDelayMode(window_.buttonTable, autoDelay);
    ActionList& actions = work_.macroActions;
    if (autoDelay) applyDelayEdit();
    const int linesBefore = actions.lineCount();
    if (autoDelay && !actions.IsAutoInterval) actions = MacroEditor::withoutDelayLines(actions);
    if (!autoDelay && actions.IsAutoInterval) actions = MacroEditor::withDelayLines(actions);
    // The bar follows the list, so every line of a longer list can still be reached.
    controls_.actionScroll().changeRange(actions.lineCount() - linesBefore);
    actions.IsAutoInterval = autoDelay;
    lists_.commit(kMacroPage);
    QLineEdit& delay = controls_.delayEdit();
    delay.setEnabled(autoDelay);
    if (autoDelay) delay.setFocus();
}

void MacroPageEditor::timesEditChanged(int page)
{
    if (page == kMacroPage) {
        work_.macroActions.Cycles = boundedNumber(controls_.timesEdit(), MacroEditor::kCycles);
        lists_.commit(kMacroPage);
    } else if (page == kEmulationPage) {
        work_.emulationActions.Delay = boundedNumber(controls_.timesEdit(), MacroEditor::kEmulationDelay);
        lists_.commit(kEmulationPage);
    }
}

void MacroPageEditor::delayEditChanged(int page)
{
    if (page == kMacroPage) applyDelayEdit();
}

void MacroPageEditor::applyDelayEdit()
{
    work_.macroActions.Delay = boundedNumber(controls_.delayEdit(), MacroEditor::kDelay);
    lists_.commit(kMacroPage);
}

std::optional<CollectionListBox::EditRequest> MacroPageEditor::delayEditOfSelectedRow() const
{
    const ActionList& actions = work_.macroActions;
    const std::u16string line = actions.textAt(actions.CursorPos);
    if (!MacroEditor::isEditableDelay(line)) return std::nullopt;
    return CollectionListBox::EditRequest{macroRows().firstActionRow + actions.CursorPos, MacroEditor::delayText(line)};
}

void MacroPageEditor::keepDelay(const std::u16string& typed)
{
    ActionList& actions = work_.macroActions;
    actions.setOrAppend(actions.CursorPos, MacroEditor::delayLineOf(typed));
    lists_.commit(kMacroPage);
}

void MacroPageEditor::rightClick(QPoint at, QPoint globalPoint)
{
    // The same record a click there would hit.
    const SkinButton* row = window_.clickTarget(at);
    if (row == nullptr || !macroRows().holdsActionRow(row->id)) return;
    if (work_.macroActions.holdsRow(row->id - macroRows().firstActionRow))
        showMenu(static_cast<int>(row - window_.buttonTable.data()), globalPoint);
}

void MacroPageEditor::showMenu(int position, QPoint globalPoint)
{
    menuRecord = position;
    // Built anew each time, in the language of the moment.
    if (menu_) menu_->deleteLater();
    menu_ = MacroContextMenu::build(&window_, profile_.language);
    for (QAction* action : menu_->findChildren<QAction*>()) {
        if (!action->data().isValid()) continue;
        const int command = action->data().toInt();
        QObject::connect(action, &QAction::triggered, menu_, [this, command] { menuCommand(command); });
    }
    menu_->popup(globalPoint);
}

void MacroPageEditor::menuCommand(int command)
{
    const std::vector<SkinButton>& table = window_.buttonTable;
    if (!MacroContextMenu::isCommand(command) || menuRecord < 0 || menuRecord >= static_cast<int>(table.size())) return;
    const int row = table[static_cast<std::size_t>(menuRecord)].id - macroRows().firstActionRow;
    ActionList& actions = work_.macroActions;
    CSkinScrollBar& bar = controls_.actionScroll();
    const std::vector<int> inserted = MacroContextMenu::insertedCodes(command);
    if (!inserted.empty()) {
        std::vector<std::u16string> lines;
        for (int code : inserted) lines.push_back(profile_.nameOfDeviceCode(code));
        bar.changeRange(MacroEditor::insertBefore(actions, row, lines));
    } else if (command == MacroContextMenu::kDelete) {
        bar.changeRange(-MacroEditor::remove(actions, row));
    }
    bar.changeRange(-MacroEditor::trimToLimit(actions));
    lists_.commit(kMacroPage);
    window_.update();
}
