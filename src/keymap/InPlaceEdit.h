#pragma once

#include <QObject>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>
#include <string>

class QLineEdit;

// The edit laid over a row of a list box (1003): it renames a collection entry or, on the macro
// page, edits the number of a delay line. Enter keeps what was typed and Escape takes it back,
// neither ending the window; losing the focus keeps it too. Keeping closes the edit and hands
// where it lay and its text to the window, which knows the row under it.
class InPlaceEdit : public QObject {
public:
    enum class Purpose { Rename, Delay };
    using Kept = std::function<void(const QRect& at, const std::u16string& text)>;

    InPlaceEdit(QLineEdit& edit, Kept kept);

    // Lays the edit over the rectangle with the text selected, so that typing replaces it.
    void open(const QRect& over, const std::u16string& text, Purpose purpose);
    // Closes the edit and hands over what it holds; does nothing while it is closed.
    void keep();
    // Closes the edit and drops what it holds.
    void close();

    bool isOpen() const { return purpose_.has_value(); }
    bool isRenaming() const { return purpose_ == Purpose::Rename; }
    bool isEditingDelay() const { return purpose_ == Purpose::Delay; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit& edit_;
    Kept kept_;
    std::optional<Purpose> purpose_;
    QString openedText_;  // for Escape
};
