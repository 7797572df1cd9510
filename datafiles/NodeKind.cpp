// The marker characters an element's tags may carry.
#include "datafiles/NodeKind.h"

namespace Brisk {

namespace {
constexpr char markers[] = "/!?#&*+@~";
}

int KindOfMarker(int character) {
    for (int kind = 1; kind <= 8; ++kind) {
        if (character == markers[kind]) {
            return kind;
        }
    }
    return plain;
}

char MarkerOfKind(int kind) {
    return kind >= 1 && kind <= 8 ? markers[kind] : '/';
}

} // namespace Brisk
