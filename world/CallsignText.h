// The full callsign of a game object, as the interface shows it ("Factory Bravo 3").
#pragma once

#include <string>

namespace Vorn {

class Object;

// "_ICallsign unimplemented" for null or an object without a callsign. Otherwise the kind (the text of
// "Tower" for towers, of the building type's text key for buildings), the word of the letter and the number
// when not 0, each present part separated by a space; an object of neither kind without a letter word is
// named by the word of 'U'. At most 255 characters.
std::string CallsignText(const Object* object);

} // namespace Vorn
