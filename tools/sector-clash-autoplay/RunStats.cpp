// The driver's measurements.
#include "tools/sector-clash-autoplay/RunStats.h"

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace autoplay {

namespace {

double NowSinceBootMs() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

} // namespace

double MsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // The command name may hold spaces; the fields after it are plain. Start time is field 22.
    const std::size_t close = text.rfind(')');
    if (close == std::string::npos)
        return 0;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    for (int index = 3; index < 22 && fields >> field; ++index) {
    }
    unsigned long long startTicks = 0;
    fields >> startTicks;
    return NowSinceBootMs() - startTicks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double PeakResidentMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

void RunStats::AfterFrame(bool gameFrame) {
    ++frames;
    if (!gameFrame)
        return;
    const double now = NowSinceBootMs();
    if (startupMs < 0) {
        startupMs = MsSinceProcessStart();
    } else {
        const double ms = now - lastFrameAt;
        frameMs.Add(ms);
        lastFrameMs = ms;
        allMs += ms;
        if (gameMs >= settledGameMs) {
            settledMs += ms;
            ++settledFrames;
        }
    }
    lastFrameAt = now;
}

std::string RunStats::Json() const {
    // The rate counts the frames after the battle settled when the run reached that far, else all.
    const bool anySettled = settledFrames > 0;
    const double countedMs = anySettled ? settledMs : allMs;
    const double countedFrames = static_cast<double>(anySettled ? settledFrames : frameMs.Count());
    const double fps = countedMs > 0 ? countedFrames * 1000.0 / countedMs : 0;
    char text[512];
    std::snprintf(
        text, sizeof text,
        "{\"frames\": %u, \"steps\": %llu, \"fps\": %.1f, \"frame_ms\": {\"median\": %.3f, \"p99\": %.3f}, "
        "\"tick_ms\": {\"median\": %.4f, \"p99\": %.4f}, \"startup_ms\": %.0f, \"rss_mb\": %.1f, "
        "\"digest\": \"%s\"}",
        frames, static_cast<unsigned long long>(steps), fps, frameMs.Quantile(0.5), frameMs.Quantile(0.99),
        tickMs.Quantile(0.5), tickMs.Quantile(0.99),
        std::max(startupMs, 0.0), PeakResidentMb(), digest.c_str());
    return text;
}

} // namespace autoplay
