// Scripted play for the headless driver: parsing the script, injecting its events, running its checks.
#include "tools/sector-clash-autoplay/InputScript.h"

#include "tools/sector-clash-autoplay/GameChecks.h"
#include "tools/sector-clash-autoplay/WorldChecks.h"

#include "platform/CursorPosition.h"
#include "platform/InputTranslation.h"
#include "platform/KeyboardState.h"
#include "platform/VirtualKeyCodes.h"
#include "platform/Window.h"
#include "shell/KeyNames.h"
#include "shell/Keyboard.h"
#include "shell/Mouse.h"
#include "shell/program/ShellState.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

namespace autoplay {

namespace {

int ButtonOfName(const std::string& name) {
    static const char* const names[] = {"left", "right", "middle", "x1", "x2"};
    for (int button = 0; button < 5; ++button) {
        if (name == names[button]) {
            return button;
        }
    }
    return -1;
}

bool IsExpectation(const std::string& word) {
    return word == "toggled" || word == "untoggled" || word == "down" || word == "up";
}

// Reads a check: of the cursor, of a button, of an action's held time, or of an action's state.
std::string ParseCheck(std::istringstream& words, ScriptLine& line) {
    words >> line.action;
    if (IsGameCheck(line.action)) {
        return ParseGameCheck(words, line);
    }
    if (line.action == "cursor") {
        if (!(words >> line.x >> line.y)) {
            return "check cursor needs the screen position X Y";
        }
    } else if (line.action == "button") {
        std::string name;
        words >> name >> line.expectation;
        line.button = ButtonOfName(name);
        if (line.button < 0 || (line.expectation != "down" && line.expectation != "up")) {
            return "check button needs a button and down or up";
        }
    } else if (IsWorldCheck(line.action)) {
        return ParseWorldCheck(line.action, words, line.expectation);
    } else if (line.action == "held") {
        line.expectation = "held";
        if (!(words >> line.action >> line.heldMs)) {
            return "check held needs an action and its held milliseconds";
        }
    } else {
        words >> line.expectation;
        if (line.action.empty() || !IsExpectation(line.expectation)) {
            return "check needs an action and toggled, untoggled, down or up";
        }
    }
    return {};
}

// Reads the rest of one line after the frame number; answers the reason it is wrong, or empty.
std::string ParseEvent(std::istringstream& words, ScriptLine& line) {
    std::string verb;
    words >> verb;
    if (verb == "move") {
        if (!(words >> line.x >> line.y)) {
            return "move needs the screen position X Y";
        }
        line.kind = ScriptLine::Kind::move;
    } else if (verb == "press" || verb == "release") {
        std::string name;
        words >> name;
        line.button = ButtonOfName(name);
        if (line.button < 0) {
            return "unknown button \"" + name + "\" (left, right, middle, x1, x2)";
        }
        line.kind = verb == "press" ? ScriptLine::Kind::press : ScriptLine::Kind::release;
    } else if (verb == "wheel") {
        if (!(words >> line.notches) || !std::isfinite(line.notches) || std::fabs(line.notches) > 273) {
            return "wheel needs a number of notches between -273 and 273";
        }
        line.kind = ScriptLine::Kind::wheel;
    } else if (verb == "keydown" || verb == "keyup") {
        std::string name;
        words >> name;
        line.key = Zelt::C::KeyCodeOfName(name);
        if (line.key == 0) {
            return "unknown key \"" + name + "\"";
        }
        line.kind = verb == "keydown" ? ScriptLine::Kind::keyDown : ScriptLine::Kind::keyUp;
    } else if (verb == "aim") {
        if (!(words >> line.side) || line.side < 0 || line.side > 6) {
            return "aim needs a side 0 to 6";
        }
        line.kind = ScriptLine::Kind::aim;
    } else if (verb == "check") {
        line.kind = ScriptLine::Kind::check;
        std::string problem = ParseCheck(words, line);
        if (!problem.empty()) {
            return problem;
        }
    } else {
        return "unknown event \"" + verb + "\"";
    }
    std::string extra;
    if (words >> extra) {
        return "unexpected \"" + extra + "\" at the end";
    }
    return {};
}

bool IsHeld(std::uint8_t key) {
    return (platform::GetKeyState(key) & platform::KeyStateDown) != 0;
}

bool IsLockKey(std::uint8_t key) {
    return key == platform::vk::Capital || key == platform::vk::NumLock || key == platform::vk::Scroll;
}

platform::Point ClientOf(platform::Window* window, platform::Point screen) {
    return window != nullptr && window->Native() != nullptr ? platform::ScreenToClient(*window, screen)
                                                            : screen;
}

void AppendMessages(const ScriptLine& line, platform::Window* window,
                    std::vector<platform::Message>& messages) {
    using Kind = ScriptLine::Kind;
    switch (line.kind) {
    case Kind::move:
        // The mouse reads the cursor itself when it sees the move, as it does for real input.
        platform::SetCursorPos(line.x, line.y);
        platform::AppendMoveMessage(window, ClientOf(window, {line.x, line.y}), messages);
        break;
    case Kind::aim: {
        int x = 0;
        int y = 0;
        if (AimAt(line.side, x, y)) {
            platform::SetCursorPos(x, y);
            platform::AppendMoveMessage(window, ClientOf(window, {x, y}), messages);
        }
        break;
    }
    case Kind::press:
    case Kind::release:
        platform::AppendButtonMessage(window, line.button, line.kind == Kind::press,
                                      ClientOf(window, platform::GetCursorPos()), messages);
        break;
    case Kind::wheel:
        platform::AppendWheelMessage(window, static_cast<int>(std::lround(line.notches * WHEEL_DELTA)),
                                     platform::GetCursorPos(), messages);
        break;
    case Kind::keyDown:
    case Kind::keyUp: {
        bool down = line.kind == Kind::keyDown;
        // A key pressed again while held repeats, as a held key does.
        bool repeat = down && IsHeld(line.key);
        if (down && !repeat && IsLockKey(line.key)) {
            platform::SimulateLockKeyPress(line.key);
        }
        platform::AppendKeyMessages(window, line.key, down, repeat, messages);
        break;
    }
    case Kind::check:
        break;
    }
}

// Why the check does not hold, or empty when it does.
std::string CheckFailure(const ScriptLine& line) {
    if (IsWorldCheck(line.action)) {
        return WorldCheckFailure(line.action, line.expectation);
    }
    if (IsGameCheck(line.action)) {
        return GameCheckFailure(line);
    }
    if (line.action == "cursor" || line.action == "button") {
        if (Zelt::mouse == nullptr) {
            return "there is no mouse yet";
        }
        if (line.action == "cursor") {
            int x = Zelt::mouse->ClientX(nullptr);
            int y = Zelt::mouse->ClientY(nullptr);
            return x == line.x && y == line.y
                       ? std::string()
                       : "the cursor is at " + std::to_string(x) + " " + std::to_string(y);
        }
        bool down = Zelt::mouse->IsDown(line.button);
        return down == (line.expectation == "down") ? std::string() : "the button is not " + line.expectation;
    }
    if (Zelt::keyboard == nullptr) {
        return "there is no keyboard";
    }
    if (line.expectation == "held") {
        // A peek: the check must not take what the game would take.
        std::uint32_t held = Zelt::keyboard->ActionHeldMs(line.action, 0);
        return held == line.heldMs
                   ? std::string()
                   : "the action \"" + line.action + "\" was held " + std::to_string(held) + " ms";
    }
    bool holds = line.expectation == "toggled" || line.expectation == "untoggled"
                     ? Zelt::keyboard->ActionToggled(line.action) == (line.expectation == "toggled")
                     : Zelt::keyboard->ActionDown(line.action) == (line.expectation == "down");
    return holds ? std::string() : "the action \"" + line.action + "\" is not " + line.expectation;
}

} // namespace

bool InputScript::Load(const std::string& path, std::FILE* errors) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(errors, "%s: cannot be read\n", path.c_str());
        return false;
    }
    std::stringstream text;
    text << file.rdbuf();
    return Parse(text.str(), path, errors);
}

bool InputScript::Parse(const std::string& text, const std::string& sourceName, std::FILE* errors) {
    source = sourceName;
    lines.clear();
    nextEvent = 0;
    bool ok = true;
    std::istringstream input(text);
    std::string raw;
    for (int number = 1; std::getline(input, raw); ++number) {
        std::string content = raw.substr(0, raw.find('#'));
        std::istringstream words(content);
        std::string frameWord;
        if (!(words >> frameWord)) {
            continue;
        }
        ScriptLine line;
        line.lineNumber = number;
        char* end = nullptr;
        unsigned long frame = std::strtoul(frameWord.c_str(), &end, 10);
        std::string problem;
        if (*end != '\0' || frameWord[0] == '-' || frame > 100000000ul) {
            problem = "a line starts with its frame number, not \"" + frameWord + "\"";
        } else {
            line.frame = static_cast<std::uint32_t>(frame);
            problem = ParseEvent(words, line);
        }
        if (!problem.empty()) {
            std::fprintf(errors, "%s:%d: %s\n", source.c_str(), number, problem.c_str());
            ok = false;
            continue;
        }
        lines.push_back(line);
    }
    // Events of one frame keep their order in the file.
    std::stable_sort(lines.begin(), lines.end(),
                     [](const ScriptLine& a, const ScriptLine& b) { return a.frame < b.frame; });
    return ok;
}

std::vector<platform::Message> InputScript::TakeMessagesUpTo(std::uint32_t frame, platform::Window* window) {
    std::vector<platform::Message> messages;
    for (; nextEvent < lines.size() && lines[nextEvent].frame <= frame; ++nextEvent) {
        AppendMessages(lines[nextEvent], window, messages);
    }
    return messages;
}

bool InputScript::AfterFrame(std::uint32_t frame, std::FILE* errors) {
    bool passed = RunChecks(frame, errors);
    for (const platform::Message& message : TakeMessagesUpTo(frame + 1, Zelt::shell.window)) {
        platform::PostMessage(message.window, message.code, message.wParam, message.lParam);
    }
    return passed;
}

bool InputScript::Finish(std::uint32_t lastFrame, std::FILE* errors) const {
    bool passed = true;
    for (const ScriptLine& line : lines) {
        if (line.kind == ScriptLine::Kind::check && line.frame > lastFrame) {
            std::fprintf(errors, "%s:%d: frame %u was never reached (the run ended after frame %u)\n",
                         source.c_str(), line.lineNumber, line.frame, lastFrame);
            passed = false;
        }
    }
    return passed;
}

bool InputScript::RunChecks(std::uint32_t frame, std::FILE* errors) const {
    bool passed = true;
    for (const ScriptLine& line : lines) {
        if (line.kind != ScriptLine::Kind::check || line.frame != frame) {
            continue;
        }
        std::string failure = CheckFailure(line);
        if (!failure.empty()) {
            std::fprintf(errors, "%s:%d: at frame %u %s\n", source.c_str(), line.lineNumber, frame,
                         failure.c_str());
            passed = false;
        }
    }
    return passed;
}

} // namespace autoplay
