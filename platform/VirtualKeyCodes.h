// The Windows virtual-key codes the keyboard messages carry, so key codes mean the same on every system.
#pragma once

#include <cstdint>

namespace platform::vk {

inline constexpr std::uint8_t Back = 0x08;
inline constexpr std::uint8_t Tab = 0x09;
inline constexpr std::uint8_t Clear = 0x0C;
inline constexpr std::uint8_t Return = 0x0D;
inline constexpr std::uint8_t Shift = 0x10;
inline constexpr std::uint8_t Control = 0x11;
inline constexpr std::uint8_t Menu = 0x12;
inline constexpr std::uint8_t Pause = 0x13;
inline constexpr std::uint8_t Capital = 0x14;
inline constexpr std::uint8_t Kana = 0x15;
inline constexpr std::uint8_t Hangul = 0x15;
inline constexpr std::uint8_t Junja = 0x17;
inline constexpr std::uint8_t Final = 0x18;
inline constexpr std::uint8_t Hanja = 0x19;
inline constexpr std::uint8_t Kanji = 0x19;
inline constexpr std::uint8_t Escape = 0x1B;
inline constexpr std::uint8_t Convert = 0x1C;
inline constexpr std::uint8_t NonConvert = 0x1D;
inline constexpr std::uint8_t Accept = 0x1E;
inline constexpr std::uint8_t ModeChange = 0x1F;
inline constexpr std::uint8_t Space = 0x20;
inline constexpr std::uint8_t Prior = 0x21;
inline constexpr std::uint8_t Next = 0x22;
inline constexpr std::uint8_t End = 0x23;
inline constexpr std::uint8_t Home = 0x24;
inline constexpr std::uint8_t Left = 0x25;
inline constexpr std::uint8_t Up = 0x26;
inline constexpr std::uint8_t Right = 0x27;
inline constexpr std::uint8_t Down = 0x28;
inline constexpr std::uint8_t Select = 0x29;
inline constexpr std::uint8_t Print = 0x2A;
inline constexpr std::uint8_t Execute = 0x2B;
inline constexpr std::uint8_t Snapshot = 0x2C;
inline constexpr std::uint8_t Insert = 0x2D;
inline constexpr std::uint8_t Delete = 0x2E;
inline constexpr std::uint8_t Help = 0x2F;
// Digits and capital letters are their own character codes.
inline constexpr std::uint8_t Digit0 = 0x30;
inline constexpr std::uint8_t LetterA = 0x41;
inline constexpr std::uint8_t LeftWindows = 0x5B;
inline constexpr std::uint8_t RightWindows = 0x5C;
inline constexpr std::uint8_t Apps = 0x5D;
inline constexpr std::uint8_t Sleep = 0x5F;
inline constexpr std::uint8_t Numpad0 = 0x60;
inline constexpr std::uint8_t Multiply = 0x6A;
inline constexpr std::uint8_t Add = 0x6B;
inline constexpr std::uint8_t Separator = 0x6C;
inline constexpr std::uint8_t Subtract = 0x6D;
inline constexpr std::uint8_t Decimal = 0x6E;
inline constexpr std::uint8_t Divide = 0x6F;
inline constexpr std::uint8_t F1 = 0x70; // F1 to F24 follow one another
inline constexpr std::uint8_t NumLock = 0x90;
inline constexpr std::uint8_t Scroll = 0x91;
inline constexpr std::uint8_t LeftShift = 0xA0;
inline constexpr std::uint8_t RightShift = 0xA1;
inline constexpr std::uint8_t LeftControl = 0xA2;
inline constexpr std::uint8_t RightControl = 0xA3;
inline constexpr std::uint8_t LeftMenu = 0xA4;
inline constexpr std::uint8_t RightMenu = 0xA5;
inline constexpr std::uint8_t BrowserBack = 0xA6;
inline constexpr std::uint8_t BrowserForward = 0xA7;
inline constexpr std::uint8_t BrowserRefresh = 0xA8;
inline constexpr std::uint8_t BrowserStop = 0xA9;
inline constexpr std::uint8_t BrowserSearch = 0xAA;
inline constexpr std::uint8_t BrowserFavorites = 0xAB;
inline constexpr std::uint8_t BrowserHome = 0xAC;
inline constexpr std::uint8_t VolumeMute = 0xAD;
inline constexpr std::uint8_t VolumeDown = 0xAE;
inline constexpr std::uint8_t VolumeUp = 0xAF;
inline constexpr std::uint8_t MediaNextTrack = 0xB0;
inline constexpr std::uint8_t MediaPrevTrack = 0xB1;
inline constexpr std::uint8_t MediaStop = 0xB2;
inline constexpr std::uint8_t MediaPlayPause = 0xB3;
inline constexpr std::uint8_t LaunchMail = 0xB4;
inline constexpr std::uint8_t LaunchMediaSelect = 0xB5;
inline constexpr std::uint8_t LaunchApp1 = 0xB6;
inline constexpr std::uint8_t LaunchApp2 = 0xB7;
inline constexpr std::uint8_t Oem1 = 0xBA; // ;: on a US keyboard
inline constexpr std::uint8_t OemPlus = 0xBB;
inline constexpr std::uint8_t OemComma = 0xBC;
inline constexpr std::uint8_t OemMinus = 0xBD;
inline constexpr std::uint8_t OemPeriod = 0xBE;
inline constexpr std::uint8_t Oem2 = 0xBF; // /?
inline constexpr std::uint8_t Oem3 = 0xC0; // `~
inline constexpr std::uint8_t Oem4 = 0xDB; // [{
inline constexpr std::uint8_t Oem5 = 0xDC; // \|
inline constexpr std::uint8_t Oem6 = 0xDD; // ]}
inline constexpr std::uint8_t Oem7 = 0xDE; // '"
inline constexpr std::uint8_t Oem8 = 0xDF;
inline constexpr std::uint8_t Oem102 = 0xE2; // the extra key beside the left shift of ISO keyboards
inline constexpr std::uint8_t ProcessKey = 0xE5;
inline constexpr std::uint8_t Packet = 0xE7;
inline constexpr std::uint8_t Attn = 0xF6;
inline constexpr std::uint8_t CrSel = 0xF7;
inline constexpr std::uint8_t ExSel = 0xF8;
inline constexpr std::uint8_t EraseEof = 0xF9;
inline constexpr std::uint8_t Play = 0xFA;
inline constexpr std::uint8_t Zoom = 0xFB;
inline constexpr std::uint8_t NoName = 0xFC;
inline constexpr std::uint8_t Pa1 = 0xFD;
inline constexpr std::uint8_t OemClear = 0xFE;

// The generic code a side-specific modifier also stands for (shift, control or alt), or 0 for other keys.
inline std::uint8_t GenericModifierOf(std::uint8_t virtualKey) {
    switch (virtualKey) {
    case LeftShift:
    case RightShift:
        return Shift;
    case LeftControl:
    case RightControl:
        return Control;
    case LeftMenu:
    case RightMenu:
        return Menu;
    default:
        return 0;
    }
}

} // namespace platform::vk
