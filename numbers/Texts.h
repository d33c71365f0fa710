#pragma once

#include "Command.h"
#include "Formula.h"
#include "Phrases.h"
#include "Practice.h"
#include "Results.h"
#include "Status.h"
#include "Worksheet.h"
#include "Working.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace numbers {

// A table among the lines of a working text: its rows are the lines firstLine
// to firstLine + rows - 1 (counted from 0), aligned in a fixed-pitch font, each
// starting with a label column labelWidth characters wide (the divisor and its
// bar, "  2 | ") that a table continued below repeats. A table is never wrapped.
struct WorkingTable {
    std::size_t firstLine = 0;
    std::size_t rows = 0;
    std::size_t labelWidth = 0;
};

// A working text and the tables among its lines.
struct WorkingText {
    std::string text;
    std::vector<WorkingTable> tables;
};

// Every text a user reads about a result, made from the result's data and one
// table of phrases: the captions, the elapsed time, the refusal messages and
// the working. They only word what the results and their working (Working.h)
// hold, and compute nothing. Numbers are written in plain decimal digits, "-" for negatives,
// without group separators.
class Texts {
public:
    // English.
    Texts() = default;
    explicit Texts(Phrases phrases) : phrases_(std::move(phrases)) {}

    // The table the texts are made of, for the captions that are phrases alone.
    const Phrases &phrases() const { return phrases_; }

    // pattern with "%1", "%2", ... replaced by the values in order.
    static std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values);

    // The captions of the results. A factor text is its factors joined into a
    // product after one blank (" 2 x 2 x 3"), or "1" when there are none.
    std::string factorsCaption(const FactorResult &result) const;
    std::string factorsFrameTitle(const FactorResult &result) const;
    std::string hcfCaption(const HcfResult &result) const;
    std::string lcmCaption(const LcmResult &result) const;
    std::string lcmFactorsCaption(const LcmResult &result) const;
    std::string primeCountCaption(const PrimesResult &result) const;
    // The time a command took: milliseconds rounded to a whole number, halves
    // away from zero (15.625 gives "16", 0.4 gives "0"), then the command's words.
    std::string elapsedCaption(Command command, double milliseconds) const;

    // The message of a refusal.
    std::string refusal(const Status &status) const;

    // The working behind each result, laid out as school teaches it, in lines
    // separated by line feeds (no line ends with a blank, no line feed at the
    // end); plain ASCII in English. Every piece, joins included, is a phrase:
    // the headings' lists end with the list's end phrase, Euclid's divisions
    // and the powers of primes are phrases of their numbers. The headers show the numbers as read, signs
    // included. A refused result's working is its refusal.
    //
    // The division ladder of the first number and its factors in exponent form.
    std::string factorsWorking(const FactorWorking &working) const { return factorsSteps(working).text; }
    // The same with its table, the ladder.
    WorkingText factorsSteps(const FactorWorking &working) const;
    // Euclid's divisions for each step of the HCF fold.
    std::string hcfWorking(const HcfWorking &working) const;
    // The LCM ladder as a table, then the product that gives the LCM.
    std::string lcmWorking(const LcmWorking &working) const { return lcmSteps(working).text; }
    // The same with its table, the ladder.
    WorkingText lcmSteps(const LcmWorking &working) const;
    // The sieve of Eratosthenes over the range, step by step, and the primes
    // left; for a range too wide to show step by step only their count.
    std::string primesWorking(const SieveWorking &working) const;
    // The last line of the factors' working, also shown under the factor tree:
    // the exponent form ("360 = 2^3 x 3^2 x 5"), "97 is a prime number.", or
    // for a number below 2, "Only numbers above 1 have prime factors.".
    std::string factorsLastLine(const FactorWorking &working) const;
    // The same line as a screen reader says it, each power in words ("360 =
    // 2 to the power 3 x 3 to the power 2 x 5"), for the pictures' words.
    std::string factorsLastLineInWords(const FactorWorking &working) const;

    // The pictures' lines in school typography, with raised exponents and the
    // phrase table's times sign. The line under the factor tree: the exponent
    // form (360 = 2³ x 3² x 5), or the last line of the working as one run.
    Formula factorsPictureLine(const FactorWorking &working) const;
    // The sums under a Venn diagram: the factors ascending, joined into a
    // product, then " = " and its value ("HCF = 2 x 3 = 6"); only the value
    // for one factor or none ("HCF = 3", "HCF = 1"). A prime repeated
    // FewestRepeatsAsPower times or more is written once as a power (LCM = 2³⁰ = 1073741824).
    Formula hcfSum(const VennContents &venn) const;
    Formula lcmSum(const VennContents &venn) const;
    // A formula as a screen reader says it: "2 to the power 3" for 2³.
    std::string inWords(const Formula &formula) const;
    // One line for each negative number of the list, in its order, saying
    // that the HCF and LCM take its size: "-12 is taken as 12."; a number
    // repeated is named once.
    std::vector<std::string> signNotes(std::span<const std::int32_t> numbers) const;

    // The pictures in words, as a screen reader says them. The factor tree:
    // each composite node, depth first, left child first, then the line under
    // it ("Factor tree of 360: 360 = 18 x 20; 18 = 3 x 6; ...; 360 = 2 to the
    // power 3 x 3 to the power 2 x 5").
    std::string treeDescription(const FactorWorking &working) const;
    // The regions that hold factors, in the order of the circles they are in
    // ("Venn diagram of 12 and 18: in 12 only: 2; in 12 and 18: 2, 3; in 18 only: 3"),
    // a prime repeated as in the drawing said as a power ("2 to the power 29").
    std::string vennDescription(const VennContents &venn) const;
    // "Grid of 20 to 30: the primes are 23, 29"; a notice for a range too wide to draw.
    std::string gridDescription(const SieveWorking &working) const;
    // The caption above a sieve grid: "Primes between 1 and 100: 25 primes".
    std::string gridCaption(const SieveWorking &working) const;

    // Practice (made in PracticeTexts.cpp). The question: "Find the HCF of 12, 18 and 30.".
    std::string questionText(const Question &question) const;
    // The verdict and its reason: "Right! HCF = 6", "8 is not a factor of 18.".
    std::string verdictText(const Verdict &verdict) const;
    // One step of the working: "360 ÷ 2 = 180".
    std::string hintLine(const HintStep &step) const;
    // "Question 3 of 10 · 2 right first time".
    std::string scoreText(int questionNumber, int questionCount, int rightFirstTime) const;
    // "Round over: 8 of 10 right first time in 4 min 12 s." (seconds rounded down by the caller).
    std::string roundOverText(int rightFirstTime, int questionCount, std::int64_t seconds) const;

    // Worksheets (made in WorksheetTexts.cpp). The sheet of the questions in
    // words: title, numbered questions, the answer key's lines.
    WorksheetText worksheet(const WorksheetOptions &options, std::span<const Question> questions) const;
    // The footer of every page: "Level 2 \u00B7 seed 4711 \u00B7 page 1 of 3".
    std::string worksheetFooter(const WorksheetOptions &options, int page, int pages) const;
    // A line of the key as plain text, each raised exponent written with its
    // base in the power phrase ("2^3"), as the Steps text writes powers.
    std::string plainLine(const RichLine &line) const;

private:
    // pattern ("HCF = %1") filled with the factors' product and its value.
    Formula sum(std::string_view pattern, std::span<const std::uint32_t> factors, const WholeNumber &value) const;

    Phrases phrases_;
};

} // namespace numbers
