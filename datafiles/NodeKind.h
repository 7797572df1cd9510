// The marker characters an element's tags may carry right after "<" or right before ">".
#pragma once

namespace Brisk {

// The marker of a tag; stored in a node as a plain int. Plain elements (and "/>") are 0.
enum NodeKind : int {
    plain = 0,
    bang = 1,     // !
    question = 2, // ?
    hash = 3,     // #
    ampersand = 4,
    star = 5,
    plus = 6,
    at = 7,
    tilde = 8,
};

// The kind of a marker character; any other character is a plain element.
int KindOfMarker(int character);
// The marker character of a kind 1 to 8; '/' for 0 and anything out of range.
char MarkerOfKind(int kind);

} // namespace Brisk
