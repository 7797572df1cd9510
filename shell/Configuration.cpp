// The user's settings from "config.xml".
#include "shell/Configuration.h"

#include "platform/VideoSystem.h"

namespace Zelt {

Configuration configuration;

bool LoadConfiguration() {
    configuration = Configuration{};
    platform::ScreenSize desktop = platform::DesktopSize();
    configuration.screenWidth = desktop.width;
    configuration.screenHeight = desktop.height;
    // Reading "config.xml" over these defaults arrives with the XML library.
    return true;
}

} // namespace Zelt
