// Checked printf formats from the data.
#include "interface/TextFormat.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace Vorn {

namespace {

// One conversion from its "%" on: the digits of its width and of its precision (empty when absent) and
// the place of its conversion character, which is the format's end when the text stops short.
struct Conversion {
    std::string_view width;
    std::string_view precision;
    std::size_t end = 0;
};

std::size_t SkipDigits(std::string_view format, std::size_t at) {
    while (at < format.size() && std::isdigit(static_cast<unsigned char>(format[at]))) {
        ++at;
    }
    return at;
}

Conversion ReadConversion(std::string_view format, std::size_t percent) {
    Conversion conversion;
    std::size_t at = percent + 1;
    while (at < format.size() && format[at] != '\0' && std::strchr("-+ #0", format[at]) != nullptr) {
        ++at;
    }
    std::size_t digitsEnd = SkipDigits(format, at);
    conversion.width = format.substr(at, digitsEnd - at);
    at = digitsEnd;
    if (at < format.size() && format[at] == '.') {
        digitsEnd = SkipDigits(format, at + 1);
        conversion.precision = format.substr(at + 1, digitsEnd - at - 1);
        at = digitsEnd;
    }
    conversion.end = at;
    return conversion;
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

bool ExceedsFieldLimit(std::string_view digits) {
    int value = 0;
    for (const char digit : digits) {
        value = value * 10 + (digit - '0');
        if (value > maxFieldSize) {
            return true;
        }
    }
    return false;
}

void AppendCapped(std::string& out, std::string_view digits) {
    out += ExceedsFieldLimit(digits) ? std::to_string(maxFieldSize) : std::string(digits);
}

} // namespace

bool FormatTakes(std::string_view format, std::string_view kinds) {
    std::size_t next = 0;
    for (std::size_t at = 0; at < format.size(); ++at) {
        if (format[at] != '%') {
            continue;
        }
        at = ReadConversion(format, at).end;
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

std::string CapFieldSizes(std::string_view format) {
    std::string capped;
    capped.reserve(format.size());
    std::size_t copied = 0;
    for (std::size_t at = 0; at < format.size(); ++at) {
        if (format[at] != '%') {
            continue;
        }
        const Conversion conversion = ReadConversion(format, at);
        const auto offset = [&](std::string_view part) {
            return static_cast<std::size_t>(part.data() - format.data());
        };
        capped.append(format.substr(copied, offset(conversion.width) - copied));
        AppendCapped(capped, conversion.width);
        copied = offset(conversion.width) + conversion.width.size();
        if (conversion.precision.data() != nullptr) {
            capped.append(format.substr(copied, offset(conversion.precision) - copied));
            AppendCapped(capped, conversion.precision);
            copied = offset(conversion.precision) + conversion.precision.size();
        }
        at = conversion.end;
    }
    capped.append(format.substr(std::min(copied, format.size())));
    return capped;
}

bool HasOversizedField(std::string_view format) {
    return CapFieldSizes(format) != format;
}

TextFormat::TextFormat(std::string text, std::string kinds)
    : text(CapFieldSizes(text)), kinds(std::move(kinds)), valid(FormatTakes(this->text, this->kinds)) {}

std::string TextFormat::Cut(std::string_view text, std::size_t limit) {
    return std::string(text.substr(0, limit));
}

} // namespace Vorn
