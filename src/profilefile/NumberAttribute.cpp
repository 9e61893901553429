#include "NumberAttribute.h"

#include "DecimalText.h"

int NumberAttribute::parse(std::u16string_view text)
{
    return DecimalText::read(text, DecimalText::Blanks::XmlSpace);
}
