#include "ProfileDocumentSize.h"

#include "ProfileDocumentWriter.h"
#include "ProfileFileTestSupport.h"
#include "ProfileTestSupport.h"
#include "XmlDocument.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

namespace {

// The size must be exactly what the writer builds: too little and the text is copied as it
// grows, too much and memory is wasted.
TEST(ProfileDocumentSize, CountsExactlyWhatTheWriterBuilds)
{
    struct Case {
        const char* name;
        std::function<void(KeyboardProfile&)> shape;
    };
    const Case cases[] = {
        {"fresh", [](KeyboardProfile&) {}},
        {"macro collection entry", [](KeyboardProfile& p) {
             ActionList::selectOrAddDefault(p.predefinedMacro, listOf({u"A Down", u"<50 ms>", u"A UP"}));
         }},
        {"texts that need escaping", [](KeyboardProfile& p) {
             p.predefinedCombo = listOf({u"a & b", u"\"quoted\" 'too'", u"<>", u"&amp;", u""}, 6);
             p.assignment(3, 1).actions = listOf({u"\u4E2D\u6587", u"\U0001F600 smile", u"\xE9t\xE9"});
         }},
        {"numbers of every length and sign", [](KeyboardProfile& p) {
             p.keyLights[1] = {INT_MIN, INT_MAX, -1};
             p.keyLights[87] = {255, 10, 9};
             p.assignment(9, 0) = {42, -3, {}};
             p.assignment(87, 1) = {8, INT_MIN, {}};
             ActionList& list = p.assignment(1, 0).actions;
             list = listOf({u"x"}, -100);
             list.ViewStartAt = 1000000;
             list.CursorPos = -7;
             list.Cycles = 0;
             list.IsAutoInterval = true;
             list.Delay = INT_MAX;
             list.PlayMode = 2;
         }},
        {"lists nested three deep", [](KeyboardProfile& p) {
             ActionList inner = listOf({u"deep", u"deeper"});
             ActionList middle = listOf({u"m"});
             middle.storeChild(0, inner);
             p.predefinedEmulation = listOf({u"entry"});
             p.predefinedEmulation.storeChild(0, middle);
         }},
        {"long lists", [](KeyboardProfile& p) {
             std::vector<std::u16string> lines;
             for (int i = 0; i < 1200; ++i)
                 lines.push_back(i % 2 ? u"<" + widen(std::to_string(i)) + u" ms>" : u"Left SHIFT Down");
             for (int entry = 2; entry < 40; ++entry)
                 p.assignments[static_cast<std::size_t>(entry)].actions = listOf(lines);
         }},
    };
    for (const Case& c : cases) {
        auto profile = startedProfile();
        c.shape(*profile);
        XmlDocument document;
        ProfileDocumentWriter::write(*profile, document);
        const ProfileDocumentSize size = ProfileDocumentSize::of(*profile);
        EXPECT_EQ(size.textLength(), document.GetText().size()) << c.name;
        EXPECT_EQ(size.elements(), static_cast<std::size_t>(document.Index().nextFree() - 1)) << c.name;
    }
}

}  // namespace
