// The game's named mouse cursors, loaded on first use from ".ani" or ".cur" files in one folder.
#include "graphics/CursorSet.h"

namespace Vorn {

CursorSet* cursorSet = nullptr;

CursorSet::CursorSet(std::string directory)
    : directory(std::move(directory)), fallback(platform::ArrowCursor()) {}

// An animated cursor wins over a static one of the same name.
platform::CursorHandle CursorSet::Load(const std::string& name) const {
    for (const char* extension : {".ani", ".cur"}) {
        if (platform::CursorHandle cursor =
                platform::LoadCursorFromFile(directory + "/" + name + extension)) {
            return cursor;
        }
    }
    return fallback;
}

void CursorSet::SetCursor(const std::string& name) {
    auto it = cursors.find(name);
    if (it == cursors.end()) {
        it = cursors.emplace(name, Load(name)).first;
    }
    if (name == current) {
        return;
    }
    platform::ShowCursor(it->second);
    current = name;
}

void CursorSet::Release() {
    cursors.clear();
    current.clear();
    directory.clear();
}

platform::CursorHandle CursorSet::HandleOf(const std::string& name) const {
    auto it = cursors.find(name);
    return it == cursors.end() ? nullptr : it->second;
}

} // namespace Vorn
