#pragma once

#include <cstdint>

#include "gfx/bitmap.h"

namespace gfx {

// A colour as the skin and the component model write it: 0x00BBGGRR, or, when the top
// byte is 0xFF, one of the platform's system colours named by the low byte.
using Color = std::uint32_t;

enum class SystemColor : std::uint8_t {
    Window = 5,
    WindowText = 8,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonShadow = 16,
    GrayText = 17,
    ButtonText = 18,
    ButtonHighlight = 20,
    ThreeDDarkShadow = 21,
    ThreeDLight = 22,
};

[[nodiscard]] constexpr Color SysColor(SystemColor c) { return 0xFF000000u | static_cast<std::uint8_t>(c); }

inline constexpr Color clBtnFace = SysColor(SystemColor::ButtonFace);
inline constexpr Color clBtnShadow = SysColor(SystemColor::ButtonShadow);
inline constexpr Color clBtnHighlight = SysColor(SystemColor::ButtonHighlight);
inline constexpr Color clBtnText = SysColor(SystemColor::ButtonText);
inline constexpr Color clGrayText = SysColor(SystemColor::GrayText);
inline constexpr Color clWindow = SysColor(SystemColor::Window);
inline constexpr Color clWindowText = SysColor(SystemColor::WindowText);
inline constexpr Color clHighlight = SysColor(SystemColor::Highlight);
inline constexpr Color clHighlightText = SysColor(SystemColor::HighlightText);
inline constexpr Color cl3DLight = SysColor(SystemColor::ThreeDLight);
inline constexpr Color cl3DDkShadow = SysColor(SystemColor::ThreeDDarkShadow);
inline constexpr Color clBlack = 0x000000;
inline constexpr Color clWhite = 0xFFFFFF;

// The one conversion from a skin colour to an opaque pixel; system colours come from a
// fixed classic palette, and an unknown system colour index gives black.
[[nodiscard]] Pixel ColorToPixel(Color c);

// The reverse for an opaque pixel (alpha dropped): 0x00BBGGRR.
[[nodiscard]] constexpr Color PixelToColor(Pixel p) {
    return Color(PixelR(p)) | (Color(PixelG(p)) << 8) | (Color(PixelB(p)) << 16);
}

}  // namespace gfx
