#pragma once

#include "ActionList.h"
#include "KeyboardProfile.h"
#include "Utf8Reference.h"

#include <gtest/gtest.h>

#include <string>

namespace ProfileFileTest {

inline constexpr std::u16string_view kDeclaration = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";

// For failure messages: UTF-16 shown as UTF-8.
inline std::string utf8(std::u16string_view text) { return utf8Reference(text); }

inline std::u16string ascii16(std::string_view text) { return std::u16string(text.begin(), text.end()); }

// Every field of two lists and of all their children, with the path of the first difference.
inline testing::AssertionResult sameList(const ActionList& a, const ActionList& b, const std::string& path = "list")
{
    const auto differ = [&path](const char* field, long long x, long long y) {
        return testing::AssertionFailure() << path << "." << field << ": " << x << " vs " << y;
    };
    if (a.SizeOfView != b.SizeOfView) return differ("SizeOfView", a.SizeOfView, b.SizeOfView);
    if (a.ViewStartAt != b.ViewStartAt) return differ("ViewStartAt", a.ViewStartAt, b.ViewStartAt);
    if (a.CursorPos != b.CursorPos) return differ("CursorPos", a.CursorPos, b.CursorPos);
    if (a.Cycles != b.Cycles) return differ("Cycles", a.Cycles, b.Cycles);
    if (a.IsAutoInterval != b.IsAutoInterval) return differ("IsAutoInterval", a.IsAutoInterval, b.IsAutoInterval);
    if (a.Delay != b.Delay) return differ("Delay", a.Delay, b.Delay);
    if (a.PlayMode != b.PlayMode) return differ("PlayMode", a.PlayMode, b.PlayMode);
    if (a.lines.size() != b.lines.size() || a.children.size() != b.children.size())
        return differ("lines", static_cast<long long>(a.lines.size()), static_cast<long long>(b.lines.size()));
    for (std::size_t i = 0; i < a.lines.size(); ++i) {
        const std::string at = path + "[" + std::to_string(i) + "]";
        if (a.lines[i] != b.lines[i])
            return testing::AssertionFailure() << at << ": \"" << utf8(a.lines[i]) << "\" vs \"" << utf8(b.lines[i]) << "\"";
        if (testing::AssertionResult child = sameList(a.children[i], b.children[i], at); !child)
            return child;
    }
    return testing::AssertionSuccess();
}

// Collections, lights and all assignments of two profiles.
inline testing::AssertionResult sameContent(const KeyboardProfile& a, const KeyboardProfile& b)
{
    if (auto r = sameList(a.predefinedCombo, b.predefinedCombo, "predefinedCombo"); !r) return r;
    if (auto r = sameList(a.predefinedMacro, b.predefinedMacro, "predefinedMacro"); !r) return r;
    if (auto r = sameList(a.predefinedEmulation, b.predefinedEmulation, "predefinedEmulation"); !r) return r;
    for (int key = 0; key < KeyboardProfile::kKeyTableSize; ++key) {
        const KeyLight& x = a.keyLights[static_cast<std::size_t>(key)];
        const KeyLight& y = b.keyLights[static_cast<std::size_t>(key)];
        if (!(x == y))
            return testing::AssertionFailure() << "light of key " << key << ": " << x.Red << "," << x.Green << ","
                                               << x.Blue << " vs " << y.Red << "," << y.Green << "," << y.Blue;
    }
    for (int entry = 0; entry < KeyboardProfile::kEntryCount; ++entry) {
        const KeyAssignment& x = a.assignments[static_cast<std::size_t>(entry)];
        const KeyAssignment& y = b.assignments[static_cast<std::size_t>(entry)];
        const std::string at = "entry " + std::to_string(entry);
        if (x.kind != y.kind) return testing::AssertionFailure() << at << " kind: " << x.kind << " vs " << y.kind;
        if (x.code != y.code) return testing::AssertionFailure() << at << " code: " << x.code << " vs " << y.code;
        if (auto r = sameList(x.actions, y.actions, at); !r) return r;
    }
    return testing::AssertionSuccess();
}

}  // namespace ProfileFileTest
