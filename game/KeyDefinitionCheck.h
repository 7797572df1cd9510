// What in "keydef.xml" binds nothing: the keyboard skips such lines silently, so the game names them once
// at start and the data checker always.
#pragma once

#include <string>
#include <vector>

namespace Brisk {
class Node;
}

namespace Vorn {

struct KeyDefinitionProblem {
    std::string element;
    std::string message;
};

// Elements named after no action the game asks for, key names that name no key, and elements without a
// key, in file order.
std::vector<KeyDefinitionProblem> KeyDefinitionProblems(const Brisk::Node& document);

} // namespace Vorn
