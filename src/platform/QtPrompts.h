#pragma once

#include "Prompts.h"

// The real prompts: QMessageBox, QColorDialog and QFileDialog; runModal is QDialog::exec().
class QtPrompts final : public Prompts {
public:
    void showMessage(const QString& text, QWidget* parent) override;
    std::optional<QColor> chooseColour(const QColor& initial, QWidget* parent) override;
    std::optional<QString> openFileName(const FileDialogRequest& request, QWidget* parent) override;
    std::optional<QString> saveFileName(const FileDialogRequest& request, QWidget* parent) override;
    int runModal(QDialog& dialog) override;
};
