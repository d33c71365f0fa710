#include "InputReader.h"

#include "NumericText.h"
#include "Utf8Text.h"

#include <algorithm>
#include <string>

namespace numbers {
namespace {

Reading refused(Refusal reason, std::string_view token = {})
{
    return {Status::refused(reason, std::string(token)), NumberList()};
}

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
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

        // Typed ASCII needs no cleaning, which keeps the common case quick.
        const bool ascii = isAscii(token);
        const std::string clean = ascii ? std::string() : NumericText::cleaned(token);
        const std::string_view read = ascii ? token : std::string_view(clean);
        if (read.empty())
            continue;
        const std::optional<double> value = NumericText::value(read);
        if (!value)
            return refused(Refusal::NotANumber, token);
        const std::optional<std::int32_t> number = NumericText::toInt32(*value);
        if (!number)
            return refused(Refusal::OutOfRange, token);
        if (!reading.list.append(*number))
            return refused(Refusal::TooManyNumbers);
    }
    return reading;
}

} // namespace numbers
