#pragma once

#include "KeyboardState.h"

#include <filesystem>

// The file that keeps the simulated keyboard's memory between runs (format: StateFileFormat).
class StateFile {
public:
    explicit StateFile(std::filesystem::path path) : path_(std::move(path)) {}

    // $XDG_STATE_HOME/vornictamsk/keyboard.state; when XDG_STATE_HOME is unset, empty or not
    // an absolute path, ~/.local/state takes its place.
    static std::filesystem::path defaultPath();

    const std::filesystem::path& path() const { return path_; }

    // A missing, unreadable, damaged or truncated file reads as an empty keyboard.
    KeyboardState load() const;

    // Replaces the file as a whole (temporary file in the same folder, then rename), so a
    // reader sees the old or the new state, never a mixture. Creates the folder if needed.
    bool save(const KeyboardState& state) const;

private:
    std::filesystem::path path_;
};
