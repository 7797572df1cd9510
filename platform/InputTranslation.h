// Turns the system's mouse and keyboard events into window messages with their Windows meanings.
#pragma once

#include "platform/WindowMessages.h"

#include <vector>

union SDL_Event;

namespace platform {

// Appends the messages an input event stands for (none for events that are not input).
void TranslateInputEvent(const SDL_Event& event, Window* window, std::vector<Message>& messages);

} // namespace platform
