// Every drawing of the game by name, read from "drawings.xml"; a name may have several variants, and each
// lookup picks one at random so that wrecks and debris vary in look.
//
//   drawingStore.Load();                                        // when the game mode is entered
//   const Vorn::Drawing* body = drawingStore.FindDrawing("MediumTank");
//   drawingStore.Release();                                     // when it is left, after the World
//
// The screen's display lists and pictures of the drawings live in graphics/DrawingDisplay.h and are
// released there.
#pragma once

#include "visuals/Drawing.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace Brisk {
class Node;
}

namespace Vorn {

// The index's name in the data folder, for the game, the tools and the checker alike.
inline constexpr const char* drawingsFileName = "drawings.xml";

class DrawingStore {
public:
    using Variants = std::vector<std::unique_ptr<Drawing>>;
    // Reads a data file by its name relative to the data folder.
    using DocumentReader = std::function<Brisk::Node(const std::string& name)>;

    DrawingStore();
    DrawingStore(const DrawingStore&) = delete;
    DrawingStore& operator=(const DrawingStore&) = delete;
    ~DrawingStore();

    // Reads "drawings.xml" and every drawing it names through the data archive. The same with a window or
    // without, so a headless game looks up and places everything exactly as a windowed one does.
    void Load();
    // The same from an index document, reading each drawing file as reader("graphics/" + src).
    void Load(const Brisk::Node& index, const DocumentReader& reader);

    // One variant of the name, chosen with one value of the game's random generator; the default
    // drawing, without a random draw, for a name that has none. Never null; the pointer stays valid
    // until Release.
    const Drawing* FindDrawing(const std::string& name) const;
    // The first variant of the name, or the default drawing, without taking a value from the random
    // generator. For what the interface shows: the game and the headless simulator must draw the same
    // random sequence, so nothing that exists only on screen may take from it.
    const Drawing* FindFirstDrawing(const std::string& name) const;
    // Deletes every drawing; afterwards every lookup gives the built-in empty drawing.
    void Release();

    // The first "empty" variant, or a drawing that draws nothing.
    const Drawing* DefaultDrawing() const { return defaultDrawing; }
    const std::map<std::string, Variants>& Drawings() const { return drawings; }

    // Which variant a random value in [0, 1) picks among count; never count itself.
    static std::size_t VariantIndex(double random, std::size_t count);

private:
    std::map<std::string, Variants> drawings;
    // Stands in while nothing names "empty" and after Release, so lookups never meet a dangling pointer.
    Drawing nothing;
    const Drawing* defaultDrawing = &nothing;
};

// The game's drawings, loaded while a game runs.
extern DrawingStore drawingStore;

} // namespace Vorn
