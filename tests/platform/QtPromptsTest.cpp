// The real Qt prompts, driven while they are shown. The user's configuration folder is moved
// into a temporary one, since Qt's file dialog keeps its history there.
#include "QtPrompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// Acts on the next modal window of the given type once it shows.
template <typename Dialog>
void whenShown(std::function<void(Dialog*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(dialog);
        }
    });
    timer->start();
}

class QtPromptsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        configDir = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", configDir->path().toUtf8());
    }
    static void TearDownTestSuite() { configDir.reset(); }

    static std::unique_ptr<QTemporaryDir> configDir;
    QTemporaryDir files;
    QtPrompts prompts;
};

std::unique_ptr<QTemporaryDir> QtPromptsTest::configDir;

const FileDialogRequest kProfileFiles{QStringLiteral("pro(*.pro)|*.pro|All Files(*.*)|*.*||"), QStringLiteral("pro")};

}  // namespace

TEST_F(QtPromptsTest, MessageBoxShowsTheTextWithOnlyAnOkButton)
{
    QString shownText;
    QMessageBox::StandardButtons buttons;
    whenShown<QMessageBox>([&](QMessageBox* box) {
        shownText = box->text();
        buttons = box->standardButtons();
        box->button(QMessageBox::Ok)->click();
    });
    prompts.showMessage(QStringLiteral("Can't open firmware file\r\nsecond line"), nullptr);
    EXPECT_EQ(shownText, QStringLiteral("Can't open firmware file\nsecond line"));
    EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

TEST_F(QtPromptsTest, ColourChooserStartsFromTheGivenColourAndReturnsTheChoice)
{
    QColor startedFrom;
    whenShown<QColorDialog>([&](QColorDialog* dialog) {
        startedFrom = dialog->currentColor();
        dialog->setCurrentColor(QColor(12, 34, 56));
        dialog->accept();
    });
    EXPECT_EQ(prompts.chooseColour(QColor(255, 0, 0), nullptr), QColor(12, 34, 56));
    EXPECT_EQ(startedFrom, QColor(255, 0, 0));

    whenShown<QColorDialog>([](QColorDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(prompts.chooseColour(QColor(0, 0, 0), nullptr), std::nullopt);
}

TEST_F(QtPromptsTest, CustomColoursLastForTheRunButNotBeyondIt)
{
    // Custom colours of an earlier run, as Qt would have kept them.
    const QString settingsPath = QDir(configDir->path()).filePath(QStringLiteral("QtProject.conf"));
    const QByteArray earlierRun = "[Qt]\ncustomColors\\0=4278782217\n";  // RGB(9, 9, 9)
    {
        QFile file(settingsPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(earlierRun);
    }

    QColor customAtStart;
    whenShown<QColorDialog>([&](QColorDialog* dialog) {
        customAtStart = QColorDialog::customColor(0);
        QColorDialog::setCustomColor(3, QColor(0, 200, 0));  // the user adds a custom colour
        dialog->accept();
    });
    prompts.chooseColour(Qt::black, nullptr);

    QColor customLater;
    whenShown<QColorDialog>([&](QColorDialog* dialog) {
        customLater = QColorDialog::customColor(3);
        dialog->reject();
    });
    QtPrompts().chooseColour(Qt::black, nullptr);  // any prompts object shares the one chooser

    EXPECT_EQ(customAtStart, QColor(Qt::white));
    EXPECT_EQ(customLater, QColor(0, 200, 0));
    QFile file(settingsPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), earlierRun);
}

TEST_F(QtPromptsTest, SaveDialogUsesTheFilterAndAppendsTheDefaultExtension)
{
    QStringList filters;
    QString suffix;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    whenShown<QFileDialog>([&](QFileDialog* dialog) {
        filters = dialog->nameFilters();
        suffix = dialog->defaultSuffix();
        mode = dialog->acceptMode();
        dialog->selectFile(QDir(files.path()).filePath(QStringLiteral("profile")));
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog's own checks run
    });
    const auto chosen = prompts.saveFileName(kProfileFiles, nullptr);
    EXPECT_EQ(filters, QStringList({QStringLiteral("pro (*.pro)"), QStringLiteral("All Files (*)")}));
    EXPECT_EQ(suffix, QStringLiteral("pro"));
    EXPECT_EQ(mode, QFileDialog::AcceptSave);
    EXPECT_EQ(chosen, QDir(files.path()).filePath(QStringLiteral("profile.pro")));
}

TEST_F(QtPromptsTest, SaveDialogAsksBeforeOverwriting)
{
    const QString existing = QDir(files.path()).filePath(QStringLiteral("existing.pro"));
    QFile(existing).open(QIODevice::WriteOnly);
    bool asked = false;
    whenShown<QFileDialog>([&](QFileDialog* dialog) {
        whenShown<QMessageBox>([&](QMessageBox* box) {
            asked = true;
            box->button(QMessageBox::Yes)->click();
        });
        dialog->selectFile(existing);
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(prompts.saveFileName(kProfileFiles, nullptr), existing);
    EXPECT_TRUE(asked);
}

TEST_F(QtPromptsTest, OpenDialogReturnsAnExistingFileOrNothingOnCancel)
{
    const QString existing = QDir(files.path()).filePath(QStringLiteral("keys.pro"));
    QFile(existing).open(QIODevice::WriteOnly);
    QFileDialog::FileMode fileMode = QFileDialog::AnyFile;
    whenShown<QFileDialog>([&](QFileDialog* dialog) {
        fileMode = dialog->fileMode();
        dialog->selectFile(existing);
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(prompts.openFileName(kProfileFiles, nullptr), existing);
    EXPECT_EQ(fileMode, QFileDialog::ExistingFile);

    whenShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(prompts.openFileName({}, nullptr), std::nullopt);
}

TEST_F(QtPromptsTest, RunModalReturnsTheWindowsResult)
{
    for (int result : {int(QDialog::Accepted), int(QDialog::Rejected)}) {
        QDialog dialog;
        QTimer::singleShot(0, &dialog, [&dialog, result] { dialog.done(result); });
        EXPECT_EQ(prompts.runModal(dialog), result);
    }
}
