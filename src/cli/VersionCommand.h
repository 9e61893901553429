#pragma once

#include "CliCommand.h"

// vornictamsk-cli version: prints the keyboard's firmware version.
class VersionCommand : public CliCommand {
public:
    std::string_view name() const override { return "version"; }
    std::string_view summary() const override { return "Print the keyboard's firmware version"; }
    std::string_view arguments() const override { return ""; }
    std::string_view description() const override;
    int run(const std::vector<std::string>& args, CliContext& context) const override;
};
