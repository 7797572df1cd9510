// Fuzzes the campaign progress reader: any bytes give either the levels won or no progress with one
// line saying why; progress read writes back to a text that reads as the same progress.
#include "campaign/CampaignProgress.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Vorn::ProgressReading reading = Vorn::ParseCampaignProgress(text, "fuzz.xml");
    if (!reading.problem.empty()) {
        if (reading.problem.find('\n') != std::string::npos || !reading.progress.finished.empty())
            std::abort();
        return 0;
    }
    const Vorn::ProgressReading again =
        Vorn::ParseCampaignProgress(Vorn::CampaignProgressText(reading.progress), "again.xml");
    if (!again.problem.empty() || again.progress.finished != reading.progress.finished)
        std::abort();
    return 0;
}
