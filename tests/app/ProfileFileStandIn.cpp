// Stands in for the profile file library while it is not part of the build: saving writes a
// file and loading reads one, each reporting failure the way the real ones do, so the main
// window's Save and Open can be tested.
#include "KeyboardProfile.h"

#include <filesystem>
#include <fstream>

bool KeyboardProfile::saveProfileFile(const std::u16string& path)
{
    std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    out << "<VornicTamsk/>";
    return out.good();
}

bool KeyboardProfile::loadProfileFile(const std::u16string& path)
{
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return in.is_open() && std::filesystem::is_regular_file(std::filesystem::path(path));
}
