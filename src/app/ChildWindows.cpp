#include "ChildWindows.h"

#include "CSkinDialog.h"
#include "KeyboardProfile.h"
#include "Prompts.h"

namespace {

constexpr int kCloseId = 89;

// Stands in for a window that is not part of this build yet: its name and a close button on a
// plain skinned face.
class PlaceholderWindow final : public CSkinDialog {
public:
    PlaceholderWindow(SkinWindow window, std::u16string chinese, std::u16string english, KeyboardProfile& profile,
                      QWidget* parent)
        : CSkinDialog(SkinStyle::of(window), profile.language, parent),
          chinese_(std::move(chinese)),
          english_(std::move(english))
    {
    }

protected:
    void initDialog() override
    {
        buttonTable[0] = SkinButton::button(kCloseId, {300, 8, 325, 33});
        buttonTable[1] = SkinButton::label(1, {20, 30, 320, 50}, chinese_, english_);
    }

    void buttonClicked(SkinButton& button) override
    {
        if (button.id == kCloseId) done(QDialog::Rejected);
    }

private:
    std::u16string chinese_;
    std::u16string english_;
};

int runPlaceholder(SkinWindow window, std::u16string chinese, std::u16string english, KeyboardProfile& profile,
                   QWidget* parent)
{
    PlaceholderWindow dialog(window, std::move(chinese), std::move(english), profile, parent);
    return Prompts::current().runModal(dialog);
}

}  // namespace

int runKeyMapWindow(KeyboardProfile& profile, QWidget* parent)
{
    return runPlaceholder(SkinWindow::KeyMapSettings, u"按键设置", u"Key settings", profile, parent);
}

int runBacklightWindow(KeyboardProfile& profile, QWidget* parent)
{
    return runPlaceholder(SkinWindow::BkLightSettings, u"背光设置", u"Backlight settings", profile, parent);
}

int runFirmwareWindow(KeyboardProfile& profile, QWidget* parent)
{
    return runPlaceholder(SkinWindow::FirmwareUpdate, u"固件升级", u"Firmware update", profile, parent);
}
