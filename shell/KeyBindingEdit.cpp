// Rebinding a key with swaps instead of conflicts.
#include "shell/KeyBindingEdit.h"

#include <algorithm>

namespace Zelt {

namespace {

bool EndsWith(const std::string& text, const std::string& ending) {
    return text.size() >= ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

} // namespace

// The health bars are shown while Alt is held, the key the gather modifier holds too: a held key shared
// on purpose, as the modifiers share theirs.
bool IsModifierAction(const std::string& action) {
    return EndsWith(action, "_mod") || EndsWith(action, "_modifier") || action == "show_health_bars";
}

std::vector<std::string> RebindKey(KeyBindings& bindings, const std::string& action, std::size_t slot,
                                   std::uint8_t code) {
    std::vector<std::uint8_t>& keys = bindings[action];
    const std::uint8_t oldCode = slot < keys.size() ? keys[slot] : 0;
    if (slot < keys.size())
        keys[slot] = code;
    else
        keys.push_back(code);
    std::vector<std::string> changed;
    if (code == 0 || IsModifierAction(action))
        return changed;
    for (auto& [other, otherKeys] : bindings) {
        if (other == action || IsModifierAction(other))
            continue;
        const auto found = std::find(otherKeys.begin(), otherKeys.end(), code);
        if (found == otherKeys.end())
            continue;
        const bool oldKeyFree =
            oldCode != 0 && std::find(otherKeys.begin(), otherKeys.end(), oldCode) == otherKeys.end();
        if (oldKeyFree)
            *found = oldCode;
        else
            otherKeys.erase(found);
        changed.push_back(other);
    }
    return changed;
}

std::vector<std::string> ConflictsOf(const KeyBindings& bindings, const std::string& action) {
    std::vector<std::string> conflicts;
    const auto own = bindings.find(action);
    if (own == bindings.end() || IsModifierAction(action))
        return conflicts;
    for (const auto& [other, keys] : bindings) {
        if (other == action || IsModifierAction(other))
            continue;
        const bool shares = std::any_of(keys.begin(), keys.end(), [&](std::uint8_t code) {
            return code != 0 && std::find(own->second.begin(), own->second.end(), code) != own->second.end();
        });
        if (shares)
            conflicts.push_back(other);
    }
    return conflicts;
}

} // namespace Zelt
