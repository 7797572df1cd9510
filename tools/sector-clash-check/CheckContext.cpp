// What every area check is given.
#include "tools/sector-clash-check/CheckContext.h"

namespace check {

std::optional<Brisk::Node> CheckContext::ReadDocument(const std::string& name) const {
    Brisk::Node document;
    if (document.LoadFile(PathOf(name).string()) != 0)
        return std::nullopt;
    return document;
}

} // namespace check
