#include "InputReader.h"

#include "NumericText.h"

#include <string>

namespace numbers {
namespace {

// The token in double quotes, shortened (at a character boundary) when a long
// paste would make the message unreadable.
std::string quoted(std::string_view token)
{
    constexpr std::size_t longest = 40;
    std::string shown(token);
    if (token.size() > longest) {
        std::size_t cut = longest;
        while (cut > 0 && (static_cast<unsigned char>(token[cut]) & 0xC0) == 0x80)
            --cut; // do not split a UTF-8 sequence
        shown = std::string(token.substr(0, cut)) + "...";
    }
    return "\"" + shown + "\"";
}

Reading refused(std::string message)
{
    return {Status::refused(std::move(message)), NumberList()};
}

} // namespace

Reading InputReader::read(std::string_view text)
{
    Reading reading{Status::ok(), NumberList()};
    std::size_t i = 0;
    while (true) {
        while (i < text.size() && NumericText::isBlank(text[i]))
            ++i;
        if (i == text.size())
            break;
        const std::size_t start = i;
        while (i < text.size() && !NumericText::isBlank(text[i]))
            ++i;
        const std::string_view token = text.substr(start, i - start);

        const std::optional<double> value = NumericText::value(token);
        if (!value)
            return refused(quoted(token) + " is not a number.");
        const std::optional<std::int32_t> number = NumericText::toLong(*value);
        if (!number)
            return refused(quoted(token) + " is out of range: enter numbers from -2147483648 to 2147483647.");
        if (!reading.list.append(*number))
            return refused("Enter at most 101 numbers.");
    }
    return reading;
}

} // namespace numbers
