#pragma once

#include "FileCommand.h"

// vornictamsk-cli check FILE: loads FILE as an XML document and prints the engine's report.
class CheckCommand : public FileCommand {
public:
    std::string_view name() const override { return "check"; }
    std::string_view summary() const override { return "Check that FILE is well-formed XML and print the report"; }
    std::string_view description() const override;

protected:
    int runOnFile(const File& file, CliContext& context) const override;
};
