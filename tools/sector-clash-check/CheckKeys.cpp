// "keydef.xml": every binding names an action the game asks for and a key that exists.
#include "game/KeyDefinitionCheck.h"
#include "tools/sector-clash-check/CheckAreas.h"

namespace check {

void CheckKeys(const CheckContext& context, Problems& problems) {
    const FileProblems report(context.FileLabel("keydef.xml"), problems);
    const std::optional<Brisk::Node> document = context.ReadDocument("keydef.xml");
    if (!document) {
        report("", "missing: no key does anything");
        return;
    }
    for (const Vorn::KeyDefinitionProblem& problem : Vorn::KeyDefinitionProblems(*document))
        report(problem.element, problem.message);
}

} // namespace check
