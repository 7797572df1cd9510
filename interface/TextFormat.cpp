// Checked printf formats from the data.
#include "interface/TextFormat.h"

#include <cctype>
#include <cstring>

namespace Vorn {

namespace {

std::size_t SkipDigits(std::string_view format, std::size_t at) {
    while (at < format.size() && std::isdigit(static_cast<unsigned char>(format[at]))) {
        ++at;
    }
    return at;
}

// The kind letter a conversion takes, '%' for "%%", or 0 for one the interface never passes.
char KindOfConversion(char conversion) {
    if (conversion == '\0') {
        return 0;
    }
    if (conversion == '%') {
        return '%';
    }
    if (std::strchr("di", conversion) != nullptr) {
        return 'd';
    }
    if (std::strchr("fFeEgG", conversion) != nullptr) {
        return 'f';
    }
    return conversion == 's' ? 's' : 0;
}

} // namespace

bool FormatTakes(std::string_view format, std::string_view kinds) {
    std::size_t next = 0;
    for (std::size_t at = 0; at < format.size(); ++at) {
        if (format[at] != '%') {
            continue;
        }
        ++at;
        while (at < format.size() && std::strchr("-+ #0", format[at]) != nullptr && format[at] != '\0') {
            ++at;
        }
        at = SkipDigits(format, at);
        if (at < format.size() && format[at] == '.') {
            at = SkipDigits(format, at + 1);
        }
        if (at >= format.size()) {
            return false;
        }
        const char kind = KindOfConversion(format[at]);
        if (kind == '%') {
            continue;
        }
        if (kind == 0 || next >= kinds.size() || kinds[next] != kind) {
            return false;
        }
        ++next;
    }
    return next == kinds.size();
}

TextFormat::TextFormat(std::string text, std::string kinds)
    : text(std::move(text)), kinds(std::move(kinds)), valid(FormatTakes(this->text, this->kinds)) {}

std::string TextFormat::Cut(std::string_view text, std::size_t limit) {
    return std::string(text.substr(0, limit));
}

} // namespace Vorn
