#pragma once

#include <QColor>
#include <QString>

#include <optional>

class QDialog;
class QWidget;

// What a file dialog is asked for.
struct FileDialogRequest {
    // Filter in the pipe form "pro(*.pro)|*.pro|All Files(*.*)|*.*||"; empty shows all files.
    QString filter;
    // Appended to a typed name without an extension ("pro"); empty appends nothing.
    QString defaultExtension;
};

// Everything that stops and waits for the user: message boxes, the colour chooser, file
// dialogs and modal windows. Windows ask through Prompts::current(), never by opening Qt
// dialogs or calling exec() themselves, so tests can install a scripted stand-in
// (ScriptedPrompts) and never block on a real modal box.
class Prompts {
public:
    virtual ~Prompts() = default;

    // A message box with an OK button. "\r\n" line breaks are fine.
    virtual void showMessage(const QString& text, QWidget* parent) = 0;
    // The full colour chooser starting from initial; nothing when the user cancels. Custom
    // colours are kept for the rest of the run.
    virtual std::optional<QColor> chooseColour(const QColor& initial, QWidget* parent) = 0;
    // Open and save dialogs (save confirms overwriting); nothing when the user cancels.
    virtual std::optional<QString> openFileName(const FileDialogRequest& request, QWidget* parent) = 0;
    virtual std::optional<QString> saveFileName(const FileDialogRequest& request, QWidget* parent) = 0;
    // Runs a window modally; QDialog::Accepted (OK) or QDialog::Rejected (Cancel).
    virtual int runModal(QDialog& dialog) = 0;

    // The installed prompts; the Qt dialogs unless a stand-in is installed.
    static Prompts& current();
    // Installs a stand-in (nullptr goes back to the Qt dialogs). Returns the one it replaced,
    // nullptr meaning the Qt dialogs.
    static Prompts* install(Prompts* prompts);
};
