#include "Practice.h"

#include "Hcf.h"
#include "NumericText.h"
#include "PrimeTable.h"
#include "Utf8Text.h"
#include "Working.h"

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <numeric>
#include <optional>
#include <set>
#include <utility>
#include <variant>

namespace numbers {
namespace {

// ---------------------------------------------------------------- the generator

// xoshiro256** seeded by splitmix64: the same numbers from the same seed on
// every build and standard library.
class Random {
public:
    explicit Random(std::uint64_t seed)
    {
        for (std::uint64_t &word : state_)
            word = splitmix(seed);
    }

    std::uint64_t next()
    {
        const std::uint64_t result = rotl(state_[1] * 5, 7) * 9;
        const std::uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = rotl(state_[3], 45);
        return result;
    }

    // A whole number from low to high, both included, each equally likely
    // (rejection of the uneven top of the 64-bit range).
    std::uint32_t between(std::uint32_t low, std::uint32_t high)
    {
        const std::uint64_t span = std::uint64_t{high} - low + 1;
        const std::uint64_t limit = std::numeric_limits<std::uint64_t>::max() - std::numeric_limits<std::uint64_t>::max() % span;
        std::uint64_t draw = next();
        while (draw >= limit)
            draw = next();
        return low + static_cast<std::uint32_t>(draw % span);
    }

    static std::uint64_t splitmix(std::uint64_t &x)
    {
        std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    std::array<std::uint64_t, 4> state_{};
};

std::uint64_t lcmOf(std::span<const std::uint32_t> numbers)
{
    std::uint64_t l = 1;
    for (const std::uint32_t x : numbers)
        l = std::lcm(l, std::uint64_t{x});
    return l;
}

std::uint64_t hcfOf(std::span<const std::uint32_t> numbers)
{
    std::uint64_t h = 0;
    for (const std::uint32_t x : numbers)
        h = std::gcd(h, std::uint64_t{x});
    return h;
}

// What a PrimeOrNot question must be, so that a round holds 5 primes and 5
// composites, at least 3 of them traps.
enum class Wanted { Any, Prime, Composite, Trap };

struct Bounds {
    std::uint32_t low;
    std::uint32_t high;
};

// The range of a question's numbers at level (1..3).
Bounds boundsOf(PracticeKind kind, int level)
{
    static constexpr std::array<std::array<Bounds, 3>, 4> table{{
        {{{4, 100}, {50, 1000}, {500, 10000}}},  // prime factors
        {{{2, 50}, {10, 200}, {10, 500}}},       // HCF
        {{{2, 20}, {2, 50}, {5, 100}}},          // LCM
        {{{2, 100}, {50, 400}, {200, 2000}}},    // prime or not
    }};
    return table[static_cast<std::size_t>(kind)][static_cast<std::size_t>(level - 1)];
}

bool fitsLevel(PracticeKind kind, int level, std::span<const std::uint32_t> numbers, Wanted wanted)
{
    switch (kind) {
    case PracticeKind::PrimeFactors: {
        const std::vector<std::uint32_t> factors = PrimeTable::instance().factors(numbers[0]);
        static constexpr std::array<std::uint32_t, 3> largestPrime{7, 13, 23};
        static constexpr std::array<std::size_t, 3> fewestFactors{2, 3, 3};
        return factors.size() >= fewestFactors[static_cast<std::size_t>(level - 1)] &&
               factors.back() <= largestPrime[static_cast<std::size_t>(level - 1)];
    }
    case PracticeKind::Hcf:
        return hcfOf(numbers) >= 2;
    case PracticeKind::Lcm: {
        static constexpr std::array<std::uint64_t, 3> largestLcm{100, 1000, 10000};
        return lcmOf(numbers) <= largestLcm[static_cast<std::size_t>(level - 1)];
    }
    case PracticeKind::PrimeOrNot: {
        const std::vector<std::uint32_t> factors = PrimeTable::instance().factors(numbers[0]);
        const bool prime = factors.size() == 1;
        switch (wanted) {
        case Wanted::Any:
            return true;
        case Wanted::Prime:
            return prime;
        case Wanted::Composite:
            return !prime;
        case Wanted::Trap:
            return !prime && (level == 2 ? factors.front() > 5 : factors.front() >= 7 && factors.front() <= 31);
        }
    }
    }
    return false;
}

// How many numbers a question of kind holds at level.
std::size_t countOf(PracticeKind kind, int level, Random &random)
{
    switch (kind) {
    case PracticeKind::PrimeFactors:
    case PracticeKind::PrimeOrNot:
        return 1;
    case PracticeKind::Hcf:
    case PracticeKind::Lcm:
        break;
    }
    if (level == 2)
        return random.between(2, 3);
    return level == 1 ? 2 : 3;
}

using Key = std::vector<std::uint32_t>; // a question's numbers, ascending

// Every question of one number, or of two at level 1, that fits the level
// and wanted, ascending; empty for the levels with too many to list (two or
// three numbers up to 500), whose questions are never used up in practice.
std::vector<Key> everyQuestion(PracticeKind kind, int level, Wanted wanted)
{
    std::vector<Key> every;
    const Bounds bounds = boundsOf(kind, level);
    const bool single = kind == PracticeKind::PrimeFactors || kind == PracticeKind::PrimeOrNot;
    for (std::uint32_t a = bounds.low; a <= bounds.high; ++a) {
        if (single) {
            if (fitsLevel(kind, level, std::array{a}, wanted))
                every.push_back({a});
            continue;
        }
        if (level != 1)
            break;
        for (std::uint32_t b = a + 1; b <= bounds.high; ++b)
            if (fitsLevel(kind, level, std::array{a, b}, wanted))
                every.push_back({a, b});
    }
    return every;
}

// What a sheet remembers while it draws: the questions asked, by kind, and
// the lists of every question of a level, made when first needed.
struct Drawn {
    std::array<std::set<Key>, 4> used;
    std::map<std::pair<PracticeKind, Wanted>, std::vector<Key>> every;
};

// A question that fits the level and wanted, not asked before while the level
// has one left. Random draws find one at once unless the level is nearly used
// up; then the unused ones are listed and one of them is taken (or, when none
// is left, any one: a repeat).
Question draw(PracticeKind kind, int level, Wanted wanted, Random &random, Drawn &drawn)
{
    constexpr int quickDraws = 200;
    constexpr int drawsForUnused = 20000; // for the levels too large to list
    std::set<Key> &used = drawn.used[static_cast<std::size_t>(kind)];
    const Bounds bounds = boundsOf(kind, level);
    std::optional<Question> repeat;
    for (int attempt = 0;; ++attempt) {
        if (attempt == quickDraws) {
            auto [at, made] = drawn.every.try_emplace({kind, wanted});
            if (made)
                at->second = everyQuestion(kind, level, wanted);
            const std::vector<Key> &every = at->second;
            if (!every.empty()) {
                std::vector<const Key *> unused;
                for (const Key &key : every)
                    if (!used.contains(key))
                        unused.push_back(&key);
                Key numbers = unused.empty() ? every[random.between(0, static_cast<std::uint32_t>(every.size() - 1))]
                                             : *unused[random.between(0, static_cast<std::uint32_t>(unused.size() - 1))];
                used.insert(numbers);
                if (numbers.size() == 2 && random.between(0, 1) == 1)
                    std::swap(numbers[0], numbers[1]);
                return {kind, std::move(numbers)};
            }
        }
        Question question{kind, std::vector<std::uint32_t>(countOf(kind, level, random))};
        for (std::uint32_t &number : question.numbers)
            number = random.between(bounds.low, bounds.high);
        Key key = question.numbers;
        std::sort(key.begin(), key.end());
        if (std::adjacent_find(key.begin(), key.end()) != key.end() || !fitsLevel(kind, level, question.numbers, wanted))
            continue;
        if (!used.contains(key)) {
            used.insert(std::move(key));
            return question;
        }
        if (!repeat)
            repeat = std::move(question);
        if (attempt >= drawsForUnused)
            return *repeat;
    }
}

// The classes of one block of RoundLength PrimeOrNot questions, shuffled.
std::array<Wanted, Practice::RoundLength> primeOrNotBlock(int level, Random &random)
{
    std::array<Wanted, Practice::RoundLength> block{};
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = i < 5 ? Wanted::Prime : i < 8 && level > 1 ? Wanted::Trap : Wanted::Composite;
    for (std::size_t i = block.size() - 1; i > 0; --i)
        std::swap(block[i], block[random.between(0, static_cast<std::uint32_t>(i))]);
    return block;
}

} // namespace

std::vector<PracticeKind> Practice::kindsOf(PracticeChoice choice)
{
    if (choice == PracticeChoice::Mixed)
        return {PracticeKind::PrimeFactors, PracticeKind::Hcf, PracticeKind::Lcm, PracticeKind::PrimeOrNot};
    return {static_cast<PracticeKind>(choice)};
}

std::vector<Question> Practice::sheet(std::uint64_t seed, std::span<const PracticeKind> kinds, int level, int count)
{
    std::vector<Question> questions;
    if (kinds.empty() || count <= 0)
        return questions;
    level = std::clamp(level, LowestLevel, HighestLevel);
    Random random(seed);
    Drawn drawn;
    std::array<Wanted, RoundLength> block{};
    int primeOrNotAsked = 0;
    questions.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const PracticeKind kind = kinds[static_cast<std::size_t>(i) % kinds.size()];
        Wanted wanted = Wanted::Any;
        if (kind == PracticeKind::PrimeOrNot) {
            if (primeOrNotAsked % RoundLength == 0)
                block = primeOrNotBlock(level, random);
            wanted = block[static_cast<std::size_t>(primeOrNotAsked++ % RoundLength)];
        }
        questions.push_back(draw(kind, level, wanted, random, drawn));
    }
    return questions;
}

std::vector<Question> Practice::round(std::uint64_t seed, PracticeChoice choice, int level, std::uint64_t roundNumber)
{
    std::uint64_t mixed = seed ^ (roundNumber * 0xD1B54A32D192ED03ull);
    const std::vector<PracticeKind> kinds = kindsOf(choice);
    return sheet(Random::splitmix(mixed), kinds, level, RoundLength);
}

// ---------------------------------------------------------------- reading an answer

namespace {

// One side of an answer's "=" as read: the factors written.
struct Side {
    std::vector<Term> terms;
};

struct Reading {
    bool primeWord = false;
    std::vector<Side> sides;
    std::optional<Verdict> refused; // NoAnswer, Unreadable or TooBig
};

constexpr std::uint64_t LargestBase = 0xFFFFFFFFu;
constexpr std::uint32_t LargestExponent = 999;

Verdict refusedAs(VerdictReason reason, std::string_view text)
{
    Verdict verdict;
    verdict.reason = reason;
    verdict.quoted = Utf8Text::shownShortened(text, 40);
    return verdict;
}

// The value of a superscript digit, or -1.
int superscriptDigit(char32_t code)
{
    switch (code) {
    case 0x2070: return 0;
    case 0x00B9: return 1;
    case 0x00B2: return 2;
    case 0x00B3: return 3;
    default:
        return code >= 0x2074 && code <= 0x2079 ? static_cast<int>(code - 0x2070) : -1;
    }
}

bool isTimes(char32_t code)
{
    return code == 'x' || code == 'X' || code == '*' || code == 0x00D7 || code == 0x00B7 || code == 0x22C5 || code == 0x2219;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

using NumericText::trimmed;

// Reads one side of an answer: terms joined by a times sign or blanks.
class SideReader {
public:
    explicit SideReader(std::string_view text) : text_(text) {}

    // The terms, or the verdict that refuses the side.
    std::variant<std::vector<Term>, Verdict> read()
    {
        std::vector<Term> terms;
        bool joined = true; // a term may follow: at the start, or after a times sign or blank
        bool afterTimes = false;
        skipBlanks();
        while (at_ < text_.size()) {
            const Utf8Text::Character c = Utf8Text::at(text_, at_);
            if (isDigit(text_[at_])) {
                if (!joined)
                    return unreadable();
                const std::size_t start = at_;
                std::uint64_t base = 0;
                if (!number(base))
                    return refusedAs(VerdictReason::TooBig, text_.substr(start, at_ - start));
                std::uint64_t exponent = 1;
                bool raised = false;
                if (const std::optional<Verdict> refusal = power(exponent, raised))
                    return *refusal;
                if (exponent == 0 || exponent > LargestExponent) {
                    const std::string_view written = text_.substr(start, at_ - start);
                    return exponent == 0 ? unreadableAt(start) : refusedAs(VerdictReason::TooBig, written);
                }
                terms.push_back({base, static_cast<std::uint32_t>(exponent)});
                joined = raised; // "2³3²5": a raised exponent ends its factor
                afterTimes = false;
            } else if ((c.wellFormed && isTimes(c.code)) || (text_[at_] == '.' && digitFollows(at_ + 1))) {
                if (terms.empty() || afterTimes)
                    return unreadable();
                at_ += c.length;
                joined = true;
                afterTimes = true;
            } else {
                return unreadable();
            }
            if (skipBlanks())
                joined = true;
        }
        if (terms.empty() || afterTimes)
            return refusedAs(VerdictReason::Unreadable, trimmed(text_));
        return terms;
    }

private:
    bool skipBlanks()
    {
        bool skipped = false;
        while (const std::size_t length = NumericText::separatorAt(text_, at_)) {
            at_ += length;
            skipped = true;
        }
        return skipped;
    }

    // Decimal digits into value; false when it passes LargestBase.
    bool number(std::uint64_t &value)
    {
        bool fits = true;
        for (; at_ < text_.size() && isDigit(text_[at_]); ++at_) {
            value = value * 10 + static_cast<std::uint64_t>(text_[at_] - '0');
            if (value > LargestBase) {
                fits = false;
                value = LargestBase + 1;
            }
        }
        return fits;
    }

    // Whether a digit comes next after byte at, blanks skipped: a '.' before
    // one joins two factors ("2.2.3", "2^3 . 5"); any other is not read.
    bool digitFollows(std::size_t at) const
    {
        while (const std::size_t length = NumericText::separatorAt(text_, at))
            at += length;
        return at < text_.size() && isDigit(text_[at]);
    }

    // "^3", "^ 3" or superscript digits (raised) after a base; exponent stays 1 when none.
    std::optional<Verdict> power(std::uint64_t &exponent, bool &raised)
    {
        std::size_t look = at_;
        while (const std::size_t length = NumericText::separatorAt(text_, look))
            look += length;
        if (look < text_.size() && text_[look] == '^') {
            const std::size_t caret = look;
            at_ = look + 1;
            skipBlanks();
            if (at_ >= text_.size() || !isDigit(text_[at_]))
                return unreadableAt(caret);
            exponent = 0;
            number(exponent);
            return std::nullopt;
        }
        bool any = false;
        std::uint64_t value = 0;
        while (at_ < text_.size()) {
            const Utf8Text::Character c = Utf8Text::at(text_, at_);
            const int digit = c.wellFormed ? superscriptDigit(c.code) : -1;
            if (digit < 0)
                break;
            value = std::min<std::uint64_t>(value * 10 + static_cast<std::uint64_t>(digit), LargestBase + 1);
            any = true;
            at_ += c.length;
        }
        if (any)
            exponent = value;
        raised = any;
        return std::nullopt;
    }

    Verdict unreadable() { return unreadableAt(at_); }

    // The word around byte at: the characters between blanks.
    Verdict unreadableAt(std::size_t at)
    {
        std::size_t start = 0;
        for (std::size_t i = 0; i < at && i < text_.size();) {
            const std::size_t blank = NumericText::separatorAt(text_, i);
            i += blank > 0 ? blank : Utf8Text::lengthAt(text_, i);
            if (blank > 0)
                start = i;
        }
        std::size_t end = start;
        while (end < text_.size() && NumericText::separatorAt(text_, end) == 0)
            end += Utf8Text::lengthAt(text_, end);
        if (end == start) // nothing but blanks there: quote the side
            return refusedAs(VerdictReason::Unreadable, trimmed(text_));
        return refusedAs(VerdictReason::Unreadable, text_.substr(start, end - start));
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

// Folds a letter of the prime word so that a word compares equal in any
// letter case and as pupils type it: Latin (Latin-1, Extended-A, the
// Vietnamese letters), Greek (with or without its accents, final sigma as
// sigma), Cyrillic, and the Arabic and Persian letters typed in more than one
// form (alef with or without hamza, Arabic and Persian yeh and kaf).
char32_t folded(char32_t code)
{
    if ((code >= 'A' && code <= 'Z') || (code >= 0xC0 && code <= 0xDE && code != 0xD7) || (code >= 0x410 && code <= 0x42F))
        return code + 0x20;
    if (code >= 0x400 && code <= 0x40F)
        return code + 0x50;
    // Latin Extended-A: capitals on even code points, but on odd ones from
    // U+0139 to U+0148 and from U+0179 to U+017E; U+0178 is the capital of U+00FF.
    if (code == 0x178)
        return 0xFF;
    if ((code >= 0x139 && code <= 0x148) || (code >= 0x179 && code <= 0x17E))
        return code % 2 == 1 ? code + 1 : code;
    if (code >= 0x100 && code <= 0x17F && code != 0x130 && code != 0x138 && code != 0x149)
        return code % 2 == 0 ? code + 1 : code;
    // Vietnamese: O and U with horn, and Latin Extended Additional (capitals on even code points).
    if (code == 0x1A0 || code == 0x1AF)
        return code + 1;
    if (code >= 0x1E00 && code <= 0x1EFF && code % 2 == 0)
        return code + 1;
    // Greek: capitals to small letters, accented letters to plain ones (a word
    // in capitals drops its accents), final sigma to sigma.
    switch (code) {
    case 0x386: case 0x3AC: return 0x3B1;
    case 0x388: case 0x3AD: return 0x3B5;
    case 0x389: case 0x3AE: return 0x3B7;
    case 0x38A: case 0x3AF: case 0x3AA: case 0x3CA: case 0x390: return 0x3B9;
    case 0x38C: case 0x3CC: return 0x3BF;
    case 0x38E: case 0x3CD: case 0x3AB: case 0x3CB: case 0x3B0: return 0x3C5;
    case 0x38F: case 0x3CE: return 0x3C9;
    case 0x3C2: return 0x3C3;
    // Arabic and Persian.
    case 0x622: case 0x623: case 0x625: case 0x671: return 0x627;
    case 0x649: case 0x6CC: return 0x64A;
    case 0x643: return 0x6A9;
    default: break;
    }
    if (code >= 0x391 && code <= 0x3A9)
        return code + 0x20;
    return code;
}

// Whether a and b are one word in any letter case; a run of blanks inside
// counts as one blank.
bool sameWord(std::string_view a, std::string_view b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    const auto skipBlanks = [](std::string_view text, std::size_t &at) {
        bool skipped = false;
        for (std::size_t length; at < text.size() && (length = NumericText::separatorAt(text, at)) != 0; at += length)
            skipped = true;
        return skipped;
    };
    while (i < a.size() && j < b.size()) {
        if (skipBlanks(a, i) != skipBlanks(b, j))
            return false;
        if (i == a.size() || j == b.size())
            break;
        const Utf8Text::Character x = Utf8Text::at(a, i);
        const Utf8Text::Character y = Utf8Text::at(b, j);
        if (folded(x.code) != folded(y.code))
            return false;
        i += x.length;
        j += y.length;
    }
    return i == a.size() && j == b.size() && !a.empty();
}

Reading read(std::string_view cleaned, std::string_view primeWord)
{
    Reading reading;
    const std::string_view whole = trimmed(cleaned);
    if (whole.empty()) {
        reading.refused = refusedAs(VerdictReason::NoAnswer, whole);
        return reading;
    }
    if (sameWord(whole, primeWord) || sameWord(whole, "prime")) {
        reading.primeWord = true;
        return reading;
    }
    if (std::count(whole.begin(), whole.end(), '=') > 1) {
        reading.refused = refusedAs(VerdictReason::Unreadable, whole);
        return reading;
    }
    const std::size_t equals = whole.find('=');
    std::vector<std::string_view> parts{whole.substr(0, equals)};
    if (equals != std::string_view::npos)
        parts.push_back(whole.substr(equals + 1));
    for (const std::string_view part : parts) {
        auto terms = SideReader(part).read();
        if (Verdict *refusal = std::get_if<Verdict>(&terms)) {
            if (refusal->quoted.empty())
                refusal->quoted = Utf8Text::shownShortened(whole, 40);
            reading.refused = std::move(*refusal);
            return reading;
        }
        reading.sides.push_back({std::get<std::vector<Term>>(std::move(terms))});
    }
    return reading;
}

// The value of terms, or nothing past 2^64 - 1.
std::optional<std::uint64_t> valueOf(std::span<const Term> terms)
{
    std::uint64_t value = 1;
    bool zero = false;
    bool over = false;
    for (const Term &term : terms) {
        if (term.base == 0)
            zero = true;
        for (std::uint32_t k = 0; k < term.exponent && !over && term.base > 1; ++k) {
            if (value > std::numeric_limits<std::uint64_t>::max() / term.base)
                over = true;
            else
                value *= term.base;
        }
    }
    if (zero)
        return 0;
    if (over)
        return std::nullopt;
    return value;
}

std::uint32_t factorCount(std::span<const Term> terms)
{
    std::uint32_t count = 0;
    for (const Term &term : terms)
        count += term.exponent;
    return count;
}

bool isPlainNumber(std::span<const Term> terms) { return terms.size() == 1 && terms[0].exponent == 1; }

Verdict verdictOf(PracticeKind kind, VerdictReason reason, std::vector<std::uint64_t> numbers, std::vector<Term> terms = {})
{
    Verdict verdict;
    verdict.kind = kind;
    verdict.reason = reason;
    verdict.numbers = std::move(numbers);
    verdict.terms = std::move(terms);
    return verdict;
}

// Prime powers as terms.
std::vector<Term> termsOf(std::span<const PrimePower> powers)
{
    std::vector<Term> terms;
    for (const PrimePower &power : powers)
        terms.push_back({power.prime, static_cast<std::uint32_t>(power.exponent)});
    return terms;
}

// A product written as "n = product" or "product = n": the product and the
// other side's number (nothing when there is none). Both plain numbers: the
// right side is the product.
std::pair<std::vector<Term>, std::optional<std::uint64_t>> productAndNumber(std::vector<Side> &sides)
{
    if (sides.size() == 1)
        return {std::move(sides[0].terms), std::nullopt};
    const std::size_t single = isPlainNumber(sides[0].terms) ? 0 : isPlainNumber(sides[1].terms) ? 1 : 2;
    if (single == 2)
        return {std::move(sides[1].terms), valueOf(sides[0].terms)};
    return {std::move(sides[1 - single].terms), sides[single].terms[0].base};
}

Verdict checkFactors(std::uint32_t n, std::vector<Side> &sides)
{
    constexpr PracticeKind kind = PracticeKind::PrimeFactors;
    auto [terms, stated] = productAndNumber(sides);
    for (const Term &term : terms) {
        if (term.base == 1)
            return verdictOf(kind, VerdictReason::OneIsNotPrime, {});
        if (term.base >= 4) {
            const std::vector<std::uint32_t> factors = PrimeTable::instance().factors(static_cast<std::uint32_t>(term.base));
            if (factors.size() > 1)
                return verdictOf(kind, VerdictReason::FactorNotPrime, {term.base, factors[0], term.base / factors[0]});
        }
    }
    const std::optional<std::uint64_t> product = valueOf(terms);
    if (product != n) {
        Verdict verdict = verdictOf(kind, VerdictReason::WrongProduct, {product.value_or(0), n});
        verdict.tooLarge = !product;
        return verdict;
    }
    if (stated && *stated != n)
        return verdictOf(kind, VerdictReason::SidesDiffer, {*stated}, std::move(terms));
    return verdictOf(kind, VerdictReason::Right, {n}, termsOf(factorWorking(static_cast<std::int32_t>(n)).powers));
}

Verdict checkPrimeOrNot(std::uint32_t n, const Reading &reading)
{
    constexpr PracticeKind kind = PracticeKind::PrimeOrNot;
    const bool prime = PrimeTable::instance().factors(n).size() == 1;
    if (reading.primeWord)
        return verdictOf(kind, prime ? VerdictReason::Right : VerdictReason::CompositeCalledPrime, {n});
    std::vector<Side> sides = reading.sides;
    auto [terms, stated] = productAndNumber(sides);
    if (factorCount(terms) < 2)
        return verdictOf(kind, VerdictReason::PrimeOrProduct, {n});
    const std::optional<std::uint64_t> product = valueOf(terms);
    if (product != n) {
        Verdict verdict = verdictOf(kind, VerdictReason::ProductIsNotN, {product.value_or(0), n}, std::move(terms));
        verdict.tooLarge = !product;
        return verdict;
    }
    if (std::any_of(terms.begin(), terms.end(), [](const Term &term) { return term.base == 1; }))
        return verdictOf(kind, VerdictReason::UseNumbersAboveOne, {});
    if (stated && *stated != n)
        return verdictOf(kind, VerdictReason::SidesDiffer, {*stated}, std::move(terms));
    return verdictOf(kind, VerdictReason::Right, {n}, std::move(terms));
}

// The single number an HCF or LCM answer stands for, or the verdict refusing it.
std::variant<std::uint64_t, Verdict> answerValue(PracticeKind kind, const Reading &reading, std::string_view whole)
{
    std::vector<std::optional<std::uint64_t>> values;
    for (const Side &side : reading.sides)
        values.push_back(valueOf(side.terms));
    if (std::find(values.begin(), values.end(), std::nullopt) != values.end())
        return refusedAs(VerdictReason::TooBig, whole);
    if (values.size() == 2 && *values[0] != *values[1]) {
        const std::size_t product = isPlainNumber(reading.sides[0].terms) && !isPlainNumber(reading.sides[1].terms) ? 1 : 0;
        return verdictOf(kind, VerdictReason::SidesDiffer, {*values[1 - product]}, reading.sides[product].terms);
    }
    return *values[0];
}

} // namespace

Verdict Practice::check(const Question &question, std::string_view answer, std::string_view primeWord)
{
    if (answer.size() > LongestAnswer)
        return refusedAs(VerdictReason::TooBig, answer);
    const std::string cleaned = NumericText::cleaned(answer);
    Reading reading = read(cleaned, primeWord);
    const PracticeKind kind = question.kind;
    if (reading.refused) {
        reading.refused->kind = kind;
        return *reading.refused;
    }
    const std::uint32_t n = question.numbers.empty() ? 0 : question.numbers[0];
    if (reading.primeWord && kind != PracticeKind::PrimeOrNot) {
        Verdict verdict = refusedAs(VerdictReason::Unreadable, trimmed(cleaned));
        verdict.kind = kind;
        return verdict;
    }
    switch (kind) {
    case PracticeKind::PrimeFactors:
        return checkFactors(n, reading.sides);
    case PracticeKind::PrimeOrNot:
        return checkPrimeOrNot(n, reading);
    case PracticeKind::Hcf:
    case PracticeKind::Lcm:
        break;
    }
    auto value = answerValue(kind, reading, trimmed(cleaned));
    if (Verdict *refusal = std::get_if<Verdict>(&value)) {
        refusal->kind = kind;
        return *refusal;
    }
    const std::uint64_t v = std::get<std::uint64_t>(value);
    if (kind == PracticeKind::Hcf) {
        for (const std::uint32_t x : question.numbers)
            if (v == 0 || x % v != 0)
                return verdictOf(kind, VerdictReason::NotAFactor, {v, x});
        return v == hcfOf(question.numbers) ? verdictOf(kind, VerdictReason::Right, {v})
                                            : verdictOf(kind, VerdictReason::CommonFactorNotHighest, {v});
    }
    for (const std::uint32_t x : question.numbers)
        if (x == 0 || v % x != 0)
            return verdictOf(kind, VerdictReason::NotAMultiple, {v, x});
    return v == lcmOf(question.numbers) ? verdictOf(kind, VerdictReason::Right, {v})
                                        : verdictOf(kind, VerdictReason::CommonMultipleNotLowest, {v});
}

// ---------------------------------------------------------------- hints

std::vector<HintStep> Practice::hints(const Question &question)
{
    std::vector<HintStep> steps;
    const auto step = [&](HintKind kind, std::vector<std::uint64_t> numbers, std::vector<Term> terms = {}) {
        steps.push_back({kind, std::move(numbers), std::move(terms)});
    };
    const std::vector<std::int32_t> values(question.numbers.begin(), question.numbers.end());
    const std::uint32_t n = question.numbers.empty() ? 0 : question.numbers[0];
    switch (question.kind) {
    case PracticeKind::PrimeFactors: {
        const FactorWorking working = factorWorking(static_cast<std::int32_t>(n));
        for (const DivisionRung &rung : working.ladder)
            step(HintKind::LadderRung, {rung.dividend, rung.divisor, rung.quotient});
        step(HintKind::ExponentForm, {n}, termsOf(working.powers));
        break;
    }
    case PracticeKind::Hcf: {
        const HcfWorking working = hcfWorking(values);
        for (const HcfFoldStep &fold : working.steps) {
            for (const EuclidDivision &division : fold.divisions)
                step(HintKind::EuclidDivision, {division.dividend, division.quotient, division.divisor, division.remainder});
            if (&fold != &working.steps.back()) // three numbers: the first pair's HCF meets the third number
                step(HintKind::PairHcf, {fold.h, fold.x, fold.g});
        }
        step(HintKind::HcfIs, {static_cast<std::uint64_t>(working.value)});
        break;
    }
    case PracticeKind::Lcm: {
        const LcmWorking working = lcmWorking(values);
        for (const LadderRow &row : working.rows) {
            std::vector<std::uint64_t> numbers{row.divisor};
            numbers.insert(numbers.end(), row.numbers.begin(), row.numbers.end());
            step(HintKind::LcmRow, std::move(numbers));
        }
        step(HintKind::LcmRemains, {working.remaining.begin(), working.remaining.end()});
        step(HintKind::LcmIs, {lcmOf(question.numbers)});
        break;
    }
    case PracticeKind::PrimeOrNot: {
        const PrimalityWorking working = primalityWorking(n);
        std::vector<std::uint64_t> toTry{n};
        toTry.insert(toTry.end(), working.primesToTry.begin(), working.primesToTry.end());
        step(HintKind::PrimesToTry, std::move(toTry));
        for (const TrialDivision &trial : working.trials)
            step(HintKind::TrialDivision, {n, trial.divisor, trial.quotient, trial.remainder});
        if (working.prime)
            step(HintKind::IsPrime, {n});
        else if (!working.trials.empty())
            step(HintKind::IsNotPrime, {n, working.trials.back().divisor, working.trials.back().quotient});
        else
            step(HintKind::IsNotPrime, {n, 1, n});
        break;
    }
    }
    return steps;
}

} // namespace numbers
