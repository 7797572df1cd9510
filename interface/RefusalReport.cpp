// The refusal reasons' texts, in the order of OrderRefusal.
#include "interface/RefusalReport.h"

#include "command/OrderRefusal.h"
#include "interface/MessageLine.h"
#include "interface/Toolbar.h"

#include <array>

namespace Vorn {

std::string RefusalTextKey(int detail) {
    constexpr int first = static_cast<int>(OrderRefusal::NotAProducer);
    constexpr std::array<const char*, 7> keys = {
        "msg_refused_not_a_producer",  "msg_refused_busy",
        "msg_refused_too_heavy",       "msg_refused_not_finished",
        "msg_refused_unknown_product", "msg_refused_bad_point",
        "msg_refused_bad_count",
    };
    static_assert(static_cast<int>(OrderRefusal::BadCount) - first + 1 == keys.size(),
                  "a text key for every refusal");
    if (detail < first || detail - first >= static_cast<int>(keys.size()))
        return "msg_refused";
    return keys[static_cast<std::size_t>(detail - first)];
}

void ReportRefusals(const WorldEvents& events, int side, MessageLine& messages) {
    const WorldEvent* last = nullptr;
    for (const WorldEvent& event : events)
        if (event.kind == WorldEventKind::OrderRefused && event.side == side)
            last = &event;
    if (last != nullptr)
        messages.Post(Text(RefusalTextKey(last->detail)));
}

} // namespace Vorn
