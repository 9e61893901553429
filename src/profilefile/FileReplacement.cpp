#include "FileReplacement.h"

#include "FilePath.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file a save really replaces: a link's final target, so the link itself survives.
std::string resolvedTarget(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error)))
        return path;
    const std::filesystem::path target = std::filesystem::canonical(path, error);
    return error ? std::string() : target.string();
}

// Creates a new, empty file beside `target` under a name no other file has. The umask applies
// to its permissions, as it would to a file saved the plain way.
int createTemporary(const std::string& target, std::string& name)
{
    const std::filesystem::path path(target);
    std::string hidden = ".";
    hidden += path.filename().string();
    hidden += '.';
    const std::string prefix = (path.parent_path() / hidden).string();
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%08x.tmp", static_cast<unsigned>(random()));
        name = prefix;
        name += suffix;
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Gives the temporary file the old file's permissions and, where allowed, its owner.
bool adoptAttributes(int fd, const struct stat& old)
{
    // Only a privileged process may give a file away; without that the permissions still apply.
    [[maybe_unused]] const int ownerKept = ::fchown(fd, old.st_uid, old.st_gid);
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// Makes the written content durable before it takes the old file's place.
bool flushToDisk(const std::string& name)
{
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fdatasync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

}  // namespace

bool FileReplacement::replace(const std::u16string& path, const Writer& write)
{
    const std::string native = FilePath::toNative(path);
    if (native.empty())
        return false;
    const std::string target = resolvedTarget(native);
    if (target.empty())
        return false;

    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && (!S_ISREG(old.st_mode) || ::access(target.c_str(), W_OK) != 0))
        return false;  // a read-only file stays as it is, as it would for a plain write

    std::string temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0)
        return false;
    const bool prepared = !exists || adoptAttributes(fd, old);
    const bool closed = ::close(fd) == 0;

    const std::optional<std::u16string> temporaryPath = FilePath::fromNative(temporary);
    const bool done = prepared && closed && temporaryPath && write(*temporaryPath) && flushToDisk(temporary)
                      && std::rename(temporary.c_str(), target.c_str()) == 0;
    if (!done)
        ::unlink(temporary.c_str());
    return done;
}
