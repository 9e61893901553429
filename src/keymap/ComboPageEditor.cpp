#include "ComboPageEditor.h"

#include "KeyMapTable.h"
#include "KeyMapWorkingState.h"
#include "KeyboardProfile.h"

#include <QPlainTextEdit>
#include <QStringList>

namespace {

const QString kUnnamedKey = QStringLiteral("-- --");
const QString kComboSeparator = QStringLiteral(" + ");

QString joinedLines(const ActionList& actions)
{
    QStringList lines;
    for (const std::u16string& line : actions.lines) lines << QString::fromStdU16String(line);
    return lines.join(kComboSeparator);
}

}  // namespace

ComboPageEditor::ComboPageEditor(std::vector<SkinButton>& table, const KeyboardProfile& profile, KeyMapWorkingState& work,
                                 QPlainTextEdit& comboText)
    : table_(table), profile_(profile), work_(work), comboText_(comboText)
{
}

void ComboPageEditor::showMode()
{
    const bool single = work_.singleKeyMode;
    findRecord(table_, KeyMapId::UniquesChoice)->checked = single;
    findRecord(table_, KeyMapId::UniquesLabel)->checked = single;
    findRecord(table_, KeyMapId::ComboChoice)->checked = !single;
    findRecord(table_, KeyMapId::ComboLabel)->checked = !single;
}

void ComboPageEditor::flipMode(const SkinButton& clicked)
{
    if (clicked.id == KeyMapId::UniquesChoice) work_.singleKeyMode = !clicked.checked;
    else if (clicked.id == KeyMapId::ComboChoice) work_.singleKeyMode = clicked.checked;
    showMode();
}

void ComboPageEditor::refresh()
{
    const std::u16string name =
        work_.singleKeyCode < 0 ? kUnnamedKey.toStdU16String() : profile_.nameOfHostCode(work_.singleKeyCode, false);
    findRecord(table_, KeyMapId::CapturedKey)->captions[profile_.language] = name;
    const QString combination = joinedLines(work_.comboActions);
    if (comboText_.toPlainText() != combination) comboText_.setPlainText(combination);
}
