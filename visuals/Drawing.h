// A vector drawing: the commands of one drawing file recorded as plain steps, and the named points the
// game reads (mouths where weapons fire from, particle-system points where continuous effects are
// attached). The simulation reads the points and the reach; graphics/DrawingDisplay.h puts the steps on
// screen.
//
//   Vorn::Drawing drawing;
//   drawing.Read(dataArchive.ReadDocument("graphics/drawings/Gun1.xml"));
//   drawing.Mouths().front();           // where the first bullet leaves, in the drawing's own units
//   DrawDrawing(drawing, heading);      // graphics only: in the current colour, turned clockwise
#pragma once

#include "visuals/DrawingStep.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Brisk {
class Node;
}

namespace Vorn {

class Drawing {
public:
    struct Point {
        float x = 0;
        float y = 0;
    };

    Drawing() = default;
    // A copy would share the serial that the screen's pictures and lists of it are known by.
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;
    Drawing(Drawing&&) noexcept = default;
    Drawing& operator=(Drawing&&) noexcept = default;

    // Records the commands of a drawing file's document node, replacing whatever the drawing held before,
    // and gives the drawing a new serial.
    void Read(const Brisk::Node& document);

    // Different for every drawing read (and kept when one moves), so a picture or display list made of
    // one is never taken for another's, whatever addresses are reused.
    std::uint64_t Serial() const { return serial; }
    // How far the drawing's furthest vertex lies from its origin, in its own units.
    float Reach() const { return reach; }
    const std::vector<DrawingStep>& Steps() const { return steps; }
    const std::vector<Point>& Mouths() const { return mouths; }
    // Parallel to Mouths(): the particle system shown at each mouth when it fires, or "".
    const std::vector<std::string>& MouthParticleSystems() const { return mouthParticleSystems; }
    const std::vector<Point>& ParticleSystemPoints() const { return particleSystemPoints; }
    // Parallel to ParticleSystemPoints().
    const std::vector<std::string>& ParticleSystemNames() const { return particleSystemNames; }

    // The most segments a circle is drawn with: a larger count in a file is cut to this.
    static constexpr int maximumCircleSegments = 1024;

private:
    void Record(const Brisk::Node& document);
    void RecordCommand(const Brisk::Node& command);
    void RecordPrimitive(const Brisk::Node& primitive, DrawingPrimitive mode);
    void RecordCircle(const Brisk::Node& circle);
    void RecordSetColour(const Brisk::Node& command);
    void RecordMouth(const Brisk::Node& command);
    void RecordParticleSystem(const Brisk::Node& command);
    std::vector<DrawingStep> steps;
    std::vector<Point> mouths;
    std::vector<std::string> mouthParticleSystems;
    std::vector<Point> particleSystemPoints;
    std::vector<std::string> particleSystemNames;
    std::uint64_t serial = 0;
    float reach = 0;
    static inline std::uint64_t readCount = 0;
};

} // namespace Vorn
