#include "FirmwareCommand.h"

#include "CZelkHWI.h"

#include <filesystem>
#include <fstream>
#include <iterator>

std::string_view FirmwareCommand::description() const
{
    return "Reads the firmware file FILE whole and writes it into the keyboard. Keep the\n"
           "keyboard connected until it is done.";
}

int FirmwareCommand::runOnFile(const File& file, CliContext& context) const
{
    const std::optional<std::vector<unsigned char>> image = readWhole(file.name);
    if (!image)
        return context.fail("Can't open firmware file \"" + file.name + "\"");
    if (!context.device.__createDev())
        return context.fail("Keyboard is not connected");
    if (!context.device.WriteFirmwareToKeyboard(image->data(), image->size(), context.progressWindow))
        return context.fail("Firmware download failed.");
    context.out << "The Firmware is downloaded successfully.\n"
                   "Please keep the USB plug in until three indicator lights flash simultaneously.\n"
                   "Then firmware updated completely,pleased unplug the USB and plug in.\n";
    return 0;
}

std::optional<std::vector<unsigned char>> FirmwareCommand::readWhole(const std::string& name)
{
    // Only regular files: a device or a pipe might never end.
    std::error_code error;
    if (!std::filesystem::is_regular_file(name, error))
        return std::nullopt;
    std::ifstream in(name, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return bytes;
}
