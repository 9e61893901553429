#include "SimulatedKeyboard.h"

#include "FirmwareImage.h"
#include "MessageSink.h"

#include <algorithm>

namespace {

constexpr int kEmptyArray[] = {0, 0};

std::size_t valueCount(const KeyboardState::KeyArrays& keys)
{
    std::size_t count = 0;
    for (const auto& layer : keys)
        for (const auto& values : layer) count += values.size();
    return count;
}

}  // namespace

SimulatedKeyboard::SimulatedKeyboard() : statePath_(StateFile::defaultPath())
{
    // Posting is all the notification does, so it is safe from any thread, also from a
    // transfer that loses the keyboard while it holds the library.
    faults_.onConnectionChange([this](bool connected) {
        postMessage(deviceChangeWindow_.load(), kMsgDeviceChange, connected ? kDeviceArrival : kDeviceRemoveComplete, 0);
    });
}

bool SimulatedKeyboard::createDev() { return faults_.allows(DeviceCall::CreateDev); }

bool SimulatedKeyboard::DetectDevice() { return faults_.allows(DeviceCall::DetectDevice); }

bool SimulatedKeyboard::prepare()
{
    if (!faults_.allows(DeviceCall::Prepare)) return false;
    staged_ = {};
    return true;
}

bool SimulatedKeyboard::setKeyConfiguration(int layer, int keyIndex, const int* data, int count)
{
    if (!faults_.allows(DeviceCall::SetKeyConfiguration) || !KeyboardState::validLayer(layer)
        || !KeyboardState::validKey(keyIndex) || !KeyboardState::validArrayLength(count) || data == nullptr)
        return false;
    staged_[layer][keyIndex].assign(data, data + count);
    return true;
}

bool SimulatedKeyboard::writeKeyConfigurationToDev(WindowHandle window)
{
    if (!faults_.allows(DeviceCall::WriteKeyConfigurationToDev)) return false;
    const StateFile file = stateFile();
    return pacer_.run(window, TransferPacer::keyTransferTime(valueCount(staged_)), faults_, [&] {
        KeyboardState state = file.load();
        state.keys = staged_;
        return file.save(state);
    });
}

bool SimulatedKeyboard::readKeyDefinationFromDev(WindowHandle window)
{
    if (!faults_.allows(DeviceCall::ReadKeyDefinationFromDev)) return false;
    KeyboardState state = stateFile().load();
    return pacer_.run(window, TransferPacer::keyTransferTime(valueCount(state.keys)), faults_, [&] {
        snapshot_ = std::move(state.keys);
        return true;
    });
}

bool SimulatedKeyboard::getKeyConfiguration(int layer, int keyIndex, int* buffer, int capacity) const
{
    if (!faults_.allows(DeviceCall::GetKeyConfiguration) || !KeyboardState::validLayer(layer)
        || !KeyboardState::validKey(keyIndex) || buffer == nullptr || capacity < 0)
        return false;
    const std::vector<int>& values = snapshot_[layer][keyIndex];
    if (values.empty() || values.size() > static_cast<std::size_t>(capacity)) {
        // An empty key, and a key that does not fit, both arrive as the empty array, so a caller
        // never decodes a cut-off array or what an earlier call left in its buffer.
        std::copy_n(kEmptyArray, std::min(capacity, 2), buffer);
        return values.empty() && capacity >= 2;
    }
    std::copy(values.begin(), values.end(), buffer);
    return true;
}

bool SimulatedKeyboard::setKeyboardLightArea(const int* lights)
{
    if (!faults_.allows(DeviceCall::SetKeyboardLightArea) || lights == nullptr
        || !std::all_of(lights, lights + KeyboardState::kLightValues, KeyboardState::validLight))
        return false;
    pacer_.pause(TransferPacer::kLightTime);
    const StateFile file = stateFile();
    KeyboardState state = file.load();
    std::copy_n(lights, KeyboardState::kLightValues, state.lights.begin());
    return faults_.connected() && file.save(state);
}

bool SimulatedKeyboard::readKeyLightFromDev()
{
    if (!faults_.allows(DeviceCall::ReadKeyLightFromDev)) return false;
    pacer_.pause(TransferPacer::kLightTime);
    KeyboardState state = stateFile().load();
    if (!faults_.connected()) return false;
    lightSnapshot_ = state.lights;
    return true;
}

bool SimulatedKeyboard::getKeyboardLightArea(int* lights) const
{
    if (!faults_.allows(DeviceCall::GetKeyboardLightArea) || lights == nullptr) return false;
    std::copy(lightSnapshot_.begin(), lightSnapshot_.end(), lights);
    return true;
}

bool SimulatedKeyboard::ReadKeyboardVersion(char16_t* buffer) const
{
    if (!faults_.allows(DeviceCall::ReadKeyboardVersion) || buffer == nullptr) return false;
    // The stored text is printable ASCII of at most 63 characters, so it fits with its zero.
    std::string version = stateFile().load().version;
    std::copy(version.begin(), version.end(), buffer);
    buffer[version.size()] = u'\0';
    return true;
}

bool SimulatedKeyboard::WriteFirmwareToKeyboard(const unsigned char* bytes, std::size_t size, WindowHandle window)
{
    if (!faults_.allows(DeviceCall::WriteFirmwareToKeyboard) || (bytes == nullptr && size > 0)) return false;
    // Everything needed from the image is taken now: the caller frees it when the call returns.
    const FirmwareRecord record{size, FirmwareImage::crc32(bytes, size)};
    const std::optional<std::string> version = FirmwareImage::versionText(bytes, size);
    const StateFile file = stateFile();
    return pacer_.run(window, TransferPacer::firmwareTime(size), faults_, [&] {
        KeyboardState state = file.load();
        state.firmware = record;
        if (version) state.version = *version;
        return file.save(state);
    });
}

void SimulatedKeyboard::setStatePath(std::filesystem::path path)
{
    std::lock_guard lock(pathMutex_);
    statePath_ = std::move(path);
}

std::filesystem::path SimulatedKeyboard::statePath() const
{
    std::lock_guard lock(pathMutex_);
    return statePath_;
}

KeyboardState SimulatedKeyboard::storedState() const { return stateFile().load(); }

StateFile SimulatedKeyboard::stateFile() const { return StateFile(statePath()); }
