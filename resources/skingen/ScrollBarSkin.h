#pragma once

#include <QImage>

// Draws the skin of the skinned scroll bars: 9 x 3 square cells of cellSize pixels. Rows are the
// normal, hover and pressed looks; columns 0-3 hold the up arrow, down arrow, thumb and track of
// a vertical bar, columns 4-7 the left arrow, right arrow, thumb and track of a horizontal one.
QImage drawScrollBarSkin(int cellSize);
