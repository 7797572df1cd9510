// The root of every constants record, so that the table can own records of any class.
#pragma once

namespace Vorn::Constants {

// Holds no data: the table deletes records through this destructor and callers find the class with
// dynamic_cast.
struct ObjectData {
    virtual ~ObjectData() = default;
};

} // namespace Vorn::Constants
