#include "KeyTransferArray.h"

#include "ActionLines.h"
#include "KeyCatalogue.h"
#include "KeyboardProfile.h"

#include <algorithm>
#include <string>

namespace {

// Forms: the first element of every array.
constexpr int kFormCodes = 0;
constexpr int kFormEmulation = 1;
constexpr int kFormMacro = 2;

// Elements before the lines of each form.
constexpr int kCodesHeader = 2;
constexpr int kEmulationHeader = 3;
constexpr int kMacroHeader = 6;

// The keyboard has no double-click code of its own: it receives two left clicks.
constexpr int kDoubleClickCode = 199;
constexpr int kMouseKeyLeftCode = 130;

// Lines that fit behind a header of the given size without passing the capacity.
int linesThatFit(const ActionList& actions, int header)
{
    return std::min(actions.lineCount(), KeyTransferArray::kCapacity - header);
}

// A single code read back names its kind by the range it lies in.
int kindOfSingleCode(int code)
{
    for (const KindCodeRange& range : KeyCatalogue::kindCodeRanges()) {
        if (code >= range.firstKeyCode && code <= range.lastKeyCode)
            return range.kind;
    }
    return Kind::Single;
}

// A list as it comes back from the keyboard: the defaults with the given view size.
ActionList readBackList(int viewRows)
{
    ActionList list;
    list.SizeOfView = viewRows;
    return list;
}

// Clamps a count read from the array to [0, available]: a corrupt count never reaches past
// the elements actually delivered.
int clampCount(int count, long long available)
{
    if (count <= 0 || available <= 0)
        return 0;
    return static_cast<int>(std::min<long long>(count, available));
}

// The result of decoding one array; fields the result does not name stay as they were.
struct Decoded {
    int kind = Kind::NotSet;
    bool hasCode = false;
    int code = 0;
    bool hasActions = false;
    ActionList actions;
};

class Decoder {
public:
    Decoder(const KeyboardProfile& profile, const int* buffer, int count)
        : profile_(profile), buffer_(buffer), count_(buffer ? std::max(count, 0) : 0)
    {
    }

    Decoded run() const
    {
        switch (at(0)) {
        case kFormCodes: return codes();
        case kFormEmulation: return emulation();
        case kFormMacro: return macro();
        default: return {};
        }
    }

private:
    // Header elements beyond the delivered count read as 0, which decodes as "Not set".
    int at(long long i) const { return i < count_ ? buffer_[i] : 0; }

    void appendName(ActionList& list, long long i) const
    {
        list.append(profile_.nameOfDeviceCode(at(i)));
    }

    Decoded codes() const
    {
        const int n = clampCount(at(1), static_cast<long long>(count_) - kCodesHeader);
        Decoded result;
        if (n == 0)
            return result;
        if (n == 1) {
            result.code = at(2);
            result.kind = kindOfSingleCode(result.code);
            result.hasCode = true;
            return result;
        }
        if (n == 2 && at(2) == kMouseKeyLeftCode && at(3) == kMouseKeyLeftCode) {
            result.kind = Kind::Mouse;
            result.code = kDoubleClickCode;
            result.hasCode = true;
            return result;
        }
        result.kind = Kind::Combo;
        result.hasActions = true;
        result.actions = readBackList(ActionLines::kComboViewRows);
        for (int k = 0; k < n; ++k)
            appendName(result.actions, kCodesHeader + k);
        return result;
    }

    Decoded emulation() const
    {
        const int n = clampCount(at(2), static_cast<long long>(count_) - kEmulationHeader);
        Decoded result;
        if (n == 0)
            return result;
        result.kind = Kind::Emulation;
        result.hasActions = true;
        result.actions = readBackList(ActionLines::kListViewRows);
        result.actions.Delay = at(1);
        for (int k = 0; k < n; ++k)
            appendName(result.actions, kEmulationHeader + k);
        return result;
    }

    Decoded macro() const
    {
        const bool autoInterval = at(3) == 0;
        // With recorded delays, event k sits at 6 + 2k and its delay just before it.
        const long long room = static_cast<long long>(count_) - kMacroHeader;
        const int m = clampCount(at(5), autoInterval ? room : (room + 1) / 2);
        Decoded result;
        if (m == 0)
            return result;
        result.kind = Kind::Macro;
        result.hasActions = true;
        ActionList& list = result.actions = readBackList(ActionLines::kListViewRows);
        list.PlayMode = at(1);
        list.Cycles = at(2);
        list.IsAutoInterval = autoInterval;
        list.Delay = at(4);
        for (int k = 0; k < m; ++k) {
            if (autoInterval) {
                appendName(list, kMacroHeader + k);
                continue;
            }
            if (k > 0)
                list.append(ActionLines::delayLine(at(kMacroHeader - 1 + 2LL * k)));
            appendName(list, kMacroHeader + 2LL * k);
        }
        return result;
    }

    const KeyboardProfile& profile_;
    const int* buffer_;
    int count_;
};

}  // namespace

KeyTransferArray::KeyTransferArray(const KeyboardProfile& profile) : profile_(profile), names_(profile) {}

std::vector<int> KeyTransferArray::encode(const KeyboardProfile& profile, int keyIndex, int layer)
{
    return KeyTransferArray(profile).encode(keyIndex, layer);
}

std::vector<int> KeyTransferArray::encode(int keyIndex, int layer) const
{
    if (!KeyboardProfile::hasEntry(keyIndex, layer))
        return {};
    const KeyAssignment& entry = profile_.assignment(keyIndex, layer);
    const ActionList& list = entry.actions;

    if (entry.kind <= Kind::NotSet)
        return {};
    if (entry.kind == Kind::Mouse && entry.code == kDoubleClickCode)
        return {kFormCodes, 2, kMouseKeyLeftCode, kMouseKeyLeftCode};
    if (entry.kind != Kind::Combo && entry.kind != Kind::Emulation && entry.kind != Kind::Macro)
        return {kFormCodes, 1, entry.code};  // single codes, and kinds only a file can hold

    std::vector<int> out;
    int n = 0;
    if (entry.kind == Kind::Combo) {
        n = linesThatFit(list, kCodesHeader);
        out = {kFormCodes, n};
    } else if (entry.kind == Kind::Emulation) {
        n = linesThatFit(list, kEmulationHeader);
        out = {kFormEmulation, list.Delay, n};
    } else {
        n = linesThatFit(list, kMacroHeader);
        // A cut macro with recorded delays still ends on an event, so its event count and
        // its lines agree.
        if (!list.IsAutoInterval && n < list.lineCount() && n % 2 == 0)
            --n;
        out = {kFormMacro,
               list.PlayMode,
               list.PlayMode == 0 ? list.Cycles : 0,
               list.IsAutoInterval ? 0 : 1,
               list.IsAutoInterval ? list.Delay : 0,
               list.IsAutoInterval ? n : (n + 1) / 2};
    }
    out.reserve(out.size() + static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k)
        out.push_back(names_.deviceCodeOfItem(list.lines[static_cast<std::size_t>(k)]));
    return out;
}

void KeyTransferArray::decode(KeyboardProfile& profile, int keyIndex, int layer, const int* buffer, int count)
{
    if (!KeyboardProfile::hasEntry(keyIndex, layer))
        return;
    Decoded result = Decoder(profile, buffer, count).run();
    KeyAssignment& entry = profile.assignment(keyIndex, layer);
    entry.kind = result.kind;
    if (result.hasCode)
        entry.code = result.code;
    if (result.hasActions)
        entry.actions = std::move(result.actions);
}
