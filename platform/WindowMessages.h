// Window message codes with their Windows meanings: the shell and the input devices read messages as the
// game was designed to, whatever the operating system underneath.
#pragma once

#include <cstdint>

namespace platform {

class Window;

using WParam = std::uintptr_t;
using LParam = std::intptr_t;

// One message as the window procedure receives it.
struct Message {
    Window* window = nullptr;
    std::uint32_t code = 0;
    WParam wParam = 0;
    LParam lParam = 0;
};

// The low and high 16-bit words of an lParam, as WM_SIZE and the mouse messages pack them.
inline int LowWord(LParam value) {
    return static_cast<int>(static_cast<std::uint32_t>(value) & 0xFFFFu);
}
inline int HighWord(LParam value) {
    return static_cast<int>((static_cast<std::uint32_t>(value) >> 16) & 0xFFFFu);
}
inline LParam MakeLParam(int low, int high) {
    return static_cast<LParam>((static_cast<std::uint32_t>(low) & 0xFFFFu) |
                               ((static_cast<std::uint32_t>(high) & 0xFFFFu) << 16));
}

} // namespace platform

inline constexpr std::uint32_t WM_CREATE = 0x0001;
inline constexpr std::uint32_t WM_DESTROY = 0x0002;
inline constexpr std::uint32_t WM_SIZE = 0x0005;
inline constexpr std::uint32_t WM_PAINT = 0x000F;
inline constexpr std::uint32_t WM_CLOSE = 0x0010;
inline constexpr std::uint32_t WM_QUIT = 0x0012;
inline constexpr std::uint32_t WM_ACTIVATEAPP = 0x001C;
inline constexpr std::uint32_t WM_KEYDOWN = 0x0100;
inline constexpr std::uint32_t WM_KEYUP = 0x0101;
inline constexpr std::uint32_t WM_SYSKEYDOWN = 0x0104;
inline constexpr std::uint32_t WM_SYSKEYUP = 0x0105;
inline constexpr std::uint32_t WM_MOUSEMOVE = 0x0200;
inline constexpr std::uint32_t WM_LBUTTONDOWN = 0x0201;
inline constexpr std::uint32_t WM_LBUTTONUP = 0x0202;
inline constexpr std::uint32_t WM_RBUTTONDOWN = 0x0204;
inline constexpr std::uint32_t WM_RBUTTONUP = 0x0205;
inline constexpr std::uint32_t WM_MBUTTONDOWN = 0x0207;
inline constexpr std::uint32_t WM_MBUTTONUP = 0x0208;
inline constexpr std::uint32_t WM_MOUSEWHEEL = 0x020A;
inline constexpr std::uint32_t WM_XBUTTONDOWN = 0x020B;
inline constexpr std::uint32_t WM_XBUTTONUP = 0x020C;
inline constexpr std::uint32_t WM_USER = 0x0400;

// The extra buttons of WM_XBUTTONDOWN/UP, in the high word of wParam.
inline constexpr std::uint32_t XBUTTON1 = 0x0001;
inline constexpr std::uint32_t XBUTTON2 = 0x0002;
// One notch of the wheel, in the high word of WM_MOUSEWHEEL's wParam.
inline constexpr int WHEEL_DELTA = 120;
