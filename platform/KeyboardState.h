// The system's own view of the keyboard: which keys are down and which toggles are on, as the keyboard
// device asks for the modifier keys and the lock lights.
#pragma once

#include <cstdint>

namespace platform {

// The bits of a key's state: down while held, toggled flips on every fresh press (for the lock keys it
// is the lock light).
inline constexpr std::uint16_t KeyStateDown = 0x8000;
inline constexpr std::uint16_t KeyStateToggled = 0x0001;

// The state of a virtual key now. The left and right modifier keys (and the generic shift, control and
// alt codes) are down when the system says so or an event said so; the three lock keys report the
// system's lock state.
std::uint16_t GetKeyState(std::uint8_t virtualKey);

// Every key event the platform delivers goes through here first, so the state follows the messages.
// A side-specific modifier (left shift, right alt, ...) also moves its generic code (shift, alt, ...).
void RecordKeyEvent(std::uint8_t virtualKey, bool down, bool repeat);

// For key events that do not come from the keyboard (scripted play): a fresh press of a lock key
// switches the system's lock state as the real key would.
void SimulateLockKeyPress(std::uint8_t virtualKey);

// Forgets every recorded key (tests start from a known state).
void ResetRecordedKeys();

} // namespace platform
