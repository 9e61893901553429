#pragma once

#include "FileCommand.h"

// vornictamsk-cli read FILE: reads the keys and lights from the keyboard into a profile file.
class ReadCommand : public FileCommand {
public:
    std::string_view name() const override { return "read"; }
    std::string_view summary() const override { return "Read the keys and lights from the keyboard into FILE"; }
    std::string_view description() const override;

protected:
    int runOnFile(const File& file, CliContext& context) const override;
};
