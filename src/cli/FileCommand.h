#pragma once

#include "CliCommand.h"

#include <memory>
#include <string>

class ActionList;
class KeyboardProfile;

// A command that works on one file, its only argument.
class FileCommand : public CliCommand {
public:
    std::string_view arguments() const override { return "FILE"; }
    int run(const std::vector<std::string>& args, CliContext& context) const final;

protected:
    struct File {
        std::string name;     // as given, for messages
        std::u16string path;  // as the profile and XML code take it
    };

    virtual int runOnFile(const File& file, CliContext& context) const = 0;

    // A profile as the program has one once its window is open: catalogue filled, reset.
    static std::unique_ptr<KeyboardProfile> freshProfile();
    // A fresh profile loaded from the file; nullptr, with the error reported, when the file is
    // not a profile file or can't be read.
    static std::unique_ptr<KeyboardProfile> loadProfile(const File& file, CliContext& context);
    static int failToSave(const File& file, CliContext& context);
    // The UTF-8 form of a text for the output; control characters become spaces, so that every
    // entry stays on its line.
    static std::string outputText(std::u16string_view text);

private:
    int usageError(const std::string& message, CliContext& context) const;
};
