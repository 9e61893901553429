#include "EncodeCommand.h"

#include "KeyTransferArray.h"
#include "KeyboardProfile.h"

std::string_view EncodeCommand::description() const
{
    return "Loads the profile file FILE and prints, for every key that would be sent to the\n"
           "keyboard (layer 0 keys 1 to 87 first, then layer 1), the layer, a tab, the\n"
           "KeyIndex, a tab and the key's array as comma-separated integers.";
}

int EncodeCommand::runOnFile(const File& file, CliContext& context) const
{
    const auto profile = loadProfile(file, context);
    if (!profile)
        return 1;
    const KeyTransferArray arrays(*profile);
    for (int layer = 0; layer < 2; ++layer) {
        for (int key = 1; key <= KeyboardProfile::kKeyCount; ++key) {
            const std::vector<int> array = arrays.encode(key, layer);
            if (array.empty())
                continue;
            context.out << layer << '\t' << key << '\t';
            for (std::size_t i = 0; i < array.size(); ++i)
                context.out << (i > 0 ? "," : "") << array[i];
            context.out << '\n';
        }
    }
    return 0;
}
