#pragma once

// Texts shaped like the program's profile files, built and read the way the profile code
// builds and reads them, for benchmarking the XML engine.
#include "XmlDocument.h"

#include <cstdint>
#include <string>
#include <vector>

namespace XmlBenchProfiles {

struct Shape {
    const char* name;
    int entriesPerCollection;  // entries in each of the three collections
    int linesPerEntry;
    int keysWithMacro;         // KEY entries (of 174) that hold a macro
    int macroLines;
};

// A freshly reset profile; a typical one; the largest the program can make.
inline constexpr Shape kFresh{"fresh", 0, 0, 0, 0};
inline constexpr Shape kTypical{"typical", 3, 40, 20, 40};
inline constexpr Shape kLargest{"largest", 20, 799, 174, 799};
inline constexpr Shape kShapes[] = {kFresh, kTypical, kLargest};

inline std::u16string actionLine(int i)
{
    switch (i % 3) {
    case 0:
        return u"A Down";
    case 1:
        return u"<50 ms>";
    default:
        return u"A UP";
    }
}

struct Counts {
    std::int64_t elements = 0;
    std::int64_t attributes = 0;
};

// One List element with `lines` action lines, each holding an empty List.
inline void writeList(XmlDocument& d, int lines, int sizeOfView, Counts& c)
{
    d.AddElement(u"List");
    d.SetAttribute(u"SizeOfView", sizeOfView);
    d.SetAttribute(u"ViewStartAt", 0);
    d.SetAttribute(u"CursorPos", 0);
    d.SetAttribute(u"Cycles", 1);
    d.SetAttribute(u"IsAutoInterval", 0);
    d.SetAttribute(u"Delay", 30);
    d.SetAttribute(u"PlayMode", 0);
    c.elements += 1;
    c.attributes += 7;
    d.EnterElement();
    for (int i = 0; i < lines; ++i) {
        d.AddElement(u"x");
        d.SetAttribute(u"ID", i);
        d.SetAttribute(u"t1", actionLine(i));
        c.elements += 1;
        c.attributes += 2;
        d.EnterElement();
        writeList(d, 0, 0, c);
        d.LeaveElement();
    }
    d.LeaveElement();
}

inline void writeCollection(XmlDocument& d, const char16_t* section, const Shape& s, int sizeOfView, Counts& c)
{
    d.AddElement(section);
    d.EnterElement();
    d.AddElement(u"List");
    for (const char16_t* attribute : {u"SizeOfView", u"ViewStartAt", u"CursorPos", u"Cycles", u"IsAutoInterval",
                                      u"Delay", u"PlayMode"})
        d.SetAttribute(attribute, attribute[0] == u'S' ? sizeOfView : 0);
    c.elements += 2;
    c.attributes += 7;
    d.EnterElement();
    for (int e = 0; e < s.entriesPerCollection; ++e) {
        d.AddElement(u"x");
        d.SetAttribute(u"ID", e);
        d.SetAttribute(u"t1", u"entry " + std::u16string(1, static_cast<char16_t>(u'A' + e % 26)));
        c.elements += 1;
        c.attributes += 2;
        d.EnterElement();
        writeList(d, s.linesPerEntry, 0, c);
        d.LeaveElement();
    }
    d.LeaveElement();
    d.LeaveElement();
}

// Builds a whole profile the way the profile writer does; returns what it wrote.
inline Counts writeProfile(XmlDocument& d, const Shape& s)
{
    Counts c;
    d.SetText(u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n");
    d.AddElement(u"VornicTamsk");
    d.EnterElement();
    c.elements += 1;
    writeCollection(d, u"PredefinedCombo", s, 6, c);
    writeCollection(d, u"PredefinedMacro", s, 9, c);
    writeCollection(d, u"PredefinedEmu", s, 9, c);
    d.AddElement(u"BackgroundLightSettings");
    d.EnterElement();
    c.elements += 1;
    for (int k = 1; k <= 87; ++k) {
        d.AddElement(u"AREA");
        d.SetAttribute(u"ID", k);
        d.SetAttribute(u"Red", (k * 37) % 256);
        d.SetAttribute(u"Green", (k * 91) % 256);
        d.SetAttribute(u"Blue", (k * 13) % 256);
        c.elements += 1;
        c.attributes += 4;
    }
    d.LeaveElement();
    d.AddElement(u"CurrentSettings");
    d.EnterElement();
    c.elements += 1;
    for (int k = 1; k <= 87; ++k) {
        for (int layer = 0; layer < 2; ++layer) {
            const bool macro = (k - 1) * 2 + layer < s.keysWithMacro;
            d.AddElement(u"KEY");
            d.SetAttribute(u"ID", k);
            d.SetAttribute(u"Level", layer);
            d.SetAttribute(u"Mode", macro ? 3 : 0);
            d.SetAttribute(u"HWCode", k);
            d.EnterElement();
            d.AddElement(u"ComboKey");
            d.EnterElement();
            c.elements += 2;
            c.attributes += 4;
            writeList(d, macro ? s.macroLines : 0, 0, c);
            d.LeaveElement();
            d.LeaveElement();
        }
    }
    d.LeaveElement();
    d.LeaveElement();
    return c;
}

// Reads everything back the way the profile reader does. Returns a checksum of what it read.
inline std::int64_t number(const std::u16string& text)
{
    std::int64_t v = 0;
    bool negative = false;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        v = v * 10 + (text[i] - u'0');
    return negative ? -v : v;
}

inline std::int64_t readList(XmlDocument& d)
{
    if (!d.FindElement(u"List"))
        return 0;
    std::int64_t sum = 0;
    for (const char16_t* attribute : {u"SizeOfView", u"ViewStartAt", u"CursorPos", u"Cycles", u"IsAutoInterval",
                                      u"Delay", u"PlayMode"})
        sum += number(d.GetAttribute(attribute));
    d.EnterElement();
    while (d.FindElement(u"x")) {
        sum += number(d.GetAttribute(u"ID"));
        sum += static_cast<std::int64_t>(d.GetAttribute(u"t1").size());
        d.EnterElement();
        sum += readList(d);
        d.LeaveElement();
    }
    d.LeaveElement();
    return sum;
}

inline std::int64_t readProfile(XmlDocument& d)
{
    std::int64_t sum = 0;
    d.ResetPosition();
    d.FindElement(u"VornicTamsk");
    d.EnterElement();
    for (const char16_t* section : {u"PredefinedCombo", u"PredefinedMacro", u"PredefinedEmu"}) {
        d.FindElement(section);
        d.EnterElement();
        sum += readList(d);
        d.LeaveElement();
    }
    d.FindElement(u"BackgroundLightSettings");
    d.EnterElement();
    while (d.FindElement(u"AREA"))
        for (const char16_t* attribute : {u"ID", u"Red", u"Green", u"Blue"})
            sum += number(d.GetAttribute(attribute));
    d.LeaveElement();
    d.FindElement(u"CurrentSettings");
    d.EnterElement();
    while (d.FindElement(u"KEY")) {
        for (const char16_t* attribute : {u"ID", u"Level", u"Mode", u"HWCode"})
            sum += number(d.GetAttribute(attribute));
        d.EnterElement();
        d.FindElement(u"ComboKey");
        d.EnterElement();
        sum += readList(d);
        d.LeaveElement();
        d.LeaveElement();
    }
    d.LeaveElement();
    d.LeaveElement();
    return sum;
}

}  // namespace XmlBenchProfiles
