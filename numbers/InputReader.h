#pragma once

#include "NumberList.h"
#include "Status.h"

#include <string_view>

namespace numbers {

// What reading the numbers box gives: the numbers, or the refusal of the first
// offending token.
struct Reading {
    Status status;
    NumberList list;
};

// Reads the text of the numbers box.
namespace InputReader {

// Cuts the UTF-8 text at runs of separators (NumericText::isSeparator; no
// empty tokens), cleans each token (NumericText::cleaned) and converts it with
// NumericText; a token that cleaning leaves empty is no number, and a
// malformed byte is a character of its token. The empty text gives an empty
// list. Refuses the first offending token in text order, quoted as typed: not
// numeric, outside the 32-bit range, or a 102nd number. Negative numbers and 0
// are read as typed.
Reading read(std::string_view text);

} // namespace InputReader
} // namespace numbers
