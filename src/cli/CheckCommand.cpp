#include "CheckCommand.h"

#include "XmlDocument.h"

namespace {

// Whether the report says the file itself could not be read (rather than parsed).
bool fileFailed(const std::u16string& report)
{
    XmlDocument entries;
    entries.SetText(report);
    return entries.FindElement(u"file_error");
}

}  // namespace

std::string_view CheckCommand::description() const
{
    return "Loads FILE as an XML document and prints the report of reading and parsing it:\n"
           "the encoding, conversions, and every problem with its offset. The exit status is\n"
           "0 only when the document is well-formed.";
}

int CheckCommand::runOnFile(const File& file, CliContext& context) const
{
    XmlDocument document;
    const bool wellFormed = document.LoadFromFile(file.path);
    context.out << outputText(document.GetReport()) << '\n';
    if (wellFormed)
        return 0;
    if (fileFailed(document.GetReport()))
        return context.fail("Can't read \"" + file.name + "\"");
    return context.fail("\"" + file.name + "\" is not well-formed XML");
}
