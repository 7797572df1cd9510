// What runs before the window exists: the side names, the modes, and every data table the program needs.
#include "shell/program/StaticStartup.h"

#include "datafiles/CallsignTable.h"
#include "datafiles/ColourTable.h"
#include "datafiles/DataArchive.h"
#include "datafiles/TextTable.h"
#include "game/GameMode.h"
#include "game/LoadingMode.h"
#include "menu/PauseMenu.h"
#include "menu/StartMode.h"
#include "graphics/FontNames.h"
#include "graphics/FontStore.h"
#include "graphics/TextureStore.h"
#include "shell/Configuration.h"
#include "shell/DisplayMode.h"
#include "shell/ModeManager.h"
#include "shell/program/ShellState.h"
#include "shell/program/StartupReports.h"
#include "shell/program/StoredGameHooks.h"

#include <cstdio>

namespace Zelt {

namespace {

// A data file the game goes on without is named once on the error stream, so a player or modder learns
// why a key, a text or a picture is missing.
void ReportDataFaults(ExitReleases& releases) {
    dataArchive.SetFaultReport([](const std::string& path, DataArchive::Fault fault) {
        std::fprintf(stderr, "sector-clash: %s %s; the game goes on without it\n", path.c_str(),
                     fault == DataArchive::Fault::missing ? "cannot be read" : "is empty or not XML");
    });
    releases.Register("data fault report", [] { dataArchive.SetFaultReport(nullptr); });
}

void RegisterSideNames(ExitReleases&) {
    // The side names (datafiles/SideNames.h) are constants: nothing to fill and nothing to release.
}

void RegisterModes(ExitReleases& releases) {
    loadingModeIndex = modeManager.AddMode(new Vorn::Mode::Loading(&modeManager));
    gameModeIndex = modeManager.AddMode(new Vorn::Mode::Game(&modeManager));
    startModeIndex = modeManager.AddMode(new Vorn::Mode::Start(&modeManager));
    Vorn::gameMenu = &Vorn::pauseMenu;
    ConnectStoredGames(modeManager);
    releases.Register("modes", [] {
        Vorn::gameMenu = nullptr;
        modeManager.Deactivate();
        for (std::size_t index = 0; index < modeManager.ModeCount(); ++index) {
            delete modeManager.ModeAt(index);
        }
        modeManager.ForgetModes();
        loadingModeIndex = gameModeIndex = startModeIndex = -1;
    });
}

} // namespace

void StaticStartup(ExitReleases& releases) {
    RegisterSideNames(releases);
    RegisterModes(releases);
    LoadStartupData(releases);
}

void LoadStartupData(ExitReleases& releases) {
    dataArchive.Open("_data.z4");
    shell.configLoaded = LoadConfiguration();
    releases.Register("configuration", [] { configuration = Configuration{}; });
    ReportDataFaults(releases);
    LoadCallsigns(callsignTable, dataArchive.ReadDocument("callsigns.xml"), configuration.language);
    releases.Register("callsigns", [] { callsignTable.Clear(); });
    {
        const Brisk::Node texts = dataArchive.ReadDocument("texts.xml");
        LoadTexts(textTable, texts, configuration.language);
        ReportMissingLanguage(texts, configuration.language);
    }
    releases.Register("texts", [] { textTable.Clear(); });
    LoadColours(colourTable, dataArchive.ReadDocument("colordef.xml"));
    releases.Register("colours", [] { colourTable.Clear(); });
    Vorn::fontStore.Load(dataArchive.ReadDocument(Vorn::FontNames::fontsFile));
    releases.Register("font descriptions", [] { Vorn::fontStore.Load(Brisk::Node{}); });
    // Only the description now: the textures themselves need the GL context of the loading mode.
    Vorn::textureStore.Load(dataArchive.ReadDocument("textures.xml"));
    releases.Register("textures", [] { Vorn::textureStore.ForgetDescription(); });
    shell.gameClip = {0, 0, configuration.screenWidth, configuration.screenHeight};
    displayMode.changed = false;
    releases.Register("display mode", [] { displayMode.Restore(); });
    shell.frameRateMeter.window = 0.5f;
    shell.frameRateMeter.Reset();
    releases.Register("frame-rate meter", [] { shell.frameRateMeter.Reset(); });
}

} // namespace Zelt
