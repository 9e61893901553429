// Bitmap 138: the skin of the key mapping window's scroll bars, drawn by the scroll bar's own
// skin drawing.
#include "FaceWriter.h"
#include "ScrollBarSkin.h"

namespace {
// The bars take one cell's width when they get their skin; 15 pixels suits the list rows.
constexpr int kCellSize = 15;
constexpr int kScrollBarSkin = 138;
}  // namespace

void drawScrollBarFaces(FaceWriter& out) { out.save(kScrollBarSkin, drawScrollBarSkin(kCellSize)); }
