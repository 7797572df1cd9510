// What in "keydef.xml" binds nothing.
#include "game/KeyDefinitionCheck.h"

#include "datafiles/Node.h"
#include "game/KeyActions.h"
#include "shell/KeyNames.h"

namespace Vorn {

std::vector<KeyDefinitionProblem> KeyDefinitionProblems(const Brisk::Node& document) {
    std::vector<KeyDefinitionProblem> problems;
    for (const Brisk::Node& element : document.children) {
        // Declarations and other marked tags are not bindings.
        if (element.openKind != Brisk::plain) {
            continue;
        }
        const Brisk::Attribute* key = element.FindAttribute("key");
        if (!KeyActions::IsAction(element.name)) {
            problems.push_back({element.name, "not an action the game asks for: the binding does nothing"});
        } else if (key == nullptr) {
            problems.push_back({element.name, "has no \"key\": it binds nothing"});
        } else if (Zelt::C::KeyCodeOfName(key->value) == 0) {
            problems.push_back({element.name, "\"" + key->value +
                                                  "\" is not a key name (names are case-sensitive, such as "
                                                  "\"P\" or \"VK_F11\"): no key triggers this binding"});
        }
    }
    return problems;
}

} // namespace Vorn
