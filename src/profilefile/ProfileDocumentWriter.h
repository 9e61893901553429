#pragma once

#include <string_view>

class ActionList;
class KeyboardProfile;
class XmlDocument;

// Builds the XML document of a profile file: the declaration, then the collections, the
// lights and every assignment, one element per line.
class ProfileDocumentWriter {
public:
    static void write(const KeyboardProfile& profile, XmlDocument& document);

private:
    static void writeCollection(XmlDocument& document, std::u16string_view section, const ActionList& list);
    static void writeLights(const KeyboardProfile& profile, XmlDocument& document);
    static void writeKeys(const KeyboardProfile& profile, XmlDocument& document);
};
