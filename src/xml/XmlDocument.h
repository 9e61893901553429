#pragma once

#include "XmlElementIndex.h"
#include "XmlTokenizer.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An XML document kept as one UTF-16 text plus an index of its elements. Reading moves a
// position through the elements by name; writing splices new markup into the text and keeps
// the index in step. Parsing never fails: problems go to the report, a text of small
// entries such as <lone_end_tag tagname="a" offset="12"/>.
class XmlDocument {
public:
    // Document flags.
    static constexpr int kUtf16Bom = 0x01;
    static constexpr int kUtf8Bom = 0x04;
    static constexpr int kIgnoreCase = 0x08;
    static constexpr int kReadStream = 0x10;
    static constexpr int kWriteStream = 0x20;
    static constexpr int kAppendStream = 0x40;
    static constexpr int kUtf16BigEndianBom = 0x80;
    static constexpr int kTrimValues = 0x100;
    static constexpr int kCollapseValues = 0x200;

    // Adding flags.
    static constexpr int kAddCdata = 0x01;
    static constexpr int kAddNoLineBreaks = 0x02;
    static constexpr int kAddSpacedEmpty = 0x04;
    static constexpr int kAddKeepReferences = 0x08;
    static constexpr int kAddStartTagOnly = 0x10;
    static constexpr int kAddEscapeQuotes = 0x100;
    static constexpr int kAddReplaceContent = 0x1000;  // not supported: such an add is refused
    static constexpr int kAddBefore = 0x2000;
    static constexpr int kAddChild = 0x4000;

    // Flags of AddReportEntry: where the text and the number go, and amending.
    static constexpr int kReportCount = 0x01;
    static constexpr int kReportType = 0x02;
    static constexpr int kReportN = 0x04;
    static constexpr int kReportEncoding = 0x08;
    static constexpr int kReportLength = 0x10;
    static constexpr int kReportAmend = 0x20;
    static constexpr int kReportMsg = 0x40;

    // Offsets are 32-bit; a longer text is refused rather than indexed wrongly.
    static constexpr std::size_t kMaxTextLength = 0x7FFFFFF0;
    static constexpr std::size_t kReportCap = 1000;

    XmlDocument() = default;
    explicit XmlDocument(std::u16string_view text) { SetText(text); }

    bool SetText(std::u16string_view text);
    // Makes room for a text of `textLength` characters and an index of `elements` elements in
    // all, for a caller that knows how large the document it builds will become: the text and
    // the index then take their memory once instead of growing step by step. Changes nothing
    // else. A parse (SetText, LoadFromFile) sizes the index afresh, so reserve after it.
    void Reserve(std::size_t textLength, std::int32_t elements);
    const std::u16string& GetText() const { return text_; }
    const std::u16string& GetReport() const { return report_; }
    bool CheckWellFormed() const;

    void ResetPosition();
    bool FindElement(std::u16string_view name);
    bool EnterElement();
    bool LeaveElement();

    bool AddElement(std::u16string_view name, std::u16string_view value = {}, int flags = 0);
    bool AddChildElement(std::u16string_view name, std::u16string_view value = {}, int flags = 0);
    bool SetAttribute(std::u16string_view name, std::u16string_view value);
    bool SetAttribute(std::u16string_view name, int value);
    std::u16string GetAttribute(std::u16string_view name) const;

    static std::u16string EncodeEntities(std::u16string_view text, int flags = 0);
    // The length of what EncodeEntities returns, without making it.
    static std::size_t EncodedLength(std::u16string_view text, int flags = 0);
    static std::u16string DecodeEntities(std::u16string_view text, int flags = 0);
    static void AddReportEntry(std::u16string& report, std::u16string_view entry, std::optional<std::u16string_view> text,
                               int flags, int number = -1, int number2 = -1);

    // Reading and writing whole files, in the encoding of their byte-order mark or declaration.
    bool LoadFromFile(const std::u16string& path);
    bool SaveToFile(const std::u16string& path);

    int Flags() const { return flags_; }
    void SetFlags(int flags) { flags_ = flags; }

    // The position and the index, for inspection.
    std::int32_t ParentPos() const { return parentPos_; }
    std::int32_t CurrentPos() const { return currentPos_; }
    std::int32_t ChildPos() const { return childPos_; }
    const XmlElementIndex& Index() const { return index_; }
    // The name token of an element's start tag.
    std::u16string_view TagName(std::int32_t record) const;

private:
    // The tag lengths of a new element's markup, which is composed into markup_ without its
    // line break.
    struct ElementMarkup {
        std::int32_t startTag = 0;
        std::int32_t endTag = 0;
    };
    static ElementMarkup composeElement(std::u16string& out, std::u16string_view name, std::u16string_view value,
                                        int flags);
    // Where and how a new element goes into the text: `before`, the element, `after`, and
    // with `closeParent` the end tag of the parent without its ">" ("</" and the name).
    struct Insertion {
        std::int32_t at = 0;  // -1: the parent's markup isn't what its record says
        std::int32_t removed = 0;
        std::u16string_view before;
        std::u16string_view after;
        bool closeParent = false;
        std::int32_t parentNameAt = 0;
        std::int32_t parentNameLength = 0;
        std::int32_t parentStartTag = -1;  // the parent's new tag lengths, when it was opened up
        std::int32_t parentEndTag = 0;
    };
    Insertion besideReference(std::int32_t ref, int flags) const;
    Insertion openingUp(std::int32_t parent, int flags) const;
    Insertion insideParent(std::int32_t parent, int flags) const;
    std::int32_t addRecord(std::int32_t parent, std::int32_t ref, std::int32_t start, const ElementMarkup& element,
                           std::int32_t length, int flags);
    // The markup of the element being added; kept, so adding takes no memory once it has some.
    std::u16string markup_;

    bool streaming() const { return (flags_ & (kReadStream | kWriteStream | kAppendStream)) != 0; }
    bool ignoreCase() const { return (flags_ & kIgnoreCase) != 0; }
    void parse();
    bool tagNameIs(std::int32_t record, std::u16string_view name) const;
    // Replaces `removed` characters at `at`; false (nothing changed) when the text would get too long.
    bool splice(std::int32_t at, std::int32_t removed, std::u16string_view inserted);
    // Replaces `removed` characters at `at` with room for `inserted` characters and returns
    // where they go; null (nothing changed) when the text would get too long.
    char16_t* openGap(std::int32_t at, std::int32_t removed, std::size_t inserted);
    std::int32_t skipWhiteSpaceToMarkup(std::int32_t at) const;
    void shiftRecords(std::int32_t enclosing, std::int32_t at, std::int32_t delta);
    bool followPath(std::int32_t enclosing);
    void shiftSubtree(std::int32_t root, std::int32_t delta);
    void linkAfter(std::int32_t parent, std::int32_t ref, std::int32_t record);
    void linkBefore(std::int32_t parent, std::int32_t ref, std::int32_t record);
    void linkLast(std::int32_t parent, std::int32_t record);

    std::u16string text_;
    std::u16string report_;
    std::int32_t parentPos_ = 0;
    std::int32_t currentPos_ = 0;
    std::int32_t childPos_ = 0;
    int flags_ = 0;
    XmlElementIndex index_;
    // Where markup left open at the end of the text begins (-1: none). Elements added at the
    // end of the document go before it, or the open markup would swallow them.
    std::int32_t openMarkupAt_ = -1;
    // The attributes of the element read or written last: readers ask for several in a row,
    // writers set several in a row. Any change of the text drops them, except an attribute
    // added after the last one, which joins them.
    mutable std::int32_t attributesOf_ = -1;
    mutable std::vector<XmlAttributeSpan> attributes_;
    mutable XmlAttributeSpan attributesEnd_;  // where a new attribute goes
    const std::vector<XmlAttributeSpan>& attributesOf(std::int32_t record, std::u16string_view tag) const;
    // The elements that enclose the last splice, by depth (path_[0] the root element). Splices
    // come in runs at the same place, so the next one finds its outer ancestors here and updates
    // them without chasing parent links one by one. Parents of existing elements never change
    // between parses, so an element found at its depth brings its whole ancestry with it.
    std::vector<std::int32_t> path_;
};
