// One attribute of an XML element and the conversions loaders read it with.
#pragma once

#include <string>

namespace Brisk {

struct Attribute {
    std::string name = "Property";
    std::string value;
};

// strtol in base 10: leading white space skipped, trailing characters ignored, no digits give 0.
// Values beyond the int range saturate.
int ToInt(const Attribute& attribute);
// strtod: trailing characters ignored, no number gives 0.
double ToFloat(const Attribute& attribute);
// False for an empty value, "false" in any case and numbers that read as zero; true for anything else,
// values without a number ("yes", "on") included.
bool ToBool(const Attribute& attribute);

// The writing side: the value formatted as "%d", "%20.18e" or "true"/"false".
void SetInt(Attribute& attribute, int number);
void SetFloat(Attribute& attribute, double number);
void SetBool(Attribute& attribute, bool flag);

} // namespace Brisk
