// The file form of an ActionList: a List element with one x element per line.
#include "ActionList.h"

#include "ProfileFileNames.h"
#include "XmlDocument.h"

namespace names = ProfileFileNames;

bool ActionList::writeToXml(XmlDocument& document) const
{
    document.AddElement(names::kList);
    document.SetAttribute(names::kSizeOfView, SizeOfView);
    document.SetAttribute(names::kViewStartAt, ViewStartAt);
    document.SetAttribute(names::kCursorPos, CursorPos);
    document.SetAttribute(names::kCycles, Cycles);
    document.SetAttribute(names::kIsAutoInterval, IsAutoInterval ? 1 : 0);
    document.SetAttribute(names::kDelay, Delay);
    document.SetAttribute(names::kPlayMode, PlayMode);
    document.EnterElement();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        document.AddElement(names::kLine);
        document.SetAttribute(names::kId, static_cast<int>(i));
        document.SetAttribute(names::kLineText, lines[i]);
        document.EnterElement();
        children[i].writeToXml(document);
        document.LeaveElement();
    }
    document.LeaveElement();
    return true;
}
