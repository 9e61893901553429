#pragma once

#include <QImage>

class FaceWriter;

// The application icon: a glowing keycap on a dark rounded tile, the look of an assigned key.
QImage drawAppIcon(int size);
// Writes icon-<size>.png for every size the program loads.
void drawAppIcons(FaceWriter& out);
