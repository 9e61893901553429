#pragma once

// What the SetText fuzz target does with one input, shared with the regression test that
// replays every input the fuzzer ever failed on. Arbitrary bytes, read as UTF-16 units,
// become a document's text; the document is then walked, read and edited. Returns an empty
// string when every check holds, else what went wrong.
#include "DeclaredEncoding.h"
#include "XmlDocument.h"
#include "XmlIndexCheck.h"
#include "XmlTagScan.h"

#include <cstdint>
#include <random>
#include <string>

namespace XmlFuzzScenario {

inline std::string walk(XmlDocument& d)
{
    d.ResetPosition();
    int visited = 0;
    for (;;) {
        if (d.FindElement(u"")) {
            d.GetAttribute(u"a");
            d.GetAttribute(u"ID");
            if (++visited > 100000 || !d.EnterElement())
                return "walk does not end";
            continue;
        }
        if (!d.LeaveElement())
            return {};
    }
}

inline std::uint32_t hash(const std::uint8_t* data, std::size_t size)
{
    std::uint32_t h = 2166136261u;
    for (std::size_t i = 0; i < size; ++i)
        h = (h ^ data[i]) * 16777619u;
    return h;
}

inline std::string edit(XmlDocument& d, std::minstd_rand& random, std::u16string_view sample)
{
    static constexpr int kFlags[] = {0, 0x02, 0x04, 0x08, 0x2000, 0x02 | 0x2000, 0x01, 0x100};
    static constexpr std::u16string_view kNames[] = {u"a", u"ID", u"x", u"\u00e9l\u00e9ment", u"List"};
    const auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    for (int step = 0; step < 24; ++step) {
        const std::u16string_view name = kNames[pick(std::size(kNames))];
        const std::u16string_view value = sample.substr(0, pick(sample.size() + 1));
        switch (pick(8)) {
        case 0:
            d.AddElement(name, pick(2) ? value : std::u16string_view(), kFlags[pick(std::size(kFlags))]);
            break;
        case 1:
            d.AddChildElement(name, pick(2) ? value : std::u16string_view(), kFlags[pick(std::size(kFlags))]);
            break;
        case 2:
        case 3:
            if (d.SetAttribute(name, value) && d.GetAttribute(name) != value &&
                (d.Flags() & (XmlDocument::kTrimValues | XmlDocument::kCollapseValues)) == 0)
                return "attribute does not read back as written";
            break;
        case 4:
            d.FindElement(pick(2) ? name : std::u16string_view());
            break;
        case 5:
            d.EnterElement();
            break;
        case 6:
            d.LeaveElement();
            break;
        default:
            d.ResetPosition();
        }
    }
    return {};
}

// The fast scan for the end of a start tag may decline, but never answer differently.
inline std::string compareTagScans(std::u16string_view text)
{
    const auto n = static_cast<std::int32_t>(text.size());
    int tags = 0;
    for (std::int32_t i = 0; i < n; ++i) {
        // A careful scan may run to the end of the text; a few hundred tags tell enough.
        if (text[static_cast<std::size_t>(i)] != u'<' || ++tags > 256)
            continue;
        const XmlTagEnd careful = XmlTagScan::careful(text.data(), i + 1, n);
        for (auto scan : {XmlTagScan::quotedSse2, XmlTagScan::quotedAvx2}) {
            XmlTagEnd fast;
            if (scan == XmlTagScan::quotedAvx2 && !XmlTagScan::haveAvx2())
                continue;
            if (scan(text.data(), i + 1, n, fast) && (fast.close != careful.close || fast.empty != careful.empty))
                return "fast tag scan differs at " + std::to_string(i);
        }
    }
    return {};
}

inline std::string run(const std::uint8_t* data, std::size_t size)
{
    std::u16string text(size / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    if (std::string e = compareTagScans(text); !e.empty())
        return e;

    const std::uint32_t seed = hash(data, size);
    XmlDocument d;
    d.SetFlags(static_cast<int>(seed & (XmlDocument::kIgnoreCase | XmlDocument::kTrimValues)));
    d.SetText(text);
    if (std::string e = XmlIndexCheck::compare(d); !e.empty())
        return "index differs from the text after parsing: " + e;
    if (std::string e = walk(d); !e.empty())
        return e;

    const std::u16string_view sample = std::u16string_view(text).substr(0, 64);
    std::minstd_rand random(seed);
    if (std::string e = edit(d, random, sample); !e.empty())
        return e;
    if (std::string e = XmlIndexCheck::compare(d); !e.empty())
        return "index differs from the text after editing: " + e;
    if (std::string e = walk(d); !e.empty())
        return e;

    if (XmlDocument::DecodeEntities(XmlDocument::EncodeEntities(text, 0x100)) != text)
        return "attribute escaping does not round-trip";
    XmlDocument::DecodeEntities(text, 0x200);
    DeclaredEncoding(text);

    std::u16string report = d.GetReport();
    XmlDocument::AddReportEntry(report, u"fuzz", sample, XmlDocument::kReportMsg, 1, 2);
    const XmlDocument reread(report);
    if (reread.Index()[0].flags & XmlRecordFlag::kDocumentErrors)
        return "report is not well-formed";
    return {};
}

}  // namespace XmlFuzzScenario
