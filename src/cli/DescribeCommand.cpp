#include "DescribeCommand.h"

#include "KeyboardProfile.h"

std::string_view DescribeCommand::description() const
{
    return "Loads the profile file FILE and prints, tab-separated:\n"
           "  every assigned key, layer 0 keys 1 to 87 first, then layer 1:\n"
           "    KeyIndex, layer, kind, assignment\n"
           "  every key whose light is not black:\n"
           "    light, KeyIndex, red, green, blue\n"
           "  every entry of the combination, macro and emulation collections:\n"
           "    combo|macro|emulation, name, its lines joined with \" | \"";
}

int DescribeCommand::runOnFile(const File& file, CliContext& context) const
{
    const auto profile = loadProfile(file, context);
    if (!profile)
        return 1;
    printAssignments(*profile, context.out);
    printLights(*profile, context.out);
    printCollection("combo", profile->predefinedCombo, context.out);
    printCollection("macro", profile->predefinedMacro, context.out);
    printCollection("emulation", profile->predefinedEmulation, context.out);
    return 0;
}

void DescribeCommand::printAssignments(const KeyboardProfile& profile, std::ostream& out)
{
    for (int layer = 0; layer < 2; ++layer) {
        for (int key = 1; key <= KeyboardProfile::kKeyCount; ++key) {
            const int kind = profile.assignment(key, layer).kind;
            if (kind <= Kind::NotSet)
                continue;
            out << key << '\t' << layer << '\t' << outputText(profile.kindName(kind, "en-US")) << '\t'
                << outputText(profile.describeAssignment(key, layer)) << '\n';
        }
    }
}

void DescribeCommand::printLights(const KeyboardProfile& profile, std::ostream& out)
{
    for (int key = 1; key <= KeyboardProfile::kKeyCount; ++key) {
        const KeyLight& light = profile.keyLights[static_cast<std::size_t>(key)];
        if (light == KeyLight{})
            continue;
        out << "light\t" << key << '\t' << light.Red << '\t' << light.Green << '\t' << light.Blue << '\n';
    }
}

void DescribeCommand::printCollection(std::string_view label, const ActionList& collection, std::ostream& out)
{
    for (std::size_t i = 0; i < collection.lines.size(); ++i)
        out << label << '\t' << outputText(collection.lines[i]) << '\t' << outputText(collection.children[i].joinedLines(u" | "))
            << '\n';
}
