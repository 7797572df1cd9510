// The fonts the game asks for by name.
#include "graphics/FontNames.h"

#include <array>

namespace Vorn::FontNames {

std::span<const std::string_view> RequiredFontNames() {
    static constexpr std::array<std::string_view, 7> names = {
        "default",
        "info_title",
        "info_text",
        "toolbar_button_text",
        "toolbar_button_text_disabled",
        "toolbar_button_info",
        "toolbar_button_info_disabled",
    };
    return names;
}

} // namespace Vorn::FontNames
