#pragma once

#include <array>
#include <string_view>

// The element and attribute names of profile files, as the files spell them. Writer and reader
// both take them from here.
namespace ProfileFileNames {

inline constexpr std::u16string_view kDeclaration = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";

inline constexpr std::u16string_view kRoot = u"VornicTamsk";
inline constexpr std::u16string_view kCombos = u"PredefinedCombo";
inline constexpr std::u16string_view kMacros = u"PredefinedMacro";
inline constexpr std::u16string_view kEmulations = u"PredefinedEmu";
inline constexpr std::u16string_view kLights = u"BackgroundLightSettings";
inline constexpr std::u16string_view kLight = u"AREA";
inline constexpr std::u16string_view kKeys = u"CurrentSettings";
inline constexpr std::u16string_view kKey = u"KEY";
inline constexpr std::u16string_view kKeyActions = u"ComboKey";

inline constexpr std::u16string_view kId = u"ID";
inline constexpr std::u16string_view kRed = u"Red";
inline constexpr std::u16string_view kGreen = u"Green";
inline constexpr std::u16string_view kBlue = u"Blue";
inline constexpr std::u16string_view kLevel = u"Level";
inline constexpr std::u16string_view kMode = u"Mode";
inline constexpr std::u16string_view kHwCode = u"HWCode";

// An ActionList: a List element whose x elements are its lines.
inline constexpr std::u16string_view kList = u"List";
inline constexpr std::u16string_view kLine = u"x";
inline constexpr std::u16string_view kLineText = u"t1";

inline constexpr std::u16string_view kSizeOfView = u"SizeOfView";
inline constexpr std::u16string_view kViewStartAt = u"ViewStartAt";
inline constexpr std::u16string_view kCursorPos = u"CursorPos";
inline constexpr std::u16string_view kCycles = u"Cycles";
inline constexpr std::u16string_view kIsAutoInterval = u"IsAutoInterval";
inline constexpr std::u16string_view kDelay = u"Delay";
inline constexpr std::u16string_view kPlayMode = u"PlayMode";

}  // namespace ProfileFileNames
