#include "SkinProgressBar.h"

#include "CSkinDialog.h"
#include "WindowHandle.h"

#include <QPainter>
#include <QPixmap>

#include <algorithm>

QRect SkinProgressBar::setSteps(std::uintptr_t steps)
{
    const QRect before = drawnRect();
    // Far beyond the whole only a faulty sender goes; keep the arithmetic in range.
    steps = std::min<std::uintptr_t>(steps, 1'000'000);
    percent_ = static_cast<int>(steps * 100 / kProgressComplete);
    return fullRect().united(before).united(drawnRect());
}

void SkinProgressBar::paint(QPainter& painter, const QPixmap& checkedImage) const
{
    const QRect bar = drawnRect();
    if (bar.width() <= 0) return;
    if (checkedImage.isNull()) painter.fillRect(bar, toQColor(kSkinAccent));
    else painter.drawPixmap(bar, checkedImage, bar);
}
