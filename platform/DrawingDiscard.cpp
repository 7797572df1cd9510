// Frames whose pixels nobody looks at, through GL's rasterizer discard.
#include "platform/DrawingDiscard.h"

#include "platform/GlContext.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <string_view>

namespace platform {

namespace {

bool discarding = false;
// A context made since knows nothing of the last one's discard.
unsigned long long discardingContext = 0;
// The context whose ability was asked, and its answer: asking again each frame costs a string search.
unsigned long long askedContext = 0;
bool canDiscard = false;

bool ContextCanDiscard() {
    if (askedContext != GlContext::Serial()) {
        askedContext = GlContext::Serial();
        const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
        const auto* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
        canDiscard = (version != nullptr && version[0] >= '3' && version[0] <= '9') ||
                     (extensions != nullptr &&
                      std::string_view(extensions).find("GL_EXT_transform_feedback") != std::string_view::npos);
    }
    return canDiscard;
}

void SetRasterizerDiscard(bool on) {
    if (on)
        glEnable(GL_RASTERIZER_DISCARD);
    else
        glDisable(GL_RASTERIZER_DISCARD);
}

} // namespace

void DiscardDrawing(bool discard) {
    if (discard == DrawingDiscarded() || !GlContext::IsAnyCurrent() || !ContextCanDiscard())
        return;
    discarding = discard;
    discardingContext = GlContext::Serial();
    SetRasterizerDiscard(discard);
}

bool DrawingDiscarded() {
    return discarding && discardingContext == GlContext::Serial();
}

PixelsNeeded::PixelsNeeded() : resumeDiscarding(DrawingDiscarded()) {
    DiscardDrawing(false);
}

PixelsNeeded::~PixelsNeeded() {
    DiscardDrawing(resumeDiscarding);
}

} // namespace platform
