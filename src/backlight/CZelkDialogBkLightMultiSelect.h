#pragma once

#include "CSkinDialog.h"
#include "KeyLightColour.h"

#include <vector>

class KeyboardProfile;

// The multi-key window: pick any set of keys on the keyboard picture (a selected key shows its
// checked look) and one colour for them. The caller clears the profile's multiSelected and
// fills multiSelectLights first; the window keeps the selection in multiSelected, and Set Color
// puts the chosen colour in multiSelectColour and ends with OK. The close button ends with
// Cancel. The window itself changes no key's colour.
class CZelkDialogBkLightMultiSelect : public CSkinDialog {
public:
    static constexpr int kCloseId = 88;
    static constexpr int kSetColourId = 97;

    explicit CZelkDialogBkLightMultiSelect(KeyboardProfile& profile, QWidget* parent = nullptr);

    // The window's 91 records in table order: close, Set Color, two labels, then the 87 keys.
    static const std::vector<SkinButton>& records();

protected:
    void initDialog() override;
    void buttonClicked(SkinButton& button) override;
    ColorRef keyLightColour(int keyIndex) const override;

private:
    void toggle(SkinButton& key);
    void chooseColour();

    KeyboardProfile& profile_;
    KeyLightTable lights_{};  // only for the frames
};
