#pragma once

#include <string_view>

class ActionList;
class ActionListReader;
class KeyboardProfile;
class XmlDocument;
struct ProfileContent;

// Reads the XML document of a profile file. Sections are found by searching forward, so they
// must come in the order the writer puts them; AREA and KEY elements may come in any order and
// a later one with the same ID (and Level) overwrites an earlier one. Elements naming a key
// outside 1..87 or a layer other than 0 and 1 are skipped.
class ProfileDocumentReader {
public:
    // Replaces the profile's collections, lights and assignments with what the document holds.
    // A document without a VornicTamsk root element is not a profile: false, and the profile
    // stays as it was.
    static bool load(XmlDocument& document, KeyboardProfile& profile);

    // The same into scratch content.
    static bool read(XmlDocument& document, ProfileContent& content);

private:
    static void readCollection(XmlDocument& document, ActionListReader& lists, std::u16string_view section,
                               ActionList& list);
    static void readLights(XmlDocument& document, ProfileContent& content);
    static void readKeys(XmlDocument& document, ActionListReader& lists, ProfileContent& content);
};
