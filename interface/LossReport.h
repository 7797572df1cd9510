// Tells the player when units of theirs are lost: counts the side's tanks, towers and buildings each
// update and posts a message when the count falls.
#pragma once

namespace Vorn {

class MessageLine;
class World;

class LossReport {
public:
    void Update(World& world, int side, MessageLine& messages);
    int LastCount() const { return lastCount; }

private:
    // -1 before the first count, so the units a game starts with are not news.
    int lastCount = -1;
};

} // namespace Vorn
