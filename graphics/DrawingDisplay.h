// Drawings on screen: each drawing's recorded steps compiled once into a display list, and drawn through
// the open sprite or drawing batch when there is one.
//
//   DrawDrawing(*drawingStore.FindFirstDrawing("Gun1"), turretHeading);
//   ReleaseDrawingDisplay();          // when the drawings go, before their window
#pragma once

namespace Vorn {

class Drawing;

// Draws in the current colour at the origin, rotated clockwise on screen by angle degrees. At angle 0 the
// matrix is left alone, so drawing costs a single list call. While a sprite or drawing batch is open the
// drawing joins it instead. Without a GL context nothing happens.
void DrawDrawing(const Drawing& drawing, float angle);

// The drawing's display list in the current context, compiled on the first request; 0 without a context or
// for a drawing without steps.
unsigned DrawingList(const Drawing& drawing);

// Deletes every display list made of a drawing and the sprite atlas's pictures of them. Lists made in a
// context since destroyed are forgotten, not deleted: they died with it.
void ReleaseDrawingDisplay();

} // namespace Vorn
