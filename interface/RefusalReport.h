// Tells the player why an order of theirs was refused: each OrderRefused event of the player's side in a
// step becomes a message line naming the reason ("Refused: nothing finished to place").
#pragma once

#include "world/WorldEvent.h"

#include <string>

namespace Vorn {

class MessageLine;

// The text key of a refusal's reason, by the event's detail; a detail no reason has gets the plain
// "msg_refused".
std::string RefusalTextKey(int detail);
// Posts the reason of the last refusal of the side in the step (the newest news wins on the line).
void ReportRefusals(const WorldEvents& events, int side, MessageLine& messages);

} // namespace Vorn
