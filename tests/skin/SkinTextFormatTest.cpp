#include "SkinTextFormat.h"

#include <QString>

#include <gtest/gtest.h>

namespace {
struct FormatCase {
    std::uint32_t format;
    int flags;
};
}  // namespace

TEST(SkinTextFormat, FormatsBecomeQtFlags)
{
    const FormatCase cases[] = {
        {0x0, Qt::AlignLeft | Qt::AlignTop},
        {0x1, Qt::AlignHCenter | Qt::AlignTop},
        {0x2, Qt::AlignRight | Qt::AlignTop},
        {0x4, Qt::AlignLeft | Qt::AlignTop},  // vertical centring needs a single line
        {0x24, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine},
        {0x28, Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine},
        {0x11, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap},
        {0x101, Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip},
    };
    for (const FormatCase& c : cases) EXPECT_EQ(SkinTextFormat::toQtFlags(c.format), c.flags) << c.format;
}

TEST(SkinTextFormat, CarriageReturnsAreDropped)
{
    EXPECT_EQ(SkinTextFormat::toQtText(u"Tip:Right of mouse\r\nrecord list."),
              QStringLiteral("Tip:Right of mouse\nrecord list."));
}
