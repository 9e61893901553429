#include "ChildWindows.h"

#include "CZelkDialogBkLightSettings.h"
#include "CZelkDialogFirmwareUpdate.h"
#include "CZelkDialogKeyMapSettings.h"
#include "Prompts.h"

namespace {

template <typename Window>
int runWindow(KeyboardProfile& profile, QWidget* parent)
{
    Window window(profile, parent);
    return Prompts::current().runModal(window);
}

}  // namespace

int runKeyMapWindow(KeyboardProfile& profile, QWidget* parent)
{
    return runWindow<CZelkDialogKeyMapSettings>(profile, parent);
}

int runBacklightWindow(KeyboardProfile& profile, QWidget* parent)
{
    return runWindow<CZelkDialogBkLightSettings>(profile, parent);
}

int runFirmwareWindow(KeyboardProfile& profile, QWidget* parent)
{
    return runWindow<CZelkDialogFirmwareUpdate>(profile, parent);
}
