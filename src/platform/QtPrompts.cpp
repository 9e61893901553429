#include "QtPrompts.h"

#include "FileFilter.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {

const QString kTitle = QStringLiteral("VornicTamsk");

std::optional<QString> runFileDialog(QFileDialog& dialog, const FileDialogRequest& request)
{
    const QStringList filters = toQtNameFilters(request.filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(request.defaultExtension);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

// Qt would read custom colours of earlier runs from the user's settings unless they are set
// first, and writes them back when a colour dialog is destroyed. The program keeps no settings
// between runs, so the custom colours start fresh and one dialog lives (unparented, never
// deleted) for the whole run, keeping them until the program ends.
QColorDialog& colourDialog()
{
    static QColorDialog* const dialog = [] {
        for (int i = 0; i < QColorDialog::customCount(); ++i) QColorDialog::setCustomColor(i, Qt::white);
        auto* d = new QColorDialog;
        d->setOption(QColorDialog::DontUseNativeDialog);
        return d;
    }();
    return *dialog;
}

}  // namespace

void QtPrompts::showMessage(const QString& text, QWidget* parent)
{
    QString shown = text;
    shown.remove(QLatin1Char('\r'));
    QMessageBox box(QMessageBox::NoIcon, kTitle, shown, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<QColor> QtPrompts::chooseColour(const QColor& initial, QWidget* parent)
{
    QColorDialog& dialog = colourDialog();
    dialog.setParent(parent, dialog.windowFlags());  // centred over the caller, modal to it
    dialog.setCurrentColor(initial);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    dialog.setParent(nullptr, dialog.windowFlags());  // a closing caller must not delete it
    if (!accepted) return std::nullopt;
    return dialog.selectedColor();
}

std::optional<QString> QtPrompts::openFileName(const FileDialogRequest& request, QWidget* parent)
{
    QFileDialog dialog(parent);
    dialog.setWindowTitle(kTitle);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runFileDialog(dialog, request);
}

std::optional<QString> QtPrompts::saveFileName(const FileDialogRequest& request, QWidget* parent)
{
    QFileDialog dialog(parent);
    dialog.setWindowTitle(kTitle);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);  // overwriting is confirmed (Qt's default)
    return runFileDialog(dialog, request);
}

int QtPrompts::runModal(QDialog& dialog) { return dialog.exec(); }
