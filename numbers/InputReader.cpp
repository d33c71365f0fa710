#include "InputReader.h"

#include "NumericText.h"
#include "Utf8Text.h"

#include <string>

namespace numbers {
namespace {

// The token in double quotes, its first 40 characters then "..." when longer,
// so that a long paste keeps the message readable; characters that cannot be
// seen are named as <U+XXXX>.
std::string quoted(std::string_view token)
{
    std::string text = "\"";
    text += Utf8Text::shownShortened(token, 40);
    text += '"';
    return text;
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
        while (const std::size_t separator = NumericText::separatorAt(text, i))
            i += separator;
        if (i == text.size())
            break;
        const std::size_t start = i;
        while (i < text.size() && NumericText::separatorAt(text, i) == 0)
            i += Utf8Text::lengthAt(text, i);
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
