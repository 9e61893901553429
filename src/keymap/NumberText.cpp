#include "NumberText.h"

#include "DecimalText.h"

int NumberText::read(std::u16string_view text)
{
    return DecimalText::read(text);
}

NumberText::Bounded NumberText::bound(int value, const Bounds& bounds)
{
    if (bounds.maximum && value > *bounds.maximum) return {*bounds.maximum, true};
    if (bounds.minimum && value < *bounds.minimum) return {*bounds.minimum, true};
    return {value, false};
}
