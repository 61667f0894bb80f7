#pragma once

#include <cstdint>

namespace platform {

// Virtual key codes, with the values the component model's keyboard messages carry so that
// handlers written against them read the same.
enum class Key : int {
    None = 0,
    Back = 8,
    Tab = 9,
    Return = 13,
    Shift = 16,
    Control = 17,
    Alt = 18,
    Escape = 27,
    Space = 32,
    PageUp = 33,
    PageDown = 34,
    End = 35,
    Home = 36,
    Left = 37,
    Up = 38,
    Right = 39,
    Down = 40,
    Insert = 45,
    Delete = 46,
    Digit0 = '0',
    A = 'A',
    F1 = 112,
    F10 = 121,
};

// The key of a letter or digit ('a' and 'A' give the same key).
[[nodiscard]] constexpr Key LetterKey(char c) { return static_cast<Key>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c); }

// Modifier keys and mouse buttons held during an input event, combined with |.
enum ShiftState : unsigned {
    ssNone = 0,
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64,
};

enum class MouseButton { Left, Right, Middle };

// The held-button flag that belongs to a button.
[[nodiscard]] constexpr ShiftState ButtonState(MouseButton b) {
    return b == MouseButton::Left ? ssLeft : b == MouseButton::Right ? ssRight : ssMiddle;
}

// Pointer shapes a control or a frame area can ask for.
enum class Cursor {
    Default,
    Arrow,
    HandPoint,
    IBeam,
    Wait,
    SizeAll,
    SizeWE,
    SizeNS,
    SizeNWSE,
    SizeNESW,
};

// Answers of a window's hit test, with the numbers the component model uses.
enum class HitTest : int {
    Nowhere = 0,
    Client = 1,
    Caption = 2,
    Left = 10,
    Right = 11,
    Top = 12,
    TopLeft = 13,
    TopRight = 14,
    Bottom = 15,
    BottomLeft = 16,
    BottomRight = 17,
    Object = 19,
};

// True for the eight codes that resize a window.
[[nodiscard]] constexpr bool IsSizingEdge(HitTest h) {
    const int v = static_cast<int>(h);
    return v >= 10 && v <= 17;
}

}  // namespace platform
