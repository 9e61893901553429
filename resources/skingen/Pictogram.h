#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

// Clean vector symbols for buttons and keys; each is drawn centred in a square box.
enum class Pictogram {
    Close, Minimise, Help,
    PlayPause, Stop, Next, Previous,
    VolumeUp, VolumeDown, Mute,
    Back, Forward, Refresh, Star, Search, Mail, Home, Computer, Calculator,
    Lock, Sun, Moon, Power, Keyboard,
    // Choices of the key mapping window, and the small badges laid over some of them.
    MusicNote, CircleCross, Mouse, Swap, Windows, Layers, Sparkle, Meteor, Ripple, Bulb, Wave,
    Palette, Sunset, ColourWheel, Alarm, RecordDot, Plus, Minus, Gear,
};

void drawPictogram(QPainter& painter, Pictogram symbol, const QRectF& box, const QColor& colour);
