#include "CZelkHWI.h"

#include "KeyboardState.h"
#include "SimulatedKeyboard.h"

static_assert(CZelkHWI::kLightValues == KeyboardState::kLightValues);
static_assert(CZelkHWI::kVersionChars == KeyboardState::kMaxVersionChars + 1);

CZelkHWI::CZelkHWI() : keyboard_(std::make_unique<SimulatedKeyboard>()) {}

CZelkHWI::~CZelkHWI() = default;

bool CZelkHWI::__createDev()
{
    std::lock_guard lock(mutex_);
    return keyboard_->createDev();
}

bool CZelkHWI::DetectDevice()
{
    // No lock: the presence query touches nothing a transfer uses.
    return keyboard_->DetectDevice();
}

void CZelkHWI::setDeviceChangeWindow(WindowHandle window) { keyboard_->setDeviceChangeWindow(window); }

bool CZelkHWI::prepare()
{
    std::lock_guard lock(mutex_);
    return keyboard_->prepare();
}

bool CZelkHWI::setKeyConfiguration(int layer, int keyIndex, const int* data, int count)
{
    std::lock_guard lock(mutex_);
    return keyboard_->setKeyConfiguration(layer, keyIndex, data, count);
}

bool CZelkHWI::writeKeyConfigurationToDev(WindowHandle window)
{
    std::lock_guard lock(mutex_);
    return keyboard_->writeKeyConfigurationToDev(window);
}

bool CZelkHWI::readKeyDefinationFromDev(WindowHandle window)
{
    std::lock_guard lock(mutex_);
    return keyboard_->readKeyDefinationFromDev(window);
}

bool CZelkHWI::getKeyConfiguration(int layer, int keyIndex, int* buffer, int capacity)
{
    std::lock_guard lock(mutex_);
    return keyboard_->getKeyConfiguration(layer, keyIndex, buffer, capacity);
}

bool CZelkHWI::setKeyboardLightArea(const int* lights)
{
    std::lock_guard lock(mutex_);
    return keyboard_->setKeyboardLightArea(lights);
}

bool CZelkHWI::readKeyLightFromDev()
{
    std::lock_guard lock(mutex_);
    return keyboard_->readKeyLightFromDev();
}

bool CZelkHWI::getKeyboardLightArea(int* lights)
{
    std::lock_guard lock(mutex_);
    return keyboard_->getKeyboardLightArea(lights);
}

bool CZelkHWI::ReadKeyboardVersion(char16_t* buffer)
{
    std::lock_guard lock(mutex_);
    return keyboard_->ReadKeyboardVersion(buffer);
}

bool CZelkHWI::WriteFirmwareToKeyboard(const unsigned char* bytes, std::size_t size, WindowHandle window)
{
    std::lock_guard lock(mutex_);
    return keyboard_->WriteFirmwareToKeyboard(bytes, size, window);
}

SimulatedKeyboard& CZelkHWI::simulator() { return *keyboard_; }
