#pragma once

#include "FileCommand.h"

// vornictamsk-cli write FILE: writes the keys and lights of a profile file into the keyboard.
class WriteCommand : public FileCommand {
public:
    std::string_view name() const override { return "write"; }
    std::string_view summary() const override { return "Write the keys and lights of FILE into the keyboard"; }
    std::string_view description() const override;

protected:
    int runOnFile(const File& file, CliContext& context) const override;
};
