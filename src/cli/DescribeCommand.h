#pragma once

#include "FileCommand.h"

// vornictamsk-cli describe FILE: what a profile file holds, one line per item.
class DescribeCommand : public FileCommand {
public:
    std::string_view name() const override { return "describe"; }
    std::string_view summary() const override { return "List the assignments, lights and collections of FILE"; }
    std::string_view description() const override;

protected:
    int runOnFile(const File& file, CliContext& context) const override;

private:
    static void printAssignments(const KeyboardProfile& profile, std::ostream& out);
    static void printLights(const KeyboardProfile& profile, std::ostream& out);
    static void printCollection(std::string_view label, const ActionList& collection, std::ostream& out);
};
