#pragma once

#include "FileCommand.h"

// vornictamsk-cli new FILE: saves a freshly reset profile.
class NewCommand : public FileCommand {
public:
    std::string_view name() const override { return "new"; }
    std::string_view summary() const override { return "Save an empty profile to FILE"; }
    std::string_view description() const override;

protected:
    int runOnFile(const File& file, CliContext& context) const override;
};
