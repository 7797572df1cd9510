// Texts from the data that are printf formats, checked against the arguments the code passes before any
// formatting: a text file can change the wording and the order of figures, never make the game read an
// argument it did not pass.
//
//   const TextFormat money(textTable.TextOf("infobox_global_money"), "d");
//   std::string line = money.Format(63, side.money);
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <type_traits>

namespace Vorn {

// Whether the format's conversions take exactly the arguments described by `kinds`, one letter each in
// order: 'd' an int, 'f' a double, 's' a string. Conversions accepted: "%%", and d or i (int), f F e E g G
// (double), s (string), each with any of the flags "-+ #0", a width and a precision written in digits.
// Anything else (length modifiers, "*", "%n", a lone "%" at the end) does not match.
bool FormatTakes(std::string_view format, std::string_view kinds);

// The widest field and the longest precision a text may ask for: nothing shown is longer than 255
// characters, and a field of two billion columns would keep the formatter busy for seconds every frame.
inline constexpr int maxFieldSize = 255;
// The format with every width and precision above maxFieldSize written as maxFieldSize.
std::string CapFieldSizes(std::string_view format);
// Whether CapFieldSizes changes the format (the data checker reports such texts).
bool HasOversizedField(std::string_view format);

// The letter of an argument's kind for FormatTakes.
template <class T> constexpr char ArgumentKind() {
    using U = std::decay_t<T>;
    if constexpr (std::is_same_v<U, int>) {
        return 'd';
    } else if constexpr (std::is_same_v<U, double>) {
        return 'f';
    } else {
        static_assert(std::is_same_v<U, const char*>, "texts format ints, doubles and strings only");
        return 's';
    }
}

class TextFormat {
public:
    TextFormat() = default;
    // Checks the text once against the kinds of the arguments it will be given; widths and precisions
    // are capped first (CapFieldSizes).
    TextFormat(std::string text, std::string kinds);

    // The formatted text cut to `limit` characters. A text that does not take the arguments it is given
    // is shown as written, so a broken translation shows up on screen instead of as garbage or a crash.
    template <class... Args> std::string Format(std::size_t limit, Args... args) const {
        static constexpr char given[] = {ArgumentKind<Args>()..., '\0'};
        if (!valid || kinds != given) {
            return Cut(text, limit);
        }
        char buffer[256];
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
        const int length = std::snprintf(buffer, sizeof buffer, text.c_str(), args...);
#pragma GCC diagnostic pop
        return length < 0 ? std::string() : Cut(buffer, limit);
    }

    bool Valid() const {
        return valid;
    }
    const std::string& Text() const {
        return text;
    }

private:
    static std::string Cut(std::string_view text, std::size_t limit);

    std::string text;
    std::string kinds;
    bool valid = false;
};

} // namespace Vorn
