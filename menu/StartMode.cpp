// The start screen's pages.
#include "menu/StartMode.h"

#include "menu/LevelPreview.h"

#include "datafiles/SideNames.h"
#include "datafiles/TextTable.h"
#include "game/Battle.h"
#include "game/GameMode.h"
#include "game/LoadingMode.h"
#include "graphics/FontStore.h"
#include "platform/Timer.h"
#include "random/Random.h"
#include "shell/Configuration.h"
#include "shell/GameVersion.h"
#include "shell/ModeManager.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>

namespace Vorn::Mode {

namespace {

constexpr int buttonHeight = 30;
constexpr int buttonGap = 6;
constexpr int mainWidth = 320;
constexpr int levelListWidth = 300;
constexpr int lineHeight = 20;

int ScreenWidth() {
    return Zelt::configuration.screenWidth;
}

int ScreenHeight() {
    return Zelt::configuration.screenHeight;
}

std::string Text(const std::string& key) {
    return textTable.TextOf(key);
}

std::string Minutes(std::uint32_t ms) {
    const std::uint32_t seconds = ms / 1000;
    char text[32];
    std::snprintf(text, sizeof text, "%u:%02u", seconds / 60, seconds % 60);
    return text;
}

} // namespace

bool Start::Enter() {
    // Keys pressed in the game that came before (the arrows that scrolled it) choose nothing here.
    TakeMenuInput(ScreenHeight());
    levels = ListLevels();
    seed = seed != 0 ? seed : Loading::seedUsed;
    message.clear();
    Open(Page::main);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    return true;
}

void Start::Leave() {
    panel.Release();
}

void Start::Open(Page newPage) {
    page = newPage;
    if (page == Page::main) {
        std::vector<MenuItem> items = {{"new", Text("menu_new_game")}};
        if (menuHooks.listCampaign)
            items.push_back({"campaign", Text("menu_campaign")});
        items.push_back({"load", Text("menu_load_game")});
        items.push_back({"replays", Text("menu_replays")});
        items.push_back({"settings", Text("menu_settings")});
        items.push_back({"help", Text("menu_help")});
        items.push_back({"quit", Text("menu_quit")});
        const int focus = mainList.FocusedIndex();
        mainList.SetItems(std::move(items));
        mainList.FocusIndex(focus);
    } else if (page == Page::newGame) {
        std::vector<MenuItem> items;
        for (const LevelEntry& level : levels)
            items.push_back({level.file, Text(level.title)});
        levelList.SetItems(std::move(items));
        levelsFocused = true;
        FollowLevelChoices();
    } else if (page == Page::loadGame || page == Page::replays || page == Page::campaign) {
        storedFocused = true;
        RefillStoredGames();
    } else if (page == Page::settings) {
        settings.Open();
    }
}

std::string Start::PickFrom(MenuList& list, const MenuInput& input, int& sideways) {
    list.MoveFocus(input.down - input.up);
    sideways = input.right - input.left;
    const int clicked = input.clicked ? list.ItemAt(input.cursorX, input.cursorY) : -1;
    if (clicked >= 0) {
        list.FocusIndex(clicked);
        return list.Focused()->id;
    }
    return input.enter && list.Focused() ? list.Focused()->id : std::string();
}

int Start::Frame(std::uint32_t) {
    const MenuInput input =
        page == Page::settings || page == Page::help ? MenuInput{} : TakeMenuInput(ScreenHeight());
    glLoadIdentity();
    glTranslatef(0.375f, 0.375f, 0.0f);
    switch (page) {
    case Page::main:
        return MainFrame(input);
    case Page::newGame:
        NewGameFrame(input);
        break;
    case Page::campaign:
    case Page::loadGame:
    case Page::replays:
        StoredGamesFrame(input);
        break;
    case Page::settings:
        if (settings.Frame(ScreenWidth(), ScreenHeight()))
            Open(Page::main);
        break;
    case Page::help:
        if (help.Frame(ScreenWidth(), ScreenHeight()))
            Open(Page::main);
        break;
    }
    return 0;
}

int Start::MainFrame(const MenuInput& input) {
    const MenuBox box = PageBox(ScreenWidth(), ScreenHeight());
    mainList.Lay((ScreenWidth() - mainWidth) / 2, box.bottom + box.height - 140, mainWidth, buttonHeight,
                 buttonGap);
    int sideways = 0;
    const std::string picked = PickFrom(mainList, input, sideways);
    DrawMain();
    if (picked == "new")
        Open(Page::newGame);
    else if (picked == "campaign" && menuHooks.listCampaign)
        Open(Page::campaign);
    else if (picked == "load")
        Open(Page::loadGame);
    else if (picked == "replays")
        Open(Page::replays);
    else if (picked == "settings")
        Open(Page::settings);
    else if (picked == "help")
        Open(Page::help);
    else if (picked == "quit")
        return -1;
    return 0;
}

void Start::DrawMain() {
    const MenuBox box = PageBox(ScreenWidth(), ScreenHeight());
    panel.Draw(box);
    const std::string title = Text("menu_game_title");
    DrawMenuText("info_title", (ScreenWidth() - fontStore.FindFont("info_title").Advance(title.c_str())) / 2,
                 box.bottom + box.height - 80, title);
    DrawMenuButtons(mainList);
    DrawMenuText("default", box.left + 24, box.bottom + 16, message.empty() ? Text("menu_hint") : message);
    const std::string version = Text("menu_version") + " " + std::string(Zelt::GameVersion());
    DrawMenuText("default",
                 box.left + box.width - 24 - fontStore.FindFont("default").Advance(version.c_str()),
                 box.bottom + 16, version);
}

void Start::RefillNewGameButtons() {
    const int focus = newGameButtons.FocusedIndex();
    const std::string skirmish = std::to_string(skirmishChoices[skirmishChoice]);
    // The opponents come first: the list is laid from the page's foot, so Start stays where it is.
    std::vector<MenuItem> items;
    for (const LevelEntry::Commander& opponent : opponents)
        items.push_back(
            {"opponent_" + std::to_string(opponent.side),
             Text("menu_computer") + " " +
                 Text(std::string(sideNames[static_cast<std::size_t>(opponent.side)])) + ":   " +
                 Text(opponent.difficulty.empty() ? "menu_none" : "menu_difficulty_" + opponent.difficulty)});
    items.push_back({"skirmish", Text("menu_skirmish") + ":   " + skirmish});
    items.push_back({"seed", Text("menu_seed") + ":   " + std::to_string(seed)});
    items.push_back({"start", Text("menu_start")});
    items.push_back({"back", Text("menu_back")});
    newGameButtons.SetItems(std::move(items));
    newGameButtons.FocusIndex(focus);
}

// The levels have the arrows until one is chosen with Enter; then the buttons under them do.
void Start::NewGameFrame(const MenuInput& input) {
    const MenuBox box = PageBox(ScreenWidth(), ScreenHeight());
    const int top = box.bottom + box.height - 70;
    levelList.Lay(box.left + 24, top, levelListWidth, buttonHeight, buttonGap);
    newGameButtons.Lay(box.left + 24,
                       box.bottom + 40 +
                           static_cast<int>(newGameButtons.Items().size()) * (buttonHeight + buttonGap),
                       levelListWidth, buttonHeight, buttonGap);
    const int levelBefore = levelList.FocusedIndex();
    int sideways = 0;
    const bool levelClicked = input.clicked && levelList.ItemAt(input.cursorX, input.cursorY) >= 0;
    std::string picked;
    if (levelClicked ||
        (levelsFocused && !(input.clicked && newGameButtons.ItemAt(input.cursorX, input.cursorY) >= 0))) {
        picked = PickFrom(levelList, input, sideways);
        levelsFocused = true;
        if (!picked.empty() && !levelClicked) {
            levelsFocused = false;
            newGameButtons.FocusOn("start");
        }
        if (input.escape)
            Open(Page::main);
    } else {
        levelsFocused = false;
        picked = PickFrom(newGameButtons, input, sideways);
        const std::string focused = newGameButtons.Focused() ? newGameButtons.Focused()->id : "";
        if (focused.starts_with("opponent_") && (sideways != 0 || picked == focused)) {
            ChangeOpponent(focused, sideways != 0 ? sideways : 1);
        } else if (focused == "skirmish" && (sideways != 0 || picked == "skirmish")) {
            const int count = static_cast<int>(skirmishChoices.size());
            skirmishChoice = static_cast<std::size_t>(
                ((static_cast<int>(skirmishChoice) + (sideways != 0 ? sideways : 1)) % count + count) %
                count);
        } else if (focused == "seed" && sideways != 0) {
            seed += static_cast<std::uint32_t>(sideways);
        } else if (picked == "seed") {
            seed = static_cast<std::uint32_t>(platform::TickCount());
        } else if (picked == "start") {
            StartNewGame();
            return;
        } else if (picked == "back") {
            Open(Page::main);
        } else if (input.escape) {
            levelsFocused = true;
        }
        RefillNewGameButtons();
    }
    if (levelList.FocusedIndex() != levelBefore)
        FollowLevelChoices();
    if (page == Page::newGame)
        DrawNewGame();
}

const LevelEntry* Start::FocusedLevel() const {
    const int index = levelList.FocusedIndex();
    return index >= 0 && index < static_cast<int>(levels.size()) ? &levels[static_cast<std::size_t>(index)]
                                                                 : nullptr;
}

// The skirmish and the opponents follow the level chosen: its own count when the choices hold it, its own
// commanders, and none for its other sides.
void Start::FollowLevelChoices() {
    opponents.clear();
    if (const LevelEntry* level = FocusedLevel()) {
        const auto found = std::find(skirmishChoices.begin(), skirmishChoices.end(), level->skirmish);
        skirmishChoice =
            found == skirmishChoices.end() ? 0 : static_cast<std::size_t>(found - skirmishChoices.begin());
        for (const int side : level->sides) {
            if (side == playerSideOfBattle)
                continue;
            LevelEntry::Commander opponent{side, ""};
            for (const LevelEntry::Commander& own : level->commanders)
                if (own.side == side)
                    opponent.difficulty = own.difficulty;
            opponents.push_back(opponent);
        }
    }
    RefillNewGameButtons();
}

// A side the level gives a commander keeps one: the level is built around it, so only its difficulty
// changes.
void Start::ChangeOpponent(const std::string& id, int steps) {
    const int side = std::atoi(id.c_str() + std::string("opponent_").size());
    const LevelEntry* level = FocusedLevel();
    for (LevelEntry::Commander& opponent : opponents) {
        if (opponent.side != side || level == nullptr)
            continue;
        const bool levelsOwn =
            std::any_of(level->commanders.begin(), level->commanders.end(),
                        [&](const LevelEntry::Commander& own) { return own.side == side; });
        const int first = levelsOwn ? 1 : 0;
        const int count = static_cast<int>(difficultyChoices.size()) - first;
        const auto at = std::find_if(difficultyChoices.begin(), difficultyChoices.end(),
                                     [&](const char* name) { return opponent.difficulty == name; });
        const int index =
            at == difficultyChoices.end() ? 0 : static_cast<int>(at - difficultyChoices.begin()) - first;
        opponent.difficulty =
            difficultyChoices[static_cast<std::size_t>(first + ((index + steps) % count + count) % count)];
    }
}

// A level that cannot be played keeps the player here with the reason, rather than ending the program.
void Start::StartNewGame() {
    if (levelList.Focused() == nullptr)
        return;
    if (menuHooks.beforeNewGame)
        menuHooks.beforeNewGame();
    Game::levelFileName = levelList.Focused()->id;
    Game::skirmishTanks = skirmishChoices[skirmishChoice];
    // The level starts its own commanders; only the opponents the player changed are started besides, and
    // a side's first commander is the one that plays.
    Game::chosenCommanders.clear();
    const LevelEntry* level = FocusedLevel();
    for (const LevelEntry::Commander& opponent : opponents) {
        const bool levelsOwn =
            level != nullptr && std::any_of(level->commanders.begin(), level->commanders.end(),
                                            [&](const LevelEntry::Commander& own) {
                                                return own.side == opponent.side &&
                                                       own.difficulty == opponent.difficulty;
                                            });
        if (!opponent.difficulty.empty() && !levelsOwn)
            Game::chosenCommanders.emplace_back(opponent.side, opponent.difficulty);
    }
    Loading::seedUsed = seed;
    randomGenerator.Reseed(seed);
    manager->Activate(static_cast<std::uint32_t>(Zelt::gameModeIndex));
    if (manager->Current() == Zelt::gameModeIndex)
        return;
    const auto* game =
        dynamic_cast<const Game*>(manager->ModeAt(static_cast<std::size_t>(Zelt::gameModeIndex)));
    message = Text("menu_cannot_start") + " " + (game ? game->Refusal() : std::string());
}

void Start::DrawNewGame() {
    const MenuBox box = PageBox(ScreenWidth(), ScreenHeight());
    panel.Draw(box);
    DrawMenuText("info_title", box.left + 24, box.bottom + box.height - 40, Text("menu_new_game"));
    DrawMenuButtons(levelList, levelsFocused);
    DrawMenuButtons(newGameButtons, !levelsFocused);
    if (levelList.FocusedIndex() >= 0)
        DrawLevelDetails(levels[static_cast<std::size_t>(levelList.FocusedIndex())],
                         box.left + 24 + levelListWidth + 32, box.bottom + box.height - 90);
    DrawMenuText("default", box.left + 24, box.bottom + 16,
                 message.empty() ? Text("menu_new_game_hint") : message);
}

void Start::DrawLevelDetails(const LevelEntry& level, int left, int top) {
    const double width = PageBox(ScreenWidth(), ScreenHeight()).left + PageBox(ScreenWidth(), ScreenHeight()).width - left - 24;
    DrawMenuText("info_title", left, top, Text(level.title));
    double y = top - 30;
    if (!level.description.empty())
        y = DrawWrappedText("info_text", left, y, width, lineHeight, Text(level.description)) - 10;
    DrawMenuText("info_text", left, y,
                 Text("menu_map_size") + ":   " + std::to_string(level.width) + " x " +
                     std::to_string(level.height));
    y -= lineHeight;
    DrawMenuText("info_text", left, y,
                 Text("menu_time_limit") + ":   " +
                     (level.timeLimitMs ? Minutes(*level.timeLimitMs) : Text("menu_none")));
    y -= lineHeight;
    std::string sides;
    for (const int side : level.sides)
        sides += (sides.empty() ? "" : ", ") + Text(std::string(sideNames[static_cast<std::size_t>(side)]));
    DrawMenuText("info_text", left, y, Text("menu_sides") + ":   " + sides);
    const int previewSide = std::min(static_cast<int>(width), static_cast<int>(y) - PageBox(ScreenWidth(), ScreenHeight()).bottom - 60);
    if (previewSide > 64)
        DrawLevelPreview(level,
                         MenuBox{left, static_cast<int>(y) - 30 - previewSide, previewSide, previewSide});
}

void Start::RefillStoredGames() {
    const auto& list = page == Page::loadGame   ? menuHooks.listSaves
                       : page == Page::campaign ? menuHooks.listCampaign
                                                : menuHooks.listReplays;
    storedGames = list ? list() : std::vector<StoredGameEntry>{};
    std::vector<MenuItem> items;
    for (const StoredGameEntry& entry : storedGames)
        items.push_back({entry.path, entry.title + "    " + entry.details});
    const int focus = storedList.FocusedIndex();
    storedList.SetItems(std::move(items));
    storedList.FocusIndex(std::min(focus, static_cast<int>(storedGames.size()) - 1));
    const bool any = !storedGames.empty();
    if (page == Page::loadGame)
        storedButtons.SetItems(
            {{"load", Text("menu_load"), any && static_cast<bool>(menuHooks.loadSave)},
             {"delete", Text("menu_delete"), any && static_cast<bool>(menuHooks.deleteSave)},
             {"back", Text("menu_back")}});
    else if (page == Page::campaign)
        storedButtons.SetItems(
            {{"play", Text("menu_play"), any && static_cast<bool>(menuHooks.playCampaignLevel)},
             {"back", Text("menu_back")}});
    else
        storedButtons.SetItems({{"play", Text("menu_play"), any && static_cast<bool>(menuHooks.playReplay)},
                                {"back", Text("menu_back")}});
    storedFocused = any && storedFocused;
}

void Start::StoredGamesFrame(const MenuInput& input) {
    const MenuBox box = PageBox(ScreenWidth(), ScreenHeight());
    storedList.Lay(box.left + 24, box.bottom + box.height - 70, box.width - 48, buttonHeight, buttonGap,
                   box.bottom + 90);
    storedButtons.LayRow(box.left + 24, box.bottom + 40, 200, buttonHeight, 10);
    int sideways = 0;
    std::string picked;
    const bool listClicked = input.clicked && storedList.ItemAt(input.cursorX, input.cursorY) >= 0;
    if (listClicked ||
        (storedFocused && !(input.clicked && storedButtons.ItemAt(input.cursorX, input.cursorY) >= 0))) {
        picked = PickFrom(storedList, input, sideways);
        storedFocused = true;
        if (!picked.empty() && !listClicked) {
            storedFocused = false;
            storedButtons.FocusIndex(0);
        }
        if (input.escape)
            Open(Page::main);
    } else {
        storedFocused = false;
        MenuInput across = input;
        across.up = input.left;
        across.down = input.right;
        picked = PickFrom(storedButtons, across, sideways);
        const std::string path = storedList.Focused() ? storedList.Focused()->id : "";
        std::string fault;
        if (picked == "back" || (input.escape && storedGames.empty()))
            Open(Page::main);
        else if (input.escape)
            storedFocused = true;
        else if (picked == "load" && !menuHooks.loadSave(path, fault))
            message = fault;
        else if (picked == "play" && page == Page::replays && !menuHooks.playReplay(path, fault))
            message = fault;
        else if (picked == "play" && page == Page::campaign && !menuHooks.playCampaignLevel(path, fault))
            message = fault;
        else if (picked == "delete") {
            if (!menuHooks.deleteSave(path, fault))
                message = fault;
            RefillStoredGames();
        }
    }
    if (page == Page::loadGame || page == Page::replays || page == Page::campaign)
        DrawStoredGames();
}

void Start::DrawStoredGames() {
    const MenuBox box = PageBox(ScreenWidth(), ScreenHeight());
    panel.Draw(box);
    DrawMenuText("info_title", box.left + 24, box.bottom + box.height - 40,
                 Text(page == Page::loadGame   ? "menu_load_game"
                      : page == Page::campaign ? "menu_campaign"
                                               : "menu_replays"));
    if (storedGames.empty())
        DrawMenuText("info_text", box.left + 24, box.bottom + box.height - 90,
                     Text(page == Page::loadGame ? "menu_no_saves" : "menu_no_replays"));
    DrawMenuButtons(storedList, storedFocused);
    DrawMenuButtons(storedButtons, !storedFocused);
    DrawMenuText("default", box.left + 24, box.bottom + 16, message.empty() ? Text("menu_hint") : message);
}

} // namespace Vorn::Mode
