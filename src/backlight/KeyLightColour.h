#pragma once

#include "KeyboardProfile.h"
#include "SkinColor.h"

#include <QColor>

#include <algorithm>
#include <array>

// The 88 light entries of a backlight window, indexed by KeyIndex (entry 0 belongs to no key).
using KeyLightTable = std::array<KeyLight, KeyboardProfile::kKeyTableSize>;

// Conversions between a key's light and the colours of painting and the colour chooser.
struct KeyLightColour {
    // A light from a profile file may hold any number; painting and the chooser see it clamped.
    static int component(int value) { return std::clamp(value, 0, 255); }
    static QColor toQColor(const KeyLight& light)
    {
        return QColor(component(light.Red), component(light.Green), component(light.Blue));
    }
    static ColorRef toColorRef(const KeyLight& light)
    {
        return RGB(component(light.Red), component(light.Green), component(light.Blue));
    }
    // A chosen colour: Red = its red byte, Green = its green byte, Blue = its blue byte.
    static KeyLight fromQColor(const QColor& colour) { return {colour.red(), colour.green(), colour.blue()}; }
};
