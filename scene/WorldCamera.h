// What the scene needs from the camera to draw the world: the view centre, the zoom and the transform.
#pragma once

namespace Vorn {

class WorldCamera {
public:
    virtual ~WorldCamera() = default;
    // Multiplies the current matrix by the camera's map-to-screen transform.
    virtual void ApplyCamera() const = 0;
    virtual float CentreX() const = 0;
    virtual float CentreY() const = 0;
    virtual float Zoom() const = 0;
};

} // namespace Vorn
