// The data faults the game goes on with but names on the error stream at start.
#include "shell/program/StartupReports.h"

#include "datafiles/LanguageSection.h"
#include "game/KeyDefinitionCheck.h"

#include <cstdio>

namespace Zelt {

void ReportKeyDefinitions(const Brisk::Node& keyDefinitions) {
    for (const Vorn::KeyDefinitionProblem& problem : Vorn::KeyDefinitionProblems(keyDefinitions)) {
        std::fprintf(stderr, "sector-clash: data/keydef.xml: %s: %s\n", problem.element.c_str(),
                     problem.message.c_str());
    }
}

void ReportMissingLanguage(const Brisk::Node& texts, const std::string& language) {
    const std::string problem = MissingLanguageProblem(texts, language);
    if (!problem.empty()) {
        std::fprintf(stderr, "sector-clash: data/texts.xml: %s\n", problem.c_str());
    }
}

} // namespace Zelt
