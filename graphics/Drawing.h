// A vector drawing: the commands of one drawing file, its display list, and the named points the game
// reads (mouths where weapons fire from, particle-system points where continuous effects are attached).
//
//   Vorn::Drawing drawing;
//   drawing.Compile(dataArchive.ReadDocument("graphics/drawings/Gun1.xml"));
//   drawing.Draw(turretHeading);        // in the current colour, rotated clockwise by the heading
//   drawing.Mouths().front();           // where the first bullet leaves, in the drawing's own units
#pragma once

#include "graphics/DrawingStep.h"

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
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;
    // The display list moves with the drawing.
    Drawing(Drawing&& other) noexcept;
    Drawing& operator=(Drawing&& other) noexcept;
    // Deletes the display list when a GL context is current; without one the list died with its context.
    ~Drawing();

    // Records the commands of a drawing file's document node and, when a GL context is current, compiles
    // them into one display list. Without a context only the recorded form and the points exist, which is
    // all the simulation reads. Replaces whatever the drawing held before.
    void Compile(const Brisk::Node& document);
    // Draws in the current colour at the origin, rotated clockwise on screen by angle degrees. At angle 0
    // the matrix is left alone, so drawing costs a single list call. While a DrawingBatch is open the
    // drawing joins it instead.
    void Draw(float angle) const;
    // Deletes the display list (the recorded form and the points stay).
    void Release();

    unsigned List() const { return list; }
    // Different for every compiled drawing (and kept when one moves), so a picture made of one is never
    // taken for another's, whatever addresses and list names are reused.
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
    void CompileList();
    void Replay() const;

    unsigned list = 0;
    std::vector<DrawingStep> steps;
    std::vector<Point> mouths;
    std::vector<std::string> mouthParticleSystems;
    std::vector<Point> particleSystemPoints;
    std::vector<std::string> particleSystemNames;
    std::uint64_t serial = 0;
    float reach = 0;
    static inline std::uint64_t compiledCount = 0;
};

} // namespace Vorn
