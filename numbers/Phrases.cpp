#include "Phrases.h"

#include <charconv>
#include <string_view>

namespace numbers {

CountedPhrase englishCounted(const char *one, const char *other)
{
    return [one, other](std::int64_t count) {
        const std::string_view form = count == 1 ? one : other;
        char digits[24];
        const std::string_view shown(digits, static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, count).ptr - digits));
        std::string text;
        for (std::size_t i = 0; i < form.size(); ++i) {
            if (form[i] == '%' && i + 1 < form.size() && form[i + 1] == 'n') {
                text += shown;
                ++i;
            } else {
                text += form[i];
            }
        }
        return text;
    };
}

} // namespace numbers
