// The game's named mouse cursors, loaded on first use from ".ani" or ".cur" files in one folder.
#pragma once

#include "platform/CursorFileLoader.h"

#include <map>
#include <string>

namespace Vorn {

// SetCursor(name) loads "<directory>/<name>.ani", else "<name>.cur", else takes the system arrow, and
// remembers the answer under the name for the rest of the run, even when it fell back; asking for the
// current cursor again does nothing, so callers may ask every frame.
class CursorSet {
public:
    explicit CursorSet(std::string directory);
    ~CursorSet() { Release(); }
    CursorSet(const CursorSet&) = delete;
    CursorSet& operator=(const CursorSet&) = delete;

    void SetCursor(const std::string& name);
    // Steps the current cursor's animation; call once per frame.
    void Animate() const { platform::AnimateCursor(); }
    // Forgets the names; the cursors themselves stay with the platform until exit.
    void Release();

    // The cursor remembered under a name, or null before the name was first asked for.
    platform::CursorHandle HandleOf(const std::string& name) const;
    platform::CursorHandle Fallback() const { return fallback; }
    const std::string& Current() const { return current; }

private:
    platform::CursorHandle Load(const std::string& name) const;

    std::string directory;
    std::string current;
    platform::CursorHandle fallback = nullptr;
    std::map<std::string, platform::CursorHandle> cursors;
};

// The game's cursor set: made by the shell's entry point, deleted after the message loop; null otherwise.
extern CursorSet* cursorSet;

} // namespace Vorn
