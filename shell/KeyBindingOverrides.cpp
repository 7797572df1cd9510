// The player's key bindings over the shipped ones.
#include "shell/KeyBindingOverrides.h"

#include "datafiles/DataArchive.h"
#include "datafiles/ReplaceFile.h"
#include "shell/KeyNames.h"
#include "shell/UserFolders.h"
#include "shell/UserSettingsFile.h"

#include <cerrno>
#include <cstring>
#include <set>

namespace Zelt {

namespace {

const std::string keyDefinitionsFile = "keydef.xml";

bool BindsAKey(const Brisk::Node& element) {
    return element.FindAttribute("key") != nullptr;
}

} // namespace

Brisk::Node MergeKeyDefinitions(const Brisk::Node& shipped, const Brisk::Node& user) {
    std::set<std::string> overridden;
    for (const Brisk::Node& element : user.children)
        if (BindsAKey(element))
            overridden.insert(element.name);
    Brisk::Node merged;
    merged.name = shipped.name;
    for (const Brisk::Node& element : shipped.children)
        if (!overridden.contains(element.name))
            merged.AppendChild(element);
    for (const Brisk::Node& element : user.children)
        if (BindsAKey(element))
            merged.AppendChild(element);
    return merged;
}

KeyBindings BindingsOf(const Brisk::Node& keyDefinitions) {
    KeyBindings bindings;
    for (const Brisk::Node& element : keyDefinitions.children)
        if (const Brisk::Attribute* key = element.FindAttribute("key"))
            bindings[element.name].push_back(C::KeyCodeOfName(key->value));
    return bindings;
}

std::string UserKeyDefinitionsText(const KeyBindings& chosen, const KeyBindings& shipped) {
    std::string text = "<!-- Sector Clash: the player's own key bindings, written by the game. An action "
                       "named here\n     takes exactly these keys instead of the shipped keydef.xml's; "
                       "key=\"\" leaves it unbound. -->\n";
    static const std::vector<std::uint8_t> none;
    for (const auto& [action, keys] : chosen) {
        const auto shippedKeys = shipped.find(action);
        if (keys == (shippedKeys == shipped.end() ? none : shippedKeys->second))
            continue;
        bool written = false;
        for (const std::uint8_t code : keys) {
            const std::string_view name = C::KeyNameOfCode(code);
            if (name.empty())
                continue;
            text += "<" + action + " key=\"" + std::string(name) + "\"/>\n";
            written = true;
        }
        if (!written)
            text += "<" + action + " key=\"\"/>\n";
    }
    return text;
}

bool SaveUserKeyDefinitions(const KeyBindings& chosen, const KeyBindings& shipped, std::string& fault) {
    const std::string path = UserSettingsPath(keyDefinitionsFile);
    if (path.empty()) {
        fault = "the key bindings cannot be kept: no configuration folder (HOME is not set)";
        return false;
    }
    if (!MakeUserFolder(UserConfigFolder()) ||
        !Brisk::ReplaceFile(path, UserKeyDefinitionsText(chosen, shipped))) {
        fault = path + ": cannot be written: " + std::strerror(errno);
        return false;
    }
    return true;
}

Brisk::Node KeyDefinitionsInForce() {
    return MergeKeyDefinitions(ShippedKeyDefinitions(),
                               ReadUserSettings(UserSettingsPath(keyDefinitionsFile)));
}

Brisk::Node ShippedKeyDefinitions() {
    return dataArchive.ReadDocument(keyDefinitionsFile);
}

} // namespace Zelt
