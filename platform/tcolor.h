// Colour values as the class library stores them: 0x00BBGGRR, or a system colour when the top
// bit is set, its index in the low bits.
#pragma once

#include <QColor>
#include <cstdint>

class QPalette;

using TColor = std::uint32_t;

constexpr TColor clWindowText = 0x80000008;
constexpr TColor clBtnFace = 0x8000000F;
constexpr TColor cl3DDkShadow = 0x80000015;
constexpr TColor cl3DLight = 0x80000016;

// The colour to draw with. System colours come from the palette: 3-D dark shadow is Shadow,
// 3-D light is Midlight, window text is WindowText, and any other is the button face.
QColor resolveColor(TColor color, const QPalette& palette);
