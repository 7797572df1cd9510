// System cursors made from cursor files, shown and animated at the rate their file asks for.
#pragma once

#include "platform/CursorFile.h"

#include <string>

struct SDL_Cursor;

namespace platform {

// A cursor the platform keeps for the rest of the process, as the system keeps cursors loaded from
// files: handles stay valid until exit, and the video system frees the native cursors when it shuts down.
struct LoadedCursor {
    CursorAnimation animation;
    // One per frame, made when the cursor is first shown with the video system running (a cursor may be
    // loaded before the window exists).
    mutable std::vector<SDL_Cursor*> native;
};

using CursorHandle = const LoadedCursor*;

// The cursor of a ".ani" or ".cur" file; null when the file is missing or malformed.
CursorHandle LoadCursorFromFile(const std::string& path);
// The system arrow, the fallback for every cursor that cannot be loaded.
CursorHandle ArrowCursor();
// Makes the cursor current; an animated one starts at its first step.
void ShowCursor(CursorHandle cursor);
// Moves the current animated cursor on to the step its clock has reached; cheap, meant for every frame.
void AnimateCursor();

} // namespace platform
