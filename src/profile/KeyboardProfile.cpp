#include "KeyboardProfile.h"

// Placeholder bodies until the profile model lands.
KeyboardProfile::KeyboardProfile() = default;
KeyboardProfile::~KeyboardProfile() = default;
void KeyboardProfile::initCatalogue() { language = "en-US"; }
std::u16string KeyboardProfile::nameOfHostCode(int, bool) const { return u"-- --"; }
std::u16string KeyboardProfile::nameOfDeviceCode(int) const { return u"-- --"; }
std::u16string KeyboardProfile::kindName(int kind) const { return kindName(kind, language); }
std::u16string KeyboardProfile::kindName(int, const std::string&) const { return {}; }
void KeyboardProfile::resetProfile() {}
std::u16string KeyboardProfile::describeAssignment(int, int) const { return {}; }
bool KeyboardProfile::writeKeysToDevice(WindowHandle) { return true; }
bool KeyboardProfile::readKeysFromDevice(WindowHandle) { return true; }
bool KeyboardProfile::writeLightsToDevice() { return true; }
bool KeyboardProfile::readLightsFromDevice() { return true; }
int KeyboardProfile::deviceCodeOfItem(const std::u16string&) const { return 0; }
