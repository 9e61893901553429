// Saving and loading profile files: the document mapping plus the step to and from the file.
#include "KeyboardProfile.h"

#include "FileReplacement.h"
#include "ProfileDocumentReader.h"
#include "ProfileDocumentWriter.h"
#include "XmlDocument.h"

bool KeyboardProfile::saveProfileFile(const std::u16string& path)
{
    XmlDocument document;
    ProfileDocumentWriter::write(*this, document);
    return FileReplacement::replace(path, [&document](const std::u16string& temporary) {
        return document.SaveToFile(temporary);
    });
}

bool KeyboardProfile::loadProfileFile(const std::u16string& path)
{
    XmlDocument document;
    // Parse problems don't stop the reader: it takes whatever elements were indexed. A file
    // that can't be read gives no elements, so the reader finds no root and reports failure.
    document.LoadFromFile(path);
    return ProfileDocumentReader::load(document, *this);
}
