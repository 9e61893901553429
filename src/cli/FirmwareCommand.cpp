#include "FirmwareCommand.h"

#include "CZelkHWI.h"

#include <filesystem>
#include <fstream>

std::string_view FirmwareCommand::description() const
{
    return "Reads the firmware file FILE whole and writes it into the keyboard. Keep the\n"
           "keyboard connected until it is done.";
}

int FirmwareCommand::runOnFile(const File& file, CliContext& context) const
{
    // Only regular files: a device or a pipe might never end.
    std::error_code error;
    const bool regular = std::filesystem::is_regular_file(file.name, error);
    const std::uintmax_t size = regular ? std::filesystem::file_size(file.name, error) : 0;
    if (!regular || error)
        return context.fail("Can't open firmware file \"" + file.name + "\"");
    if (size > kMaxFileSize)
        return context.fail("Firmware file \"" + file.name + "\" is too large (more than 64 MiB)");
    const std::optional<std::vector<unsigned char>> image = readWhole(file.name, size);
    if (!image)
        return context.fail("Can't open firmware file \"" + file.name + "\"");
    if (!context.device.__createDev())
        return context.fail("Keyboard is not connected");
    if (!context.device.WriteFirmwareToKeyboard(image->data(), static_cast<std::size_t>(size), context.progressWindow))
        return context.fail("Firmware download failed.");
    context.out << "The Firmware is downloaded successfully.\n"
                   "Please keep the USB plug in until three indicator lights flash simultaneously.\n"
                   "Then firmware updated completely,pleased unplug the USB and plug in.\n";
    return 0;
}

std::optional<std::vector<unsigned char>> FirmwareCommand::readWhole(const std::string& name, std::uintmax_t size)
{
    std::ifstream in(name, std::ios::binary);
    if (!in)
        return std::nullopt;
    // One byte more than the file, so even an empty file has bytes to point at.
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size) + 1, 0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    // A file that changed size meanwhile is not sent cut short or padded.
    if (static_cast<std::uintmax_t>(in.gcount()) != size || in.peek() != std::ifstream::traits_type::eof())
        return std::nullopt;
    return bytes;
}
