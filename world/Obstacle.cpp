// A stone or block.
#include "world/Obstacle.h"

#include "rules/ObstacleData.h"

#include <GL/gl.h>

namespace Vorn {

Obstacle::Obstacle(Type type, const Constants::ObstacleData* record, float sizeFactor)
    : Obstacle(type, record) {
    this->sizeFactor = sizeFactor;
    size = record ? sizeFactor * record->size : 0;
}

void Obstacle::Draw() {
    glPushMatrix();
    glScalef(sizeFactor, sizeFactor, 1);
    Object::Draw();
    glPopMatrix();
}

} // namespace Vorn
