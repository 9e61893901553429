#include "CZelkDialogBkLightMultiSelect.h"

#include "BacklightKeys.h"
#include "KeyboardProfile.h"
#include "Prompts.h"

#include <algorithm>

CZelkDialogBkLightMultiSelect::CZelkDialogBkLightMultiSelect(KeyboardProfile& profile, QWidget* parent)
    : CSkinDialog(SkinStyle::of(SkinWindow::BkLightMultiSelect), profile.language, parent), profile_(profile)
{
}

const std::vector<SkinButton>& CZelkDialogBkLightMultiSelect::records()
{
    static const std::vector<SkinButton> table = [] {
        // Label ids lie outside the key ids: labels are in this window's click scan.
        std::vector<SkinButton> t = {
            SkinButton::button(kCloseId, {985, 9, 1018, 45}),
            SkinButton::button(kSetColourId, {450, 46, 602, 80}),
            SkinButton::label(200, {450, 13, 602, 45}, u"多键设置面板", u"Set Multi Key"),
            SkinButton::label(201, {440, 50, 592, 80}, u"设置", u"Set Color"),
        };
        const std::vector<SkinButton> keys = BacklightKeys::records();
        t.insert(t.end(), keys.begin(), keys.end());
        return t;
    }();
    return table;
}

void CZelkDialogBkLightMultiSelect::initDialog()
{
    // Fresh records: every key starts unselected, as the caller cleared multiSelected.
    std::copy(records().begin(), records().end(), buttonTable.begin());
    lights_ = profile_.multiSelectLights;
}

ColorRef CZelkDialogBkLightMultiSelect::keyLightColour(int keyIndex) const
{
    return KeyLightColour::toColorRef(lights_[static_cast<std::size_t>(keyIndex)]);
}

void CZelkDialogBkLightMultiSelect::buttonClicked(SkinButton& button)
{
    if (BacklightKeys::isKey(button)) return toggle(button);
    if (button.id == kCloseId) done(QDialog::Rejected);
    else if (button.id == kSetColourId) chooseColour();
}

void CZelkDialogBkLightMultiSelect::toggle(SkinButton& key)
{
    key.checked = !key.checked;
    profile_.multiSelected[static_cast<std::size_t>(key.keyIndex)] = key.checked ? 1 : 0;
    update();
}

void CZelkDialogBkLightMultiSelect::chooseColour()
{
    const std::optional<QColor> chosen = Prompts::current().chooseColour(QColor(0, 0, 0), this);
    if (!chosen) return;  // the window stays open, the selection as it was
    profile_.multiSelectColour = KeyLightColour::fromQColor(*chosen);
    done(QDialog::Accepted);
}
