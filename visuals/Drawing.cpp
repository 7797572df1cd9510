// A vector drawing: the command language recorded into plain steps.
#include "visuals/Drawing.h"

#include "datafiles/ColourTable.h"
#include "datafiles/Node.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Vorn {

namespace {

bool Has(const Brisk::Node& node, const char* attribute) {
    return node.FindAttribute(attribute) != nullptr;
}

double RealOr(const Brisk::Node& node, const char* attribute, double fallback) {
    const Brisk::Attribute* found = node.FindAttribute(attribute);
    return found != nullptr ? Brisk::ToFloat(*found) : fallback;
}

DrawingStep Step(DrawingStep::Kind kind) {
    DrawingStep step;
    step.kind = kind;
    return step;
}

DrawingStep Begin(DrawingPrimitive primitive) {
    DrawingStep step = Step(DrawingStep::Kind::Begin);
    step.primitive = primitive;
    return step;
}

DrawingStep Vertex(double x, double y) {
    DrawingStep step = Step(DrawingStep::Kind::Vertex);
    step.x = x;
    step.y = y;
    return step;
}

// The mode flags are tested by presence alone: loop="0" still closes the line.
DrawingPrimitive LineMode(const Brisk::Node& line) {
    if (Has(line, "loop")) {
        return DrawingPrimitive::LineLoop;
    }
    return Has(line, "strip") ? DrawingPrimitive::LineStrip : DrawingPrimitive::Lines;
}

DrawingPrimitive TriangleMode(const Brisk::Node& triangle) {
    if (Has(triangle, "fan")) {
        return DrawingPrimitive::TriangleFan;
    }
    return Has(triangle, "strip") ? DrawingPrimitive::TriangleStrip : DrawingPrimitive::Triangles;
}

DrawingPrimitive QuadMode(const Brisk::Node& quad) {
    return Has(quad, "strip") ? DrawingPrimitive::QuadStrip : DrawingPrimitive::Quads;
}

} // namespace

void Drawing::Read(const Brisk::Node& document) {
    steps.clear();
    mouths.clear();
    mouthParticleSystems.clear();
    particleSystemPoints.clear();
    particleSystemNames.clear();
    Record(document);
    serial = ++readCount;
    reach = 0;
    for (const DrawingStep& step : steps)
        if (step.kind == DrawingStep::Kind::Vertex)
            reach = std::max(reach, static_cast<float>(std::hypot(step.x, step.y)));
}

void Drawing::Record(const Brisk::Node& document) {
    for (const Brisk::Node& command : document.children) {
        RecordCommand(command);
    }
}

void Drawing::RecordCommand(const Brisk::Node& command) {
    const std::string& name = command.name;
    if (name == "set") {
        RecordSetColour(command);
    } else if (name == "push") {
        // The colour named is not used: push only saves the current one, and only when it names one.
        if (Has(command, "color")) {
            steps.push_back(Step(DrawingStep::Kind::PushColour));
        }
    } else if (name == "pop") {
        steps.push_back(Step(DrawingStep::Kind::PopColour));
    } else if (name == "line") {
        RecordPrimitive(command, LineMode(command));
    } else if (name == "triangle") {
        RecordPrimitive(command, TriangleMode(command));
    } else if (name == "quad") {
        RecordPrimitive(command, QuadMode(command));
    } else if (name == "circle") {
        RecordCircle(command);
    } else if (name == "mouth") {
        RecordMouth(command);
    } else if (name == "particle_system") {
        RecordParticleSystem(command);
    }
}

void Drawing::RecordSetColour(const Brisk::Node& command) {
    const Brisk::Attribute* colourName = command.FindAttribute("color");
    if (colourName == nullptr) {
        return;
    }
    DrawingStep step = Step(DrawingStep::Kind::SetColour);
    std::copy_n(colourTable.ColourOf(colourName->value), 4, step.colour.begin());
    step.colourName = colourName->value;
    steps.push_back(std::move(step));
}

void Drawing::RecordPrimitive(const Brisk::Node& primitive, DrawingPrimitive mode) {
    steps.push_back(Begin(mode));
    for (const Brisk::Node& child : primitive.children) {
        if (child.name == "vertex") {
            const Brisk::Attribute* x = child.FindAttribute("x");
            const Brisk::Attribute* y = child.FindAttribute("y");
            if (x != nullptr && y != nullptr) {
                steps.push_back(Vertex(Brisk::ToFloat(*x), Brisk::ToFloat(*y)));
            }
        } else if (child.name == "set") {
            RecordSetColour(child);
        }
    }
    // Closed even when empty, so a primitive never swallows the commands after it.
    steps.push_back(Step(DrawingStep::Kind::End));
}

// A polygon of s corners on radius r; the first corner stands straight above the centre, or, with
// "flatfront", half a segment further round so that a flat edge lies at the top.
void Drawing::RecordCircle(const Brisk::Node& circle) {
    const Brisk::Attribute* radiusAttribute = circle.FindAttribute("r");
    const Brisk::Attribute* segmentsAttribute = circle.FindAttribute("s");
    if (radiusAttribute == nullptr || segmentsAttribute == nullptr) {
        return;
    }
    const double radius = Brisk::ToFloat(*radiusAttribute);
    // The count comes from a file: a huge one would fill memory with vertices nobody can see.
    const int segments = std::min(Brisk::ToInt(*segmentsAttribute), maximumCircleSegments);
    const double centreX = RealOr(circle, "x", 0);
    const double centreY = RealOr(circle, "y", 0);
    steps.push_back(Begin(DrawingPrimitive::LineLoop));
    if (segments > 0) {
        const float step = static_cast<float>(2 * std::numbers::pi / segments);
        const float start = Has(circle, "flatfront") ? static_cast<float>(std::numbers::pi / segments) : 0.0f;
        for (int i = 0; i < segments; ++i) {
            const float angle = static_cast<float>(i) * step + start;
            steps.push_back(Vertex(std::sin(angle) * radius + centreX, radius * std::cos(angle) + centreY));
        }
    }
    steps.push_back(Step(DrawingStep::Kind::End));
}

void Drawing::RecordMouth(const Brisk::Node& command) {
    const Brisk::Attribute* x = command.FindAttribute("x");
    const Brisk::Attribute* y = command.FindAttribute("y");
    if (x == nullptr || y == nullptr) {
        return;
    }
    mouths.push_back({static_cast<float>(Brisk::ToFloat(*x)), static_cast<float>(Brisk::ToFloat(*y))});
    // An empty name keeps the two lists the same length, so mouth i always has entry i.
    const Brisk::Attribute* system = command.FindAttribute("ps");
    mouthParticleSystems.push_back(system != nullptr ? system->value : std::string());
}

void Drawing::RecordParticleSystem(const Brisk::Node& command) {
    const Brisk::Attribute* x = command.FindAttribute("x");
    const Brisk::Attribute* y = command.FindAttribute("y");
    const Brisk::Attribute* name = command.FindAttribute("name");
    if (x == nullptr || y == nullptr || name == nullptr) {
        return;
    }
    particleSystemPoints.push_back(
        {static_cast<float>(Brisk::ToFloat(*x)), static_cast<float>(Brisk::ToFloat(*y))});
    particleSystemNames.push_back(name->value);
}

} // namespace Vorn
