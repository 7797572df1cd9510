// Every drawing of the game by name, with its random variants and the default drawing.
#include "visuals/DrawingStore.h"

#include "datafiles/DataArchive.h"
#include "datafiles/Node.h"
#include "random/Random.h"

namespace Vorn {

DrawingStore drawingStore;

DrawingStore::DrawingStore() = default;

DrawingStore::~DrawingStore() = default;

void DrawingStore::Load() {
    Load(dataArchive.ReadDocument(drawingsFileName),
         [](const std::string& name) { return dataArchive.ReadDocument(name); });
}

void DrawingStore::Load(const Brisk::Node& index, const DocumentReader& reader) {
    Release();
    bool defaultChosen = false;
    for (const Brisk::Node& entry : index.children) {
        const Brisk::Attribute* source = entry.FindAttribute("src");
        if (source == nullptr) {
            continue;
        }
        auto drawing = std::make_unique<Drawing>();
        drawing->Read(reader("graphics/" + source->value));
        Variants& variants = drawings[entry.name];
        variants.push_back(std::move(drawing));
        if (!defaultChosen && entry.name == "empty") {
            defaultDrawing = variants.front().get();
            defaultChosen = true;
        }
    }
}

std::size_t DrawingStore::VariantIndex(double random, std::size_t count) {
    if (count == 0 || !(random > 0)) {
        return 0;
    }
    const auto index = static_cast<std::size_t>(random * static_cast<double>(count));
    return index < count ? index : count - 1;
}

const Drawing* DrawingStore::FindDrawing(const std::string& name) const {
    auto found = drawings.find(name);
    if (found == drawings.end() || found->second.empty()) {
        return defaultDrawing;
    }
    const Variants& variants = found->second;
    return variants[VariantIndex(randomGenerator.Next(), variants.size())].get();
}

const Drawing* DrawingStore::FindFirstDrawing(const std::string& name) const {
    auto found = drawings.find(name);
    return found == drawings.end() || found->second.empty() ? defaultDrawing : found->second.front().get();
}

void DrawingStore::Release() {
    drawings.clear();
    defaultDrawing = &nothing;
}

} // namespace Vorn
