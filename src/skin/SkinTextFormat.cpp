#include "SkinTextFormat.h"

#include <QString>

namespace SkinTextFormat {

int toQtFlags(std::uint32_t format)
{
    int flags = 0;
    if (format & Center) flags |= Qt::AlignHCenter;
    else if (format & Right) flags |= Qt::AlignRight;
    else flags |= Qt::AlignLeft;

    // Vertical placement works on a single line only; text of several lines stays at the top.
    if ((format & SingleLine) && (format & VCenter)) flags |= Qt::AlignVCenter;
    else if ((format & SingleLine) && (format & Bottom)) flags |= Qt::AlignBottom;
    else flags |= Qt::AlignTop;

    if (format & SingleLine) flags |= Qt::TextSingleLine;
    if (format & WordBreak) flags |= Qt::TextWordWrap;
    if (format & NoClip) flags |= Qt::TextDontClip;
    return flags;
}

QString toQtText(const std::u16string& caption)
{
    QString text = QString::fromStdU16String(caption);
    text.remove(QLatin1Char('\r'));
    return text;
}

}  // namespace SkinTextFormat
