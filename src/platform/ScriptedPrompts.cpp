#include "ScriptedPrompts.h"

#include <QDialog>
#include <QStringList>

#include <cxxabi.h>
#include <cstdlib>
#include <typeinfo>

namespace {
QString demangledClassName(const QDialog& dialog)
{
    const char* mangled = typeid(dialog).name();
    int status = 0;
    char* plain = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    const QString name = QString::fromLatin1(status == 0 && plain != nullptr ? plain : mangled);
    std::free(plain);
    return name;
}

template <typename T>
std::optional<T> takeFirst(std::deque<std::optional<T>>& script)
{
    std::optional<T> answer;
    if (script.empty()) return answer;
    if (script.front().has_value()) answer.emplace(*script.front());
    script.pop_front();
    return answer;
}
}  // namespace

ScriptedPrompts::ScriptedPrompts() : previous_(Prompts::install(this)) {}

ScriptedPrompts::~ScriptedPrompts() { Prompts::install(previous_); }

int ScriptedPrompts::accept(QDialog&) { return QDialog::Accepted; }
int ScriptedPrompts::reject(QDialog&) { return QDialog::Rejected; }
int ScriptedPrompts::execForReal(QDialog& dialog) { return dialog.exec(); }

QStringList ScriptedPrompts::messages() const
{
    QStringList texts;
    for (const Question& q : asked)
        if (q.kind == Kind::Message) texts << q.text;
    return texts;
}

int ScriptedPrompts::count(Kind kind) const
{
    int n = 0;
    for (const Question& q : asked) n += q.kind == kind ? 1 : 0;
    return n;
}

void ScriptedPrompts::showMessage(const QString& text, QWidget* parent)
{
    asked.push_back({Kind::Message, parent, text, {}, {}, nullptr, {}});
}

std::optional<QColor> ScriptedPrompts::chooseColour(const QColor& initial, QWidget* parent)
{
    asked.push_back({Kind::Colour, parent, {}, initial, {}, nullptr, {}});
    return takeFirst(colours);
}

std::optional<QString> ScriptedPrompts::openFileName(const FileDialogRequest& request, QWidget* parent)
{
    asked.push_back({Kind::OpenFile, parent, {}, {}, request, nullptr, {}});
    return takeFirst(files);
}

std::optional<QString> ScriptedPrompts::saveFileName(const FileDialogRequest& request, QWidget* parent)
{
    asked.push_back({Kind::SaveFile, parent, {}, {}, request, nullptr, {}});
    return takeFirst(files);
}

int ScriptedPrompts::runModal(QDialog& dialog)
{
    asked.push_back({Kind::Modal, dialog.parentWidget(), {}, {}, {}, &dialog, demangledClassName(dialog)});
    if (modalRuns.empty()) return QDialog::Rejected;
    const ModalRun run = std::move(modalRuns.front());
    modalRuns.pop_front();
    return run(dialog);
}
