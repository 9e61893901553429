#pragma once

// Arbitrary bytes as a profile file: loaded through a file the way a user's file arrives, then
// checked. A load that fails must leave the profile exactly as it was; a load that succeeds
// must give content that survives a save and a load unchanged. Shared by the fuzz target and
// the regression test that replays what the fuzzer once found.
#include "KeyboardProfile.h"
#include "ProfileDocumentReader.h"
#include "ProfileDocumentWriter.h"
#include "XmlDocument.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace ProfileLoadScenario {

inline bool sameList(const ActionList& a, const ActionList& b)
{
    if (a.SizeOfView != b.SizeOfView || a.ViewStartAt != b.ViewStartAt || a.CursorPos != b.CursorPos
        || a.Cycles != b.Cycles || a.IsAutoInterval != b.IsAutoInterval || a.Delay != b.Delay || a.PlayMode != b.PlayMode
        || a.lines != b.lines || a.children.size() != b.children.size())
        return false;
    for (std::size_t i = 0; i < a.children.size(); ++i)
        if (!sameList(a.children[i], b.children[i]))
            return false;
    return true;
}

inline bool sameContent(const KeyboardProfile& a, const KeyboardProfile& b)
{
    if (!sameList(a.predefinedCombo, b.predefinedCombo) || !sameList(a.predefinedMacro, b.predefinedMacro)
        || !sameList(a.predefinedEmulation, b.predefinedEmulation) || a.keyLights != b.keyLights)
        return false;
    for (std::size_t i = 0; i < a.assignments.size(); ++i) {
        const KeyAssignment& x = a.assignments[i];
        const KeyAssignment& y = b.assignments[i];
        if (x.kind != y.kind || x.code != y.code || !sameList(x.actions, y.actions))
            return false;
    }
    return true;
}

// A reset profile with a few marks, so that a change by a failed load shows.
inline void markedProfile(KeyboardProfile& profile)
{
    profile.resetProfile();
    profile.keyLights[1] = {1, 2, 3};
    profile.assignment(2, 1).kind = 7;
    profile.predefinedMacro.setOrAppend(ActionList::kAppendRow, u"mark");
}

// One file for the whole run, in the temporary folder.
inline const std::string& scratchFile()
{
    static const std::string path = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "vt-loadprofile-XXXXXX").string();
        const int fd = ::mkstemp(pattern.data());
        if (fd >= 0)
            ::close(fd);
        return pattern;
    }();
    return path;
}

// Empty when all is well, else what went wrong.
inline std::string run(const std::uint8_t* data, std::size_t size)
{
    const std::string& path = scratchFile();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
        return "can't write the scratch file " + path;

    auto profile = std::make_unique<KeyboardProfile>();
    markedProfile(*profile);
    const bool loaded = profile->loadProfileFile(std::u16string(path.begin(), path.end()));
    if (!loaded) {
        auto untouched = std::make_unique<KeyboardProfile>();
        markedProfile(*untouched);
        return sameContent(*profile, *untouched) ? "" : "a failed load changed the profile";
    }

    XmlDocument written;
    ProfileDocumentWriter::write(*profile, written);
    XmlDocument reread;
    reread.SetText(written.GetText());
    auto again = std::make_unique<KeyboardProfile>();
    if (!ProfileDocumentReader::load(reread, *again))
        return "a saved profile doesn't load";
    return sameContent(*profile, *again) ? "" : "a loaded profile changes when saved and loaded again";
}

}  // namespace ProfileLoadScenario
