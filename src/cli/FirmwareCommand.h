#pragma once

#include "FileCommand.h"

#include <optional>
#include <vector>

// vornictamsk-cli firmware FILE: sends a firmware file to the keyboard.
class FirmwareCommand : public FileCommand {
public:
    std::string_view name() const override { return "firmware"; }
    std::string_view summary() const override { return "Write the firmware file FILE into the keyboard"; }
    std::string_view description() const override;

protected:
    int runOnFile(const File& file, CliContext& context) const override;

private:
    // The whole content of a regular file; nothing when it can't be read completely.
    static std::optional<std::vector<unsigned char>> readWhole(const std::string& name);
};
