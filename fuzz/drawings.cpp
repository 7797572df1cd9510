// Fuzzes the drawings: the input is both drawings.xml and every drawing file it names, so one input can
// reach the index and the drawing reader together. Each drawing is then looked up with its mouths and
// particle-system points read as the world reads them.
#include "fuzz/loader_input.h"
#include "visuals/Drawing.h"
#include "visuals/DrawingStore.h"
#include "random/Random.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Brisk::Node document = loader_fuzz::Document(data, size);
    Vorn::DrawingStore store;
    store.Load(document, [&document](const std::string&) { return document; });
    for (const auto& [name, variants] : store.Drawings()) {
        const Vorn::Drawing* drawing = store.FindDrawing(name);
        if (drawing->MouthParticleSystems().size() > drawing->Mouths().size() ||
            drawing->ParticleSystemNames().size() != drawing->ParticleSystemPoints().size())
            std::abort();
        (void)drawing->Steps().size();
    }
    (void)store.FindDrawing("NoSuchDrawing");
    store.Release();
    return 0;
}
