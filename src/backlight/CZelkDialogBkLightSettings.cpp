#include "CZelkDialogBkLightSettings.h"

#include "BacklightKeys.h"
#include "CZelkDialogBkLightMultiSelect.h"
#include "CZelkDialogProgress.h"
#include "KeyboardProfile.h"
#include "Prompts.h"

#include <algorithm>

CZelkDialogBkLightSettings::CZelkDialogBkLightSettings(KeyboardProfile& profile, QWidget* parent)
    : CSkinDialog(SkinStyle::of(SkinWindow::BkLightSettings), profile.language, parent), profile_(profile)
{
}

const std::vector<SkinButton>& CZelkDialogBkLightSettings::records()
{
    static const std::vector<SkinButton> table = [] {
        // Label ids lie outside the key ids: labels are in this window's click scan.
        std::vector<SkinButton> t = {
            SkinButton::button(kCloseId, {985, 9, 1018, 45}),
            SkinButton::button(kDefaultId, {143, 420, 238, 454}),
            SkinButton::button(kWriteId, {505, 420, 588, 454}),
            SkinButton::button(kCancelId, {699, 420, 784, 454}),
            SkinButton::button(kOkId, {602, 420, 685, 454}),
            SkinButton::button(kSetAllId, {243, 420, 338, 454}),
            SkinButton::button(kMultiKeyId, {340, 420, 438, 454}),
            SkinButton::label(200, {450, 13, 602, 45}, u"背光设置面板", u"BackLight Settings"),
            SkinButton::label(201, {136, 428, 228, 454}, u"恢复默认", u"Default"),
            SkinButton::label(202, {505, 428, 585, 454}, u"写入背光", u"Program"),
            SkinButton::label(203, {699, 428, 784, 454}, u"取消", u"Cancel"),
            SkinButton::label(204, {602, 428, 682, 454}, u"确定", u"OK"),
            SkinButton::label(205, {236, 428, 328, 454}, u"全域设置", u"Set All"),
            SkinButton::label(206, {336, 428, 428, 454}, u"多键设置", u"MultiKey"),
        };
        const std::vector<SkinButton> keys = BacklightKeys::records();
        t.insert(t.end(), keys.begin(), keys.end());
        return t;
    }();
    return table;
}

void CZelkDialogBkLightSettings::initDialog()
{
    std::copy(records().begin(), records().end(), buttonTable.begin());
    lights_ = profile_.keyLights;
}

ColorRef CZelkDialogBkLightSettings::keyLightColour(int keyIndex) const
{
    return KeyLightColour::toColorRef(lights_[static_cast<std::size_t>(keyIndex)]);
}

void CZelkDialogBkLightSettings::buttonClicked(SkinButton& button)
{
    if (BacklightKeys::isKey(button)) return chooseKeyColour(button.keyIndex);
    switch (button.id) {
    case kCloseId:
    case kCancelId:
        done(QDialog::Rejected);
        break;
    case kDefaultId:
        setAll(KeyLight{});
        break;
    case kWriteId:
        writeToKeyboard();
        break;
    case kOkId:
        store();
        done(QDialog::Accepted);
        break;
    case kSetAllId:
        chooseColourForAll();
        break;
    case kMultiKeyId:
        runMultiKey();
        break;
    default:
        break;
    }
}

void CZelkDialogBkLightSettings::chooseKeyColour(int keyIndex)
{
    KeyLight& light = lights_[static_cast<std::size_t>(keyIndex)];
    const std::optional<QColor> chosen = Prompts::current().chooseColour(KeyLightColour::toQColor(light), this);
    if (!chosen) return;
    const KeyLight picked = KeyLightColour::fromQColor(*chosen);
    // The same colour again changes nothing, so nothing needs painting.
    if (picked == light) return;
    light = picked;
    update();
}

void CZelkDialogBkLightSettings::setAll(const KeyLight& light)
{
    lights_.fill(light);  // entry 0 too, though no key shows it
    update();
}

void CZelkDialogBkLightSettings::chooseColourForAll()
{
    const std::optional<QColor> chosen = Prompts::current().chooseColour(QColor(0, 0, 0), this);
    if (chosen) setAll(KeyLightColour::fromQColor(*chosen));
}

void CZelkDialogBkLightSettings::runMultiKey()
{
    profile_.multiSelected.fill(0);
    profile_.multiSelectLights = lights_;
    CZelkDialogBkLightMultiSelect multiKey(profile_, this);
    if (Prompts::current().runModal(multiKey) == QDialog::Accepted) {
        for (std::size_t j = 0; j < lights_.size(); ++j)
            if (profile_.multiSelected[j] != 0) lights_[j] = profile_.multiSelectColour;
    }
    update();
}

void CZelkDialogBkLightSettings::writeToKeyboard()
{
    store();
    CZelkDialogProgress progress(profile_, this);
    progress.task = CZelkDialogProgress::kWriteLights;
    if (Prompts::current().runModal(progress) == QDialog::Accepted) Prompts::current().showMessage(QStringLiteral("OK!"), this);
    // The colours are in the profile either way; the caller sees the same result as for OK.
    done(QDialog::Accepted);
}

void CZelkDialogBkLightSettings::store() { profile_.keyLights = lights_; }
