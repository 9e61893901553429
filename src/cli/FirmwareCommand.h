#pragma once

#include "CZelkHWI.h"
#include "FileCommand.h"

#include <cstdint>
#include <optional>
#include <vector>

// vornictamsk-cli firmware FILE: sends a firmware file to the keyboard.
class FirmwareCommand : public FileCommand {
public:
    // A keyboard controller's flash holds well under a mebibyte; a larger file is not firmware
    // for it (a disk image chosen by mistake) and is not read into memory. The window program
    // draws the same line.
    static constexpr std::uintmax_t kMaxFileSize = CZelkHWI::kMaxFirmwareBytes;

    std::string_view name() const override { return "firmware"; }
    std::string_view summary() const override { return "Write the firmware file FILE into the keyboard"; }
    std::string_view description() const override;

protected:
    int runOnFile(const File& file, CliContext& context) const override;

private:
    // The whole content of a regular file of the given size, plus a zero byte; nothing when it
    // can't be read completely.
    static std::optional<std::vector<unsigned char>> readWhole(const std::string& name, std::uintmax_t size);
};
