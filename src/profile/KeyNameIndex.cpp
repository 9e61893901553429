#include "KeyNameIndex.h"

#include "ActionLines.h"
#include "DecimalText.h"
#include "KeyboardProfile.h"

#include <climits>
#include <string_view>

namespace {

constexpr std::u16string_view kDelayMark = u"ms>";
using ActionLines::kPressSuffix;
using ActionLines::kReleaseSuffix;
constexpr int kNotFound = INT_MAX;

}  // namespace

KeyNameIndex::KeyNameIndex(const KeyboardProfile& profile) : profile_(profile)
{
    firstHostCode_.reserve(profile.keyNames.size());
    // keyNames is ordered by HostCode, so the first insertion of a name is its lowest code.
    for (const auto& [hostCode, name] : profile.keyNames)
        firstHostCode_.emplace(name, hostCode);
}

int KeyNameIndex::delayOfLine(const std::u16string& line)
{
    // The number sits between the leading "<" and the trailing " ms>".
    if (line.size() < ActionLines::kDelayFrameLength)
        return 0;
    return DecimalText::read(std::u16string_view(line).substr(1, line.size() - ActionLines::kDelayFrameLength));
}

int KeyNameIndex::deviceCodeOfItem(const std::u16string& line) const
{
    if (line.find(kDelayMark) != std::u16string::npos)
        return delayOfLine(line);

    // The line matches a name N when it is N, N + " UP" or N + " Down"; the lowest HostCode
    // among the names it matches wins, as a walk in catalogue order would find it.
    const std::u16string_view text(line);
    int hostCode = lowestHostCodeOf(line, kNotFound);
    if (text.ends_with(kReleaseSuffix))
        hostCode = lowestHostCodeOf(line.substr(0, line.size() - kReleaseSuffix.size()), hostCode);
    if (text.ends_with(kPressSuffix))
        hostCode = lowestHostCodeOf(line.substr(0, line.size() - kPressSuffix.size()), hostCode);

    if (hostCode < 0 || hostCode >= KeyboardProfile::kCodeTableSize)
        return 0;
    return profile_.deviceCodeOfHost[static_cast<std::size_t>(hostCode)];
}

int KeyNameIndex::lowestHostCodeOf(const std::u16string& name, int best) const
{
    const auto found = firstHostCode_.find(name);
    if (found == firstHostCode_.end())
        return best;
    return found->second < best ? found->second : best;
}
