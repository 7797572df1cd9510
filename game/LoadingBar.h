// The progress bar the loading mode draws at the bottom-left of the screen.
#pragma once

namespace Vorn {

// Draws the bar for the given loading step: it grows by 128/9 pixels a step and is full at step 9.
void DrawLoadingBar(int loadingStep);

} // namespace Vorn
