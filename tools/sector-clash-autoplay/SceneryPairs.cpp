// The scenery's cost within one run, the two kinds of frame in turn.
#include "tools/sector-clash-autoplay/SceneryPairs.h"

#include "game/BattleScenery.h"

#include <algorithm>
#include <cstdio>

namespace autoplay {

namespace {

void DrawScenery(bool all) {
    Vorn::BattleScenery::SetLayers(all ? Vorn::BattleScenery::Layers::All : Vorn::BattleScenery::Layers::None);
}

} // namespace

SceneryPairs::SceneryPairs() {
    DrawScenery(drawingAll);
}

void SceneryPairs::AfterGameFrame(double frameMs, bool counted) {
    const bool secondOfPair = frame % 2 == 1;
    if (secondOfPair && counted && frameMs >= 0) {
        Times& times = drawingAll ? all : none;
        times.quantiles.Add(frameMs);
        times.sum += frameMs;
    }
    ++frame;
    if (secondOfPair) {
        drawingAll = !drawingAll;
        DrawScenery(drawingAll);
    }
}

std::string SceneryPairs::Json() const {
    const double allMedian = all.quantiles.Quantile(0.5);
    const double noneMedian = none.quantiles.Quantile(0.5);
    char text[256];
    std::snprintf(text, sizeof text,
                  "{\"scenery_ms\": {\"pairs\": %llu, \"all\": {\"median\": %.3f, \"mean\": %.3f}, "
                  "\"none\": {\"median\": %.3f, \"mean\": %.3f}, \"cost\": {\"median\": %.3f, \"mean\": %.3f}}}",
                  static_cast<unsigned long long>(std::min(all.quantiles.Count(), none.quantiles.Count())),
                  allMedian, all.Mean(), noneMedian, none.Mean(), allMedian - noneMedian,
                  all.Mean() - none.Mean());
    return text;
}

} // namespace autoplay
