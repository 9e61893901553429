#pragma once

#include "CSkinDialog.h"
#include "KeyLightColour.h"

#include <vector>

class KeyboardProfile;

// The backlight settings window: the keyboard picture with every key framed in its colour.
// A key click chooses that key's colour; Set All, MultiKey (the multi-key window) and Default
// change many at once. All of it edits a working copy of the profile's lights: OK stores it,
// Write ("Program") stores it and sends it to the keyboard behind the progress window, Cancel
// and the close button discard it.
//
//   CZelkDialogBkLightSettings window(profile, parent);
//   Prompts::current().runModal(window);  // the result does not matter to the caller
class CZelkDialogBkLightSettings : public CSkinDialog {
public:
    static constexpr int kCloseId = 88;
    static constexpr int kDefaultId = 90;
    static constexpr int kWriteId = 91;
    static constexpr int kCancelId = 92;
    static constexpr int kOkId = 94;
    static constexpr int kSetAllId = 95;
    static constexpr int kMultiKeyId = 97;

    explicit CZelkDialogBkLightSettings(KeyboardProfile& profile, QWidget* parent = nullptr);

    // The colours being edited, entry n for KeyIndex n.
    const KeyLightTable& workingLights() const { return lights_; }

    // The window's 101 records in table order: buttons, labels, then the 87 keys (the skin
    // generator draws the face from them).
    static const std::vector<SkinButton>& records();

protected:
    void initDialog() override;
    void buttonClicked(SkinButton& button) override;
    ColorRef keyLightColour(int keyIndex) const override;

private:
    void chooseKeyColour(int keyIndex);
    void setAll(const KeyLight& light);
    void chooseColourForAll();
    void runMultiKey();
    void writeToKeyboard();
    void store();

    KeyboardProfile& profile_;
    KeyLightTable lights_{};
};
