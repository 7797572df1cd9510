#include "interface/TextWrap.h"

#include <algorithm>

namespace Vorn {

namespace {

void AppendWrapped(std::vector<std::string>& lines, const std::string& paragraph, double width,
                   const std::function<double(const std::string&)>& measure) {
    std::string line;
    std::size_t start = 0;
    while (start <= paragraph.size()) {
        const std::size_t end = std::min(paragraph.find(' ', start), paragraph.size());
        const std::string word = paragraph.substr(start, end - start);
        start = end + 1;
        if (word.empty())
            continue;
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && measure(longer) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
    }
    lines.push_back(line);
}

} // namespace

std::vector<std::string> WrapText(const std::string& text, double width,
                                  const std::function<double(const std::string&)>& measure) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        AppendWrapped(lines, text.substr(start, end - start), width, measure);
        start = end + 1;
    }
    return lines;
}

} // namespace Vorn
