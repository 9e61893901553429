#include "CZelkHWI.h"

#include "SimulatedKeyboard.h"

// Placeholder bodies until the simulated keyboard lands.
CZelkHWI::CZelkHWI() : keyboard_(std::make_unique<SimulatedKeyboard>()) {}
CZelkHWI::~CZelkHWI() = default;
bool CZelkHWI::__createDev() { return true; }
bool CZelkHWI::DetectDevice() { return true; }
bool CZelkHWI::prepare() { return true; }
bool CZelkHWI::setKeyConfiguration(int, int, const int*, int) { return true; }
bool CZelkHWI::writeKeyConfigurationToDev(WindowHandle) { return true; }
bool CZelkHWI::readKeyDefinationFromDev(WindowHandle) { return true; }
bool CZelkHWI::getKeyConfiguration(int, int, int* buffer, int capacity)
{
    if (capacity >= 2) { buffer[0] = 0; buffer[1] = 0; }
    return true;
}
bool CZelkHWI::setKeyboardLightArea(const int*) { return true; }
bool CZelkHWI::readKeyLightFromDev() { return true; }
bool CZelkHWI::getKeyboardLightArea(int* lights)
{
    for (int i = 0; i < kLightValues; ++i) lights[i] = 0;
    return true;
}
bool CZelkHWI::ReadKeyboardVersion(char16_t* buffer) { buffer[0] = 0; return false; }
bool CZelkHWI::WriteFirmwareToKeyboard(const unsigned char*, std::size_t, WindowHandle) { return false; }
SimulatedKeyboard& CZelkHWI::simulator() { return *keyboard_; }
