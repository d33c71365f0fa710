#pragma once

#include "Practice.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A worksheet: practice questions on paper, numbered, with room to work, and
// an answer key with the working, made again from its seed. The questions come
// from Practice::sheet; numbers::Texts words the sheet (Texts::worksheet).
namespace numbers {

// What a worksheet is made from.
struct WorksheetOptions {
    // Drawn in turn, as Mixed draws them.
    std::vector<PracticeKind> kinds{PracticeKind::PrimeFactors, PracticeKind::Hcf, PracticeKind::Lcm,
                                    PracticeKind::PrimeOrNot};
    int level = 1;
    int count = 20;
    std::uint64_t seed = 0;
    // A small factor tree or Venn diagram beside each answer that has one.
    bool picturesInKey = true;

    friend bool operator==(const WorksheetOptions &, const WorksheetOptions &) = default;
};

// A piece of a line of text; an exponent, raised over the number before it,
// is drawn raised where the format can and written with the power phrase in
// plain text ("2^3", Texts::plainLine).
struct LinePiece {
    std::string text;
    bool raised = false;

    friend bool operator==(const LinePiece &, const LinePiece &) = default;
};
using RichLine = std::vector<LinePiece>;

// The sheet in words, as every format writes it: the questions pages, then the
// answer key on a page of its own.
struct WorksheetText {
    std::string title;        // "Worksheet: prime factors, HCF and LCM"
    std::string nameLine;     // "Name:"
    std::string dateLine;     // "Date:"
    std::string levelAndSeed; // "Level 2 · seed 4711": what makes the sheet again
    struct Item {
        std::string number;   // "1."
        Question question;
        std::string questionText;  // "Write 360 as a product of prime factors."
        RichLine answer;      // "360 = 2^3 x 3^2 x 5"
    };
    std::vector<Item> items;
    std::string answersHeading; // "Answers"
};

namespace Worksheet {

inline constexpr int FewestQuestions = 1;
inline constexpr int MostQuestions = 60;

// The option texts as typed on the command line or in a box; each gives
// nothing when the text is refused. Numbers are plain decimal digits alone.
//
// Kind names joined by commas, in any order: "factors", "hcf", "lcm",
// "prime", blanks around a name allowed; each kind once, in the order
// factors, HCF, LCM, prime or not.
std::optional<std::vector<PracticeKind>> readKinds(std::string_view text);
// A level from Practice::LowestLevel to Practice::HighestLevel.
std::optional<int> readLevel(std::string_view text);
// A count from FewestQuestions to MostQuestions.
std::optional<int> readCount(std::string_view text);
// A whole number from 0 to 18446744073709551615, in decimal digits.
std::optional<std::uint64_t> readSeed(std::string_view text);

// The questions of the sheet: Practice::sheet with the options.
std::vector<Question> questions(const WorksheetOptions &options);

} // namespace Worksheet
} // namespace numbers
