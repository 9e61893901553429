#pragma once

#include <QRect>

#include <cstdint>

class QPainter;
class QPixmap;

// The progress bar of the progress and firmware windows, both of which place it alike. The
// device counts its progress in steps of which kProgressComplete make the whole; the bar shown
// is the left part of the full bar that the window's checked image holds.
class SkinProgressBar {
public:
    static constexpr int kLeft = 40;
    static constexpr int kTop = 150;
    static constexpr int kFullWidth = 290;
    static constexpr int kHeight = 22;

    explicit SkinProgressBar(int percent = 0) : percent_(percent) {}

    static QRect fullRect() { return QRect(kLeft, kTop, kFullWidth, kHeight); }

    // Percent, not clamped: a device may report more than the whole.
    int percent() const { return percent_; }
    void setPercent(int percent) { percent_ = percent; }
    // Takes the device's count of steps; returns the area to repaint, the bar before and after.
    QRect setSteps(std::uintptr_t steps);
    // Width in pixels of the bar drawn for the current percent.
    int width() const { return percent_ * kFullWidth / 100; }
    QRect drawnRect() const { return QRect(kLeft, kTop, width(), kHeight); }

    // Copies the bar from the checked image; without that bitmap (a plain face) fills it instead.
    void paint(QPainter& painter, const QPixmap& checkedImage) const;

private:
    int percent_ = 0;
};
