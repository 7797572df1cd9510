// Breaking a text into lines that fit a width, for every text the interface and the screens lay out.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace Vorn {

// The text broken into lines no wider than `width` by `measure`, at spaces; a word wider than a line
// stands alone on its own. Line breaks in the text are kept.
std::vector<std::string> WrapText(const std::string& text, double width,
                                  const std::function<double(const std::string&)>& measure);

} // namespace Vorn
