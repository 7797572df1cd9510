// The sane range of every numeric constant: values outside are almost surely typos or break the rules.
#pragma once

#include "rules/ConstantNames.h"

#include <string_view>

namespace check {

struct Limit {
    double min;
    double max;
};

// The range of one key of a record class; keys without a range of their own must lie in 0..1000000.
Limit LimitOf(Vorn::Constants::RecordClass recordClass, std::string_view key);

} // namespace check
