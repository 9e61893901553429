#pragma once

#include "SkinColor.h"

#include <array>

// The six skinned windows.
enum class SkinWindow { MainWindow, Progress, KeyMapSettings, BkLightSettings, BkLightMultiSelect, FirmwareUpdate };

// When a record's caption is drawn.
enum class CaptionRule {
    Labels,                 // isLabel
    LabelsOrShownIfVisible  // (isLabel or showCaption) and captionVisible
};

// Key light frames: the 2-pixel frame around each key in its light colour.
enum class KeyLightFrames {
    None,
    Drawn,
    DrawnRedShifted  // pure red RGB(255, 0, 0) is drawn as RGB(255, 1, 0), the window's colour key being red
};

// The options that make one skinned window differ from another. The values of all six windows
// are one table, SkinStyle::of().
struct SkinStyle {
    SkinWindow window;
    int dialogTemplate;
    int tableSize;               // records in buttonTable
    ColorRef colourKey;          // face pixels of exactly this colour are cut out of the window
    int backgroundImage;         // bitmap ids; 0 = none, or the window's own (key mapping pages)
    int hoverImage;
    int checkedImage;
    CaptionRule captionRule;
    bool captionColourFromRecord;  // checked ? checkedTextColor : textColor
    ColorRef captionColour;        // otherwise: not checked ...
    ColorRef checkedCaptionColour; // ... and checked
    bool hoverRepaint;           // repaint a record whose hovered state changed
    bool labelsInClickScan;
    bool honoursTextFormat;      // captions use each record's textFormat (else always 1)
    bool pageFilter;             // a record with id >= 100 shows only on page id / 100
    KeyLightFrames keyLightFrames;
    std::array<int, 4> textControlIds;  // child text controls in orange on dark; 0 = unused

    bool colouredTextControl(int controlId) const;

    static const SkinStyle& of(SkinWindow window);
};
