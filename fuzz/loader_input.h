// What the loader fuzz targets share: the input read as the document a data file would give, and the
// shipped data folder for the files a target does not fuzz.
#pragma once

#include "datafiles/DataArchive.h"
#include "datafiles/Node.h"
#include "visuals/DrawingStore.h"
#include "visuals/ParticleSystemFactory.h"
#include "rules/ConstantsLoader.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace loader_fuzz {

// The reader stops at the first NUL, as it does for a file's text in memory.
inline Brisk::Node Document(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Brisk::Node document;
    document.LoadText(text.c_str());
    return document;
}

// The targets run from the build folder or the source tree; the data folder is found from either.
inline void UseShippedData() {
#ifdef SECTOR_CLASH_SOURCE_DIR
    dataArchive.SetFolder(std::string(SECTOR_CLASH_SOURCE_DIR) + "/data");
#endif
}

// The shipped constants, particle systems and drawings, for the targets that make a battle. Loaded once
// per process; the factory lives as long as it.
inline void LoadShippedRules() {
    UseShippedData();
    Vorn::Constants::LoadConstants();
    Vorn::particleSystemFactory = new Vorn::ParticleSystemFactory;
    Vorn::particleSystemFactory->Load(dataArchive.ReadDocument(Vorn::particlesFileName));
    Vorn::drawingStore.Load();
}

} // namespace loader_fuzz
