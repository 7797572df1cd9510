// Sounding the level's beeps.
#include "game/LevelBeep.h"

namespace Vorn {

namespace {

struct ToneStep {
    int frequencyHz;
    int durationMs;
};

constexpr ToneStep beepTones[] = {{1000, 200}, {40, 50}};

} // namespace

void SoundBeeps(const WorldEvents& events, Tone tone) {
    for (const WorldEvent& event : events)
        if (event.kind == WorldEventKind::Beep)
            for (const ToneStep& step : beepTones)
                tone(step.frequencyHz, step.durationMs);
}

} // namespace Vorn
