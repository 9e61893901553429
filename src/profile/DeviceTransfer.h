#pragma once

#include "KeyTransferArray.h"
#include "KeyboardProfile.h"
#include "WindowHandle.h"

#include <array>
#include <vector>

// Moves assignments and lights between the profile and a keyboard device. Written against the
// calls of the device library only, so the same code drives the real library and any stand-in
// with the same calls (tests record what was sent).
//
// Every call is made as the transfer order requires; a call that reports failure makes the
// operation return false. A read that fails leaves the profile's data as it was rather than
// filling it with whatever the library had lying in its buffers.
template <class Device>
class DeviceTransfer {
public:
    static constexpr int kLightValues = 3 * KeyboardProfile::kKeyCount;

    DeviceTransfer(KeyboardProfile& profile, Device& device) : profile_(profile), device_(device) {}

    bool writeKeys(WindowHandle window)
    {
        bool ok = device_.prepare();
        const KeyTransferArray arrays(profile_);
        for (int layer = 0; layer < 2; ++layer) {
            for (int key = 1; key <= KeyboardProfile::kKeyCount; ++key) {
                const std::vector<int> array = arrays.encode(key, layer);
                if (array.empty())
                    continue;  // "Not set": the keyboard keeps its own default
                ok = device_.setKeyConfiguration(layer, key, array.data(), static_cast<int>(array.size())) && ok;
            }
        }
        return device_.writeKeyConfigurationToDev(window) && ok;
    }

    bool readKeys(WindowHandle window)
    {
        if (!device_.readKeyDefinationFromDev(window))
            return false;
        std::vector<int> buffer(KeyTransferArray::kCapacity);
        bool ok = true;
        for (int layer = 0; layer < 2; ++layer) {
            for (int key = 1; key <= KeyboardProfile::kKeyCount; ++key) {
                if (!device_.getKeyConfiguration(layer, key, buffer.data(), KeyTransferArray::kCapacity)) {
                    ok = false;
                    continue;
                }
                KeyTransferArray::decode(profile_, key, layer, buffer.data(), KeyTransferArray::kCapacity);
            }
        }
        return ok;
    }

    bool writeLights()
    {
        const std::array<int, kLightValues> values = lightsOfProfile();
        return device_.setKeyboardLightArea(values.data());
    }

    bool readLights()
    {
        if (!device_.readKeyLightFromDev())
            return false;
        // Start from the current lights, so values the library does not deliver stay as they were.
        std::array<int, kLightValues> values = lightsOfProfile();
        if (!device_.getKeyboardLightArea(values.data()))
            return false;
        for (int key = 1; key <= KeyboardProfile::kKeyCount; ++key) {
            const int* rgb = values.data() + 3 * (key - 1);
            profile_.keyLights[static_cast<std::size_t>(key)] = KeyLight{rgb[0], rgb[1], rgb[2]};
        }
        return true;
    }

private:
    std::array<int, kLightValues> lightsOfProfile() const
    {
        std::array<int, kLightValues> values{};
        for (int key = 1; key <= KeyboardProfile::kKeyCount; ++key) {
            const KeyLight& light = profile_.keyLights[static_cast<std::size_t>(key)];
            int* rgb = values.data() + 3 * (key - 1);
            rgb[0] = light.Red;
            rgb[1] = light.Green;
            rgb[2] = light.Blue;
        }
        return values;
    }

    KeyboardProfile& profile_;
    Device& device_;
};
