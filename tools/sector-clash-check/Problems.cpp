// The checker's list of problems.
#include "tools/sector-clash-check/Problems.h"

namespace check {

void Problems::Report(std::string file, std::string element, std::string message) {
    problems.push_back({std::move(file), std::move(element), std::move(message)});
}

void Problems::Print(std::FILE* out) const {
    for (const Problem& problem : problems)
        std::fprintf(out, "%s: %s: %s\n", problem.file.c_str(), problem.element.c_str(),
                     problem.message.c_str());
}

} // namespace check
