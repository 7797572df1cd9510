// The configuration area of the data checker: the camera's zoom limits exist, are positive and in the
// order the camera needs ("max" is the lowest zoom level, "min" the highest).
#include "scene/Camera.h"
#include "shell/Configuration.h"
#include "tools/sector-clash-check/CheckAreas.h"

#include <cmath>

namespace check {
namespace {

const std::string configurationFile = "config.xml";

bool UsableLimit(float value) {
    return std::isfinite(value) && value > 0.0f;
}

void CheckZoomLimits(const Zelt::Configuration& read, const FileProblems& report) {
    if (!UsableLimit(read.zoomMin)) {
        report("viewport/zoom", "\"min\" missing or not above 0: the camera uses " +
                                    std::to_string(Vorn::Camera::defaultZoomHighest));
    }
    if (!UsableLimit(read.zoomMax)) {
        report("viewport/zoom", "\"max\" missing or not above 0: the camera uses " +
                                    std::to_string(Vorn::Camera::defaultZoomLowest));
    }
    if (UsableLimit(read.zoomMin) && UsableLimit(read.zoomMax) && read.zoomMin < read.zoomMax) {
        report("viewport/zoom", "\"min\" below \"max\" (\"max\" is the lowest zoom level): the zoom is "
                                "stuck at \"min\"");
    }
}

} // namespace

void CheckConfiguration(const CheckContext& context, Problems& problems) {
    const FileProblems report(context.FileLabel(configurationFile), problems);
    const std::optional<Brisk::Node> document = context.ReadDocument(configurationFile);
    if (!document) {
        report("", "missing: the game runs with the defaults");
        return;
    }
    // Read by the game's own loader, so the checker sees exactly the values the game would use.
    const Zelt::Configuration saved = Zelt::configuration;
    Zelt::ReadConfiguration(*document, 1024, 768);
    const Zelt::Configuration read = Zelt::configuration;
    Zelt::configuration = saved;
    CheckZoomLimits(read, report);
}

} // namespace check
