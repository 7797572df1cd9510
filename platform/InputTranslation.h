// Turns the system's mouse and keyboard events into window messages with their Windows meanings.
#pragma once

#include "platform/CursorPosition.h"
#include "platform/WindowMessages.h"

#include <cstdint>
#include <vector>

union SDL_Event;

namespace platform {

// Appends the messages an input event stands for (none for events that are not input).
void TranslateInputEvent(const SDL_Event& event, Window* window, std::vector<Message>& messages);

// The Windows virtual-key code of a key, from SDL's scancode, key code and modifier state; 0 for keys
// a Windows keyboard has no code for. Modifiers come out side-specific (left shift, right alt, ...).
std::uint8_t VirtualKeyOf(int scancode, int keycode, std::uint16_t modifiers);

// The messages of one key event as Windows sends them, after recording it in the system's key state:
// WM_KEYDOWN/WM_KEYUP, or WM_SYSKEYDOWN/WM_SYSKEYUP while alt is held; the side-specific modifiers
// arrive as their generic codes (shift, control, alt); a held key repeats its down message.
void AppendKeyMessages(Window* window, std::uint8_t virtualKey, bool down, bool repeat,
                       std::vector<Message>& messages);

// The mouse buttons as the messages number them: 0 left, 1 right, 2 middle, 3 and 4 the extra buttons.
void AppendButtonMessage(Window* window, int button, bool down, Point client, std::vector<Message>& messages);
// Wheel turns in 1/120 of a notch, positive away from the player.
void AppendWheelMessage(Window* window, int delta, Point screen, std::vector<Message>& messages);
void AppendMoveMessage(Window* window, Point client, std::vector<Message>& messages);

} // namespace platform
