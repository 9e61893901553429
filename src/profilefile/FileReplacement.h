#pragma once

#include <functional>
#include <string>

// Replaces a file as a whole. The new content is written to a temporary file in the same
// folder, which is renamed over the old file only once it is complete, so a failed or
// interrupted save never leaves the old file damaged or missing. The new file keeps the old
// one's permissions (and owner, where the process may set it); a symbolic link stays a link
// and its target is replaced.
class FileReplacement {
public:
    // Writes the given temporary file, which already exists and is empty; true on success.
    using Writer = std::function<bool(const std::u16string& temporaryPath)>;

    // False, with the old file untouched and no temporary file left behind, when the path
    // can't name a file, the old file is not a regular file or may not be written, the
    // folder takes no new file, or the writer fails.
    static bool replace(const std::u16string& path, const Writer& write);
};
