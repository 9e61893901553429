#pragma once

#include <QLabel>
#include <QPoint>
#include <QTimer>

// A small tip window of the key mapping window's own: blue text on yellow, shown a short delay
// after the window asks for it and hidden as soon as the window takes it back. The window asks
// on every paint (activate with the tip of the record under the pointer, or deactivate), so
// asking again for the tip already showing or pending changes nothing.
class TipPopup : public QLabel {
    Q_OBJECT

public:
    static constexpr int kDelayMs = 100;

    explicit TipPopup(QWidget* owner);

    // Shows the text near the pointer after the delay (at once if it is already showing).
    void activate(const QString& text, QPoint pointerGlobal);
    // Hides the tip and drops one that is pending.
    void deactivate();

private:
    void showNow();

    QTimer delay_;
    QString wanted_;
    QPoint anchor_;
};
