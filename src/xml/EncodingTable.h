#pragma once

#include <span>
#include <string_view>

// Encoding names, the code page numbers they stand for, and the iconv converter behind each
// code page. The tables are data kept in EncodingTable.cpp; everything else reads them here.
class EncodingTable {
public:
    static constexpr int kSystemDefault = 0, kUtf16 = 1200, kUtf16BigEndian = 1201,
                         kUtf7 = 65000, kUtf8 = 65001, kUtf32 = 65005;

    struct NameEntry {
        std::string_view name;  // lower case, as stored
        int codePage;
    };
    struct IconvEntry {
        int codePage;
        const char* iconvName;
    };

    // Code page of an encoding name: names whose first six characters are exactly "UTF-32"
    // give kUtf32; otherwise the name table, compared after folding ASCII capitals;
    // names of 100 characters or more are never found; not found gives kSystemDefault (0).
    static int codePageOf(std::u16string_view name);

    // glibc iconv name for a code page; kSystemDefault is "WINDOWS-1252"; nullptr when
    // iconv has no converter for it (then callers treat it like the system default).
    static const char* iconvNameOf(int codePage);

    // Like iconvNameOf, but never null: code pages without a converter give the system
    // default's converter.
    static const char* iconvNameOrDefault(int codePage);

    // Whether the converter can tell that a character had no representation (false for
    // UTF-8, UTF-7, GB18030, HZ, the ISO-2022 family 50220-50222/50225/50227/50229 and the
    // ISCII code pages 57002-57011).
    static bool reportsLoss(int codePage);

    // The tables themselves, for whoever needs to walk them.
    static std::span<const NameEntry> names();
    static std::span<const IconvEntry> iconvNames();
};
