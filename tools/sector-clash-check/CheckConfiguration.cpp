// The configuration area of the data checker: the camera's zoom limits exist, are positive and in the
// order the camera needs ("max" is the lowest zoom level, "min" the highest).
#include "scene/Camera.h"
#include "shell/Configuration.h"
#include "shell/ScreenSettingNames.h"
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

// A window smaller than the panels need is made larger by the game; a display below 0 is none.
void CheckScreen(const Zelt::Configuration& read, const FileProblems& report) {
    namespace names = Zelt::ScreenSettingNames;
    if (read.windowWidth < Zelt::smallestWindowWidth || read.windowHeight < Zelt::smallestWindowHeight)
        report(names::element, std::string("\"") + names::windowWidth + "\" x \"" + names::windowHeight +
                                   "\" below " + std::to_string(Zelt::smallestWindowWidth) + " x " +
                                   std::to_string(Zelt::smallestWindowHeight) +
                                   ": the window is made that large");
    if (read.display < 0)
        report(names::element,
               std::string("\"") + names::display + "\" below 0: the game opens on the first display");
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
    CheckScreen(read, report);
}

} // namespace check
