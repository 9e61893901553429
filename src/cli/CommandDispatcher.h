#pragma once

#include "CliCommand.h"

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// Chooses the command named by the first argument and runs it, or shows help:
//   vornictamsk-cli --help | -h | help [command]
//   vornictamsk-cli <command> --help | -h
// Exit status 0 on success; otherwise one line on the error stream and status 1.
class CommandDispatcher {
public:
    static constexpr std::string_view kProgram = "vornictamsk-cli";

    void add(std::unique_ptr<CliCommand> command);
    int dispatch(const std::vector<std::string>& args, CliContext& context) const;

private:
    const CliCommand* find(std::string_view name) const;
    int help(const std::vector<std::string>& args, CliContext& context) const;
    void printToolHelp(std::ostream& out) const;
    static void printCommandHelp(const CliCommand& command, std::ostream& out);

    std::vector<std::unique_ptr<CliCommand>> commands_;
};
