#pragma once

#include <QColor>

// The colours of every face, so all windows look alike: dark panels with a thin lighter rim,
// dark-grey keycaps with light legends, the program's orange for hover rims and checked glow.
namespace FacePalette {
inline const QColor PanelTop(40, 40, 44);
inline const QColor PanelBottom(20, 20, 20);
inline const QColor Rim(84, 84, 92);
inline const QColor RimShadow(8, 8, 10);
inline const QColor TitleBand(30, 30, 33);
inline const QColor Separator(58, 58, 64);
inline const QColor ControlTop(62, 62, 68);
inline const QColor ControlBottom(38, 38, 42);
inline const QColor ControlRim(96, 96, 104);
inline const QColor Groove(12, 12, 13);
inline const QColor GrooveRim(56, 56, 62);
inline const QColor Legend(222, 222, 228);
inline const QColor Symbol(200, 200, 206);
inline const QColor Accent(255, 111, 0);        // hover rims, the program's text controls
inline const QColor GlowCentre(255, 158, 60);   // checked controls
inline const QColor GlowEdge(196, 78, 0);
inline const QColor AssignedLegend(28, 16, 6);
}  // namespace FacePalette
