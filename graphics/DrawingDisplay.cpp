// Display lists of the drawings, known by each drawing's serial and by the context they were made in.
#include "graphics/DrawingDisplay.h"

#include "graphics/DrawingBatch.h"
#include "graphics/SpriteBatch.h"
#include "platform/GlContext.h"
#include "visuals/Drawing.h"

#include <GL/gl.h>

#include <cstdint>
#include <unordered_map>

namespace Vorn {

namespace {

struct DisplayLists {
    // The context the lists below belong to.
    unsigned long long context = 0;
    std::unordered_map<std::uint64_t, unsigned> bySerial;
};

DisplayLists& Lists() {
    static DisplayLists lists;
    return lists;
}

void Replay(const Drawing& drawing) {
    for (const DrawingStep& step : drawing.Steps()) {
        switch (step.kind) {
        case DrawingStep::Kind::SetColour:
            glColor4ubv(step.colour.data());
            break;
        case DrawingStep::Kind::PushColour:
            glPushAttrib(GL_CURRENT_BIT);
            break;
        case DrawingStep::Kind::PopColour:
            glPopAttrib();
            break;
        case DrawingStep::Kind::Begin:
            glBegin(static_cast<GLenum>(step.primitive));
            break;
        case DrawingStep::Kind::Vertex:
            glVertex2d(step.x, step.y);
            break;
        case DrawingStep::Kind::End:
            glEnd();
            break;
        }
    }
}

unsigned Compile(const Drawing& drawing) {
    const unsigned list = glGenLists(1);
    if (list == 0)
        return 0;
    glNewList(list, GL_COMPILE);
    Replay(drawing);
    glEndList();
    return list;
}

} // namespace

unsigned DrawingList(const Drawing& drawing) {
    if (drawing.Steps().empty() || !platform::GlContext::IsAnyCurrent())
        return 0;
    DisplayLists& lists = Lists();
    if (lists.context != platform::GlContext::Serial()) {
        lists.bySerial.clear();
        lists.context = platform::GlContext::Serial();
    }
    auto [entry, added] = lists.bySerial.try_emplace(drawing.Serial(), 0u);
    if (added)
        entry->second = Compile(drawing);
    return entry->second;
}

void DrawDrawing(const Drawing& drawing, float angle) {
    // Small on screen, a drawing is a textured quad of its own picture; an open batch places the
    // vertices itself; the list is what both must look like.
    if (SpriteBatch* sprites = SpriteBatch::Active(); sprites != nullptr && sprites->Add(drawing, angle))
        return;
    if (DrawingBatch* batch = DrawingBatch::Active(); batch != nullptr && batch->Add(drawing.Steps(), angle))
        return;
    const unsigned list = DrawingList(drawing);
    if (list == 0)
        return;
    if (angle != 0.0f) {
        glPushMatrix();
        glRotatef(angle, 0, 0, -1);
    }
    glCallList(list);
    if (angle != 0.0f)
        glPopMatrix();
}

void ReleaseDrawingDisplay() {
    DisplayLists& lists = Lists();
    if (platform::GlContext::IsAnyCurrent() && lists.context == platform::GlContext::Serial())
        for (const auto& [serial, list] : lists.bySerial)
            if (list != 0)
                glDeleteLists(list, 1);
    lists.bySerial.clear();
    SpriteBatch::Atlas().Release();
}

} // namespace Vorn
