// The faces the generator draws: one line per window, naming the draw function of its
// <Window>Face.cpp file. Each function draws the window's bitmaps from its rectangle table.
VT_FACE(drawProgressFaces)
VT_FACE(drawScrollBarFaces)
VT_FACE(drawBacklightFaces)
VT_FACE(drawFirmwareFaces)
VT_FACE(drawKeyMapFaces)
VT_FACE(drawMainWindowFaces)
