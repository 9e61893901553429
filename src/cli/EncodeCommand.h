#pragma once

#include "FileCommand.h"

// vornictamsk-cli encode FILE: the arrays that writing FILE would send to the keyboard.
class EncodeCommand : public FileCommand {
public:
    std::string_view name() const override { return "encode"; }
    std::string_view summary() const override { return "Print the key arrays that writing FILE would send"; }
    std::string_view description() const override;

protected:
    int runOnFile(const File& file, CliContext& context) const override;
};
