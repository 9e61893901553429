#pragma once

// Where each piece of a scroll bar lives in its skin bitmap: 9 x 3 square cells, read by the
// painting of the bar and by the generator that draws the skin.
namespace ScrollBarSkinLayout {

inline constexpr int columnCount = 9;
inline constexpr int rowCount = 3;

// Rows are the looks of a piece.
enum Look : int { Normal = 0, Hover = 1, Pressed = 2 };

enum Piece : int { FirstArrow = 0, LastArrow = 1, Thumb = 2, Track = 3 };

// Vertical pieces fill columns 0-3, horizontal ones 4-7; column 8 is spare.
constexpr int column(bool vertical, Piece piece)
{
    return (vertical ? 0 : 4) + piece;
}

// The track has one look only.
inline constexpr Look trackLook = Normal;

// Pixel rows (vertical) or columns (horizontal) at each end of the thumb cell that are copied
// as caps rather than tiled.
inline constexpr int thumbCapLength = 3;

} // namespace ScrollBarSkinLayout
