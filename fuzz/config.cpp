// Fuzzes config.xml: any file leaves a configuration whose screen, camera and zoom settings are usable.
#include "fuzz/loader_input.h"
#include "shell/Configuration.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Zelt::ReadConfiguration(loader_fuzz::Document(data, size), 1920, 1080);
    const Zelt::Configuration& read = Zelt::configuration;
    // The camera divides by the zoom and steps by the speeds: none of them may be NaN.
    for (float value : {read.viewportScrollX, read.viewportScrollY, read.rotationSensitivity,
                        read.zoomSensitivity, read.zoomMin, read.zoomMax, read.interfaceScrollX})
        if (std::isnan(value))
            std::abort();
    return 0;
}
