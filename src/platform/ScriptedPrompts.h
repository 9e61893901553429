#pragma once

#include "Prompts.h"

#include <deque>
#include <functional>
#include <vector>

// Test stand-in for Prompts: records every question and answers from scripts, never blocking.
// Construct it in a test to install it; it puts the previous prompts back when destroyed.
//
//   ScriptedPrompts prompts;
//   prompts.colours.push_back(QColor(255, 0, 0));          // the chooser returns red
//   prompts.files.push_back(std::nullopt);                 // the next file dialog is cancelled
//   prompts.modalRuns.push_back(ScriptedPrompts::accept);  // the next modal window ends with OK
//   ... click ...
//   EXPECT_EQ(prompts.messages(), QStringList{"OK!"});
//
// Unscripted questions get Cancel: no colour, no file, and QDialog::Rejected for a modal window
// (which is then not shown at all). To run a nested window for real, script execForReal, or a
// function that drives it while it is shown.
class ScriptedPrompts final : public Prompts {
public:
    enum class Kind { Message, Colour, OpenFile, SaveFile, Modal };

    struct Question {
        Kind kind;
        QWidget* parent = nullptr;
        QString text;                // Message
        QColor initialColour;        // Colour
        FileDialogRequest file;      // OpenFile, SaveFile
        QDialog* dialog = nullptr;   // Modal; only valid while it runs
        QString dialogClass;         // Modal: the window's C++ class ("CZelkDialogProgress")
    };

    using ModalRun = std::function<int(QDialog&)>;

    ScriptedPrompts();
    ~ScriptedPrompts() override;
    ScriptedPrompts(const ScriptedPrompts&) = delete;
    ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;

    std::vector<Question> asked;
    std::deque<std::optional<QColor>> colours;
    std::deque<std::optional<QString>> files;
    std::deque<ModalRun> modalRuns;

    static int accept(QDialog&);
    static int reject(QDialog&);
    static int execForReal(QDialog& dialog);

    // The texts of all message boxes so far, in order.
    QStringList messages() const;
    // How many questions of a kind were asked.
    int count(Kind kind) const;

    void showMessage(const QString& text, QWidget* parent) override;
    std::optional<QColor> chooseColour(const QColor& initial, QWidget* parent) override;
    std::optional<QString> openFileName(const FileDialogRequest& request, QWidget* parent) override;
    std::optional<QString> saveFileName(const FileDialogRequest& request, QWidget* parent) override;
    int runModal(QDialog& dialog) override;

private:
    Prompts* previous_ = nullptr;
};
