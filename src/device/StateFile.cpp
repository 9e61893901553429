#include "StateFile.h"

#include "StateFileFormat.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <pwd.h>
#include <string>
#include <system_error>
#include <unistd.h>

namespace {

// Far above the largest state the format allows (174 full 65536-value arrays), so a
// runaway file is rejected before it is read into memory.
constexpr std::uintmax_t kMaxFileBytes = 256u * 1024u * 1024u;

std::filesystem::path homeFolder()
{
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') return home;
    const passwd* entry = getpwuid(getuid());
    if (entry != nullptr && entry->pw_dir != nullptr) return entry->pw_dir;
    return std::filesystem::current_path();
}

bool writeAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

std::filesystem::path StateFile::defaultPath()
{
    const char* stateHome = std::getenv("XDG_STATE_HOME");
    std::filesystem::path base;
    if (stateHome != nullptr && *stateHome != '\0' && std::filesystem::path(stateHome).is_absolute())
        base = stateHome;
    else
        base = homeFolder() / ".local" / "state";
    return base / "vornictamsk" / "keyboard.state";
}

KeyboardState StateFile::load() const
{
    std::error_code error;
    std::uintmax_t size = std::filesystem::file_size(path_, error);
    if (error || size > kMaxFileBytes) return {};
    std::ifstream in(path_, std::ios::binary);
    if (!in) return {};
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return {};
    return StateFileFormat::parse(text).value_or(KeyboardState{});
}

bool StateFile::save(const KeyboardState& state) const
{
    std::error_code error;
    std::filesystem::path folder = path_.parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, error);
    if (error) return false;

    // Built piecewise: GCC 12 warns falsely (-Wrestrict) on "." + string at -O3.
    std::string name = ".";
    name += path_.filename().string();
    name += ".XXXXXX";
    std::string temporary = (folder / name).string();
    int fd = ::mkstemp(temporary.data());
    if (fd < 0) return false;
    bool written = writeAll(fd, StateFileFormat::format(state)) && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (written && std::rename(temporary.c_str(), path_.c_str()) == 0) return true;
    ::unlink(temporary.c_str());
    return false;
}
