// Conversions between attribute values and numbers or booleans.
#include "datafiles/Attribute.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <strings.h>

namespace Brisk {

int ToInt(const Attribute& attribute) {
    long number = std::strtol(attribute.value.c_str(), nullptr, 10);
    if (number > INT_MAX) {
        return INT_MAX;
    }
    if (number < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(number);
}

double ToFloat(const Attribute& attribute) {
    return std::strtod(attribute.value.c_str(), nullptr);
}

bool ToBool(const Attribute& attribute) {
    const char* value = attribute.value.c_str();
    if (*value == '\0' || strcasecmp(value, "false") == 0) {
        return false;
    }
    char* end = nullptr;
    double number = std::strtod(value, &end);
    bool readNumber = end != value;
    return !readNumber || number != 0.0;
}

void SetInt(Attribute& attribute, int number) {
    attribute.value = std::to_string(number);
}

void SetFloat(Attribute& attribute, double number) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%20.18e", number);
    attribute.value = buffer;
}

void SetBool(Attribute& attribute, bool flag) {
    attribute.value = flag ? "true" : "false";
}

} // namespace Brisk
