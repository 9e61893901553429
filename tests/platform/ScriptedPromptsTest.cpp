#include "ScriptedPrompts.h"

#include <QDialog>

#include <gtest/gtest.h>

namespace {
class NamedWindow : public QDialog {};
}  // namespace

TEST(ScriptedPrompts, InstallsItselfAndPutsThePreviousPromptsBack)
{
    Prompts& real = Prompts::current();
    {
        ScriptedPrompts outer;
        EXPECT_EQ(&Prompts::current(), &outer);
        {
            ScriptedPrompts inner;
            EXPECT_EQ(&Prompts::current(), &inner);
        }
        EXPECT_EQ(&Prompts::current(), &outer);
    }
    EXPECT_EQ(&Prompts::current(), &real);
}

TEST(ScriptedPrompts, AnswersFromTheScriptsAndRecordsTheQuestions)
{
    ScriptedPrompts prompts;
    prompts.colours = {QColor(1, 2, 3), std::nullopt};
    prompts.files = {QStringLiteral("/tmp/a.pro")};
    const FileDialogRequest request{QStringLiteral("pro(*.pro)|*.pro||"), QStringLiteral("pro")};

    Prompts& p = Prompts::current();
    p.showMessage(QStringLiteral("OK!"), nullptr);
    EXPECT_EQ(p.chooseColour(Qt::black, nullptr), QColor(1, 2, 3));
    EXPECT_EQ(p.chooseColour(Qt::red, nullptr), std::nullopt);
    EXPECT_EQ(p.chooseColour(Qt::red, nullptr), std::nullopt);  // script used up: cancel
    EXPECT_EQ(p.saveFileName(request, nullptr), QStringLiteral("/tmp/a.pro"));
    EXPECT_EQ(p.openFileName(request, nullptr), std::nullopt);

    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("OK!")});
    EXPECT_EQ(prompts.count(ScriptedPrompts::Kind::Colour), 3);
    ASSERT_EQ(prompts.asked.size(), 6u);
    EXPECT_EQ(prompts.asked[2].initialColour, QColor(Qt::red));
    EXPECT_EQ(prompts.asked[4].kind, ScriptedPrompts::Kind::SaveFile);
    EXPECT_EQ(prompts.asked[4].file.defaultExtension, QStringLiteral("pro"));
    EXPECT_EQ(prompts.asked[5].kind, ScriptedPrompts::Kind::OpenFile);
}

TEST(ScriptedPrompts, ModalWindowsRunAsScriptedOrAreCancelledUnseen)
{
    ScriptedPrompts prompts;
    bool sawItShown = false;
    prompts.modalRuns.push_back(ScriptedPrompts::accept);
    prompts.modalRuns.push_back([&](QDialog& dialog) {
        dialog.show();
        sawItShown = dialog.isVisible();
        dialog.done(QDialog::Accepted);
        return dialog.result();
    });

    NamedWindow window;
    EXPECT_EQ(prompts.runModal(window), QDialog::Accepted);
    EXPECT_EQ(prompts.runModal(window), QDialog::Accepted);
    EXPECT_TRUE(sawItShown);
    EXPECT_EQ(prompts.runModal(window), QDialog::Rejected);
    EXPECT_FALSE(window.isVisible());

    ASSERT_EQ(prompts.count(ScriptedPrompts::Kind::Modal), 3);
    EXPECT_EQ(prompts.asked[0].dialogClass, QStringLiteral("(anonymous namespace)::NamedWindow"));
}
