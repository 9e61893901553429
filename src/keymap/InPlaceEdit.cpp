#include "InPlaceEdit.h"

#include <QKeyEvent>
#include <QLineEdit>

InPlaceEdit::InPlaceEdit(QLineEdit& edit, Kept kept) : edit_(edit), kept_(std::move(kept)) { edit_.installEventFilter(this); }

void InPlaceEdit::open(const QRect& over, const std::u16string& text, Purpose purpose)
{
    openedText_ = QString::fromStdU16String(text);
    edit_.setGeometry(over);
    edit_.setText(openedText_);
    edit_.selectAll();
    edit_.setEnabled(true);
    edit_.show();
    edit_.setFocus();
    purpose_ = purpose;
}

void InPlaceEdit::keep()
{
    if (!isOpen()) return;
    const QRect at = edit_.geometry();
    const std::u16string text = edit_.text().toStdU16String();
    close();
    kept_(at, text);
}

void InPlaceEdit::close()
{
    // Closed first: hiding the focused edit moves the focus, which must not keep it again.
    purpose_.reset();
    edit_.setEnabled(false);
    edit_.hide();
}

bool InPlaceEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &edit_ || !isOpen()) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            keep();
            return true;
        }
        if (key == Qt::Key_Escape) {
            edit_.setText(openedText_);
            keep();
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut) keep();
    return QObject::eventFilter(watched, event);
}
