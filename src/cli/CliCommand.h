#pragma once

#include "CliContext.h"

#include <string>
#include <string_view>
#include <vector>

// One command of the command-line tool. Each command is a class of its own, registered in
// CliTool.cpp; the dispatcher handles its name, its --help and its exit status.
class CliCommand {
public:
    virtual ~CliCommand() = default;

    virtual std::string_view name() const = 0;
    // One line for the tool's command list.
    virtual std::string_view summary() const = 0;
    // The arguments as the usage line shows them, after the command's name; empty for none.
    virtual std::string_view arguments() const = 0;
    // The body of the command's --help.
    virtual std::string_view description() const = 0;

    // Runs with the arguments after the command's name; returns the exit status.
    virtual int run(const std::vector<std::string>& args, CliContext& context) const = 0;
};
