#include "PictureLayout.h"
#include "PrimeRange.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numeric>
#include <string>
#include <tuple>
#include <vector>

using namespace numbers;

namespace {

// A fixed-pitch font: 7 units a character, 14 high.
constexpr double TextHeight = 14;
Size measure(const std::string &text)
{
    return {7.0 * static_cast<double>(text.size()), TextHeight};
}

std::uint64_t smallestFactor(std::uint64_t n)
{
    for (std::uint64_t d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return d;
    return n;
}

bool isPrime(std::int64_t n)
{
    return n >= 2 && smallestFactor(static_cast<std::uint64_t>(n)) == static_cast<std::uint64_t>(n);
}

double distance(Point a, Point b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

// How far p is from the nearest point of r.
double distance(const Rect &r, Point p)
{
    return distance(p, {std::clamp(p.x, r.x, r.right()), std::clamp(p.y, r.y, r.bottom())});
}

bool inside(const Rect &r, const Circle &c)
{
    const Point corners[] = {{r.x, r.y}, {r.right(), r.y}, {r.x, r.bottom()}, {r.right(), r.bottom()}};
    return std::all_of(std::begin(corners), std::end(corners), [&](Point p) { return distance(p, c.center) <= c.radius; });
}

void expectApart(const std::vector<Rect> &rects)
{
    for (std::size_t i = 0; i < rects.size(); ++i)
        for (std::size_t j = i + 1; j < rects.size(); ++j)
            EXPECT_FALSE(rects[i].intersects(rects[j])) << "items " << i << " and " << j;
}

TEST(FactorTreeLayout, SplitsAtTheNearestDivisorsWithoutOverlap)
{
    const std::tuple<const char *, std::int64_t, std::int64_t> cases[] = {
        {"every number up to 1500", 2, 1500}, {"2^30", 1073741824, 1073741824}, {"2147483646", 2147483646, 2147483646},
        {"46327 x 46337", 2146654199, 2146654199}, {"the last Longs", 2147483600, 2147483647}};
    for (const auto &[name, first, last] : cases)
        for (std::int64_t n = first; n <= last; ++n) {
            SCOPED_TRACE(std::string(name) + ": " + std::to_string(n));
            const FactorTree tree = layoutFactorTree(factorWorking(static_cast<std::int32_t>(n)), measure, {300, TextHeight});
            ASSERT_EQ(tree.lines.size() + 1, tree.nodes.size());
            EXPECT_EQ(tree.nodes[0].value, n);
            std::vector<Rect> drawn{tree.lastLine};
            std::vector<int> composites;
            for (int i = 0; i < static_cast<int>(tree.nodes.size()); ++i) {
                const TreeNode &node = tree.nodes[static_cast<std::size_t>(i)];
                ASSERT_EQ(node.prime, isPrime(node.value));
                drawn.push_back(node.outline());
                EXPECT_TRUE(tree.bounds.contains(node.outline()) && node.outline().bottom() <= tree.lastLine.y);
                if (i > 0) { // below its parent, joined by a line from number to number
                    const TreeNode &parent = tree.nodes[static_cast<std::size_t>(node.parent)];
                    const Line &line = tree.lines[static_cast<std::size_t>(i - 1)];
                    EXPECT_LE(std::max(distance(parent.outline(), line.from), distance(node.outline(), line.to)), TextHeight);
                    EXPECT_GT(node.text.y, parent.text.bottom());
                }
                const Point corner{node.text.x - node.circle.center().x, node.text.y - node.circle.center().y};
                if (node.prime) { // the circle is round the text and the node a leaf
                    EXPECT_LE(std::pow(corner.x * 2 / node.circle.width, 2) + std::pow(corner.y * 2 / node.circle.height, 2), 1.0);
                    EXPECT_EQ(node.left, -1);
                    continue;
                }
                const auto m = static_cast<std::uint64_t>(node.value);
                std::uint64_t a = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(m))) + 1;
                while (a * a > m || m % a != 0)
                    --a;
                ASSERT_EQ(node.left, i + 1); // depth first, left before right
                const TreeNode &left = tree.nodes[static_cast<std::size_t>(node.left)];
                const TreeNode &right = tree.nodes[static_cast<std::size_t>(node.right)];
                EXPECT_EQ(static_cast<std::uint64_t>(left.value), a);
                EXPECT_EQ(static_cast<std::uint64_t>(right.value), m / a);
                EXPECT_TRUE(left.parent == i && right.parent == i);
                EXPECT_LT(left.text.right(), right.text.x);
                composites.push_back(i);
            }
            EXPECT_EQ(tree.composites, composites);
            expectApart(drawn);
        }
    EXPECT_TRUE(layoutFactorTree(factorWorking(1), measure, {}).nodes.empty());
}

// Copy k of prime p stands for the numbers holding p at least k times, so it
// belongs to the region of exactly those numbers.
std::vector<std::uint32_t> expectedFactors(const std::vector<std::uint64_t> &magnitudes, unsigned members)
{
    std::vector<std::uint64_t> primes;
    for (std::uint64_t m : magnitudes)
        for (; m > 1; m /= primes.back())
            primes.push_back(smallestFactor(m));
    std::sort(primes.begin(), primes.end());
    primes.erase(std::unique(primes.begin(), primes.end()), primes.end());
    std::vector<std::uint32_t> factors;
    for (const std::uint64_t p : primes)
        for (std::uint64_t power = p;; power *= p) {
            unsigned holders = 0;
            for (std::size_t i = 0; i < magnitudes.size(); ++i)
                holders |= magnitudes[i] % power == 0 ? 1u << i : 0u;
            if (holders == 0)
                break;
            if (holders == members)
                factors.push_back(static_cast<std::uint32_t>(p));
        }
    return factors;
}

TEST(VennLayout, PutsEachFactorInsideItsRegionWithoutOverlap)
{
    std::vector<std::pair<std::string, std::vector<std::int32_t>>> cases{
        {"12 18", {12, 18}}, {"8 12 18", {8, 12, 18}}, {"29 twos in the middle", {1073741824, 536870912}}, {"29 twos alone", {2, 1073741824}}, {"a one", {1, 7}},
        {"signs dropped", {-12, 18, -30}}, {"2^31", {INT32_MIN, 2147483646}}, {"equal", {360, 360, 360}}, {"ones", {1, 1, 1}},
        {"30 factors", {1073741824, 2 * 3 * 5 * 7 * 11 * 13 * 17, 2 * 3 * 3 * 3 * 3 * 5 * 5 * 7 * 7}},
        {"pairs only", {6, 15, 10}}, {"large primes", {2147483647, 2147483629, 1}}};
    std::uint32_t seed = 12345;
    for (int k = 0; k < 300; ++k) {
        std::vector<std::int32_t> values(k % 2 == 0 ? 2u : 3u, 1);
        for (std::int32_t &v : values)
            for (int f = 0; f < 6; ++f, seed = seed * 1664525u + 1013904223u)
                v *= std::array{1, 2, 2, 3, 5, 7, 11, 97}[seed >> 29];
        cases.emplace_back("products of small primes", values);
    }
    const std::vector<unsigned> order2{0b01, 0b11, 0b10}, order3{0b001, 0b011, 0b111, 0b101, 0b010, 0b110, 0b100};
    for (const auto &[name, values] : cases) {
        SCOPED_TRACE(name);
        const std::vector<Size> notes{{150, TextHeight}, {210, TextHeight}};
        const VennDiagram venn = layoutVenn(vennContents(values), measure, measure, {120, TextHeight}, {160, TextHeight}, notes);
        const auto &order = values.size() == 2 ? order2 : order3;
        ASSERT_TRUE(venn.circles.size() == values.size() && venn.regions.size() == order.size());
        std::vector<std::uint64_t> magnitudes;
        std::uint64_t hcf = 0, lcm = 1, product = 1; // the last two modulo 2^64
        ASSERT_EQ(venn.notes.size(), notes.size());
        EXPECT_TRUE(venn.lcmLine.bottom() < venn.notes[0].y && venn.notes[0].x == venn.notes[1].x);
        std::vector<Rect> texts{venn.hcfLine, venn.lcmLine, venn.notes[0], venn.notes[1]};
        for (std::size_t i = 0; i < values.size(); ++i) {
            magnitudes.push_back(static_cast<std::uint64_t>(std::abs(std::int64_t{values[i]})));
            hcf = std::gcd(hcf, magnitudes[i]);
            lcm = lcm / std::gcd(lcm, magnitudes[i]) * magnitudes[i];
            const VennCircle &c = venn.circles[i];
            EXPECT_EQ(c.magnitude, magnitudes[i]);
            for (const VennCircle &other : venn.circles) { // labels outside, nearest their own; sums below
                EXPECT_GE(distance(c.label, other.circle.center), other.circle.radius);
                EXPECT_LE(distance(c.label.center(), c.circle.center), distance(c.label.center(), other.circle.center));
                EXPECT_LE(other.circle.center.y + other.circle.radius, venn.hcfLine.y);
            }
            texts.push_back(c.label);
        }
        for (std::size_t r = 0; r < order.size(); ++r) {
            const VennRegion &region = venn.regions[r];
            ASSERT_EQ(region.members, order[r]);
            std::vector<std::uint32_t> primes;
            for (const VennFactor &f : region.factors) {
                // A power stands for four copies or more; up to three copies are drawn one by one.
                const auto copies = static_cast<std::size_t>(f.exponent);
                EXPECT_TRUE(copies == 1 ? f.raised.isEmpty() : copies >= 4 && f.raised.bottom() < f.text.bottom());
                EXPECT_LE(std::count(primes.begin(), primes.end(), f.prime), copies == 1 ? 2 : 0);
                primes.insert(primes.end(), copies, f.prime);
                texts.push_back(f.outline());
                for (std::size_t i = 0; i < venn.circles.size(); ++i) {
                    const Circle &circle = venn.circles[i].circle;
                    EXPECT_TRUE(region.inCircle(i) ? inside(f.outline(), circle) : distance(f.outline(), circle.center) >= circle.radius)
                        << f.prime << " and circle " << i;
                }
            }
            EXPECT_EQ(primes, expectedFactors(magnitudes, region.members)) << "region " << region.members;
        }
        for (const std::uint32_t p : venn.lcmFactors)
            product *= p;
        EXPECT_EQ(std::accumulate(venn.hcfFactors.begin(), venn.hcfFactors.end(), std::uint64_t{1}, std::multiplies<>()), hcf);
        EXPECT_TRUE(product == lcm && std::is_sorted(venn.lcmFactors.begin(), venn.lcmFactors.end()));
        EXPECT_TRUE(std::all_of(texts.begin(), texts.end(), [&](const Rect &t) { return venn.bounds.contains(t); }));
        expectApart(texts);
    }
    for (const std::vector<std::int32_t> &notDrawn : std::vector<std::vector<std::int32_t>>{{}, {5}, {0, 5}, {6, 10, 0}, {1, 2, 3, 4}})
        EXPECT_FALSE(layoutVenn(vennContents(notDrawn), measure, measure, {}, {}).isDrawn());
}

TEST(FormulaLayout, PlacesRunsSideBySideWithExponentsRaised)
{
    using enum FormulaRun::Kind;
    const auto small = [](const std::string &text) { return Size{5.0 * static_cast<double>(text.size()), 10}; };
    const struct {
        const char *name;
        Formula formula;
    } cases[] = {
        {"plain words", {{Text, "97 is a prime number."}}},
        {"powers", {{Number, "360"}, {Text, " = "}, {Number, "2"}, {Exponent, "3"}, {Text, " x "}, {Number, "5"}}},
        {"a power last", {{Text, "LCM = "}, {Number, "2"}, {Exponent, "30"}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const FormulaPlaces places = layoutFormula(c.formula, measure, small);
        ASSERT_EQ(places.runs.size(), c.formula.size());
        double x = 0;
        for (std::size_t i = 0; i < places.runs.size(); ++i) {
            const Rect &run = places.runs[i];
            EXPECT_DOUBLE_EQ(run.x, x);
            x = run.right();
            EXPECT_TRUE(run.y >= 0 && run.bottom() <= places.size.height);
            if (c.formula[i].kind == Exponent) { // its middle above the plain text's middle
                EXPECT_LT(run.center().y, places.runs[i - 1].center().y - TextHeight / 4);
            }
        }
        EXPECT_DOUBLE_EQ(places.size.width, x);
    }
}

TEST(SieveGridLayout, PlacesEachNumberInItsRowAndColumn)
{
    const std::tuple<const char *, std::int32_t, std::int32_t, std::size_t> cases[] = {
        {"the hundred square", 1, 100, 100}, {"bounds either way", 30, 20, 11}, {"one number", 1, 1, 1},
        {"1000 at the top", 224002, 225001, 1000}, {"1000 off the tens", 995, 1994, 1000}, {"1001 numbers", 1, 1001, 0}};
    for (const auto &[name, a, b, count] : cases) {
        SCOPED_TRACE(name);
        const SieveGrid grid = layoutSieveGrid(sieveWorking(a, b), measure);
        ASSERT_EQ(grid.cells.size(), count);
        std::vector<Rect> cells;
        for (std::size_t i = 0; i < grid.cells.size(); ++i) {
            const GridCell &cell = grid.cells[i];
            EXPECT_EQ(cell.number, std::min(a, b) + static_cast<std::int32_t>(i));
            EXPECT_TRUE(cell.row == (cell.number - 1) / 10 && cell.column == (cell.number - 1) % 10);
            EXPECT_EQ(cell.prime, isPrime(cell.number));
            EXPECT_DOUBLE_EQ(cell.cell.width, cell.cell.height);
            EXPECT_TRUE(cell.cell.contains(cell.text) && grid.bounds.contains(cell.cell));
            const Rect &before = grid.cells[i - (i > 0)].cell, &above = grid.cells[i - (i >= 10 ? 10 : 0)].cell;
            EXPECT_TRUE(i == 0 || cell.column == 0 || (before.y == cell.cell.y && before.right() < cell.cell.x));
            // Within a hundred the number ten less is right above; 100 and 101 may be in different squares.
            const bool aboveInSquare = count <= 100 || cell.row % 10 != 0;
            EXPECT_TRUE(i < 10 || !aboveInSquare || (above.x == cell.cell.x && above.bottom() < cell.cell.y));
            cells.push_back(cell.cell);
        }
        expectApart(cells);
    }
}

TEST(SieveGridLayout, HundredSquaresInBandsOfFive)
{
    // The blocks of each band, from the top.
    const std::tuple<const char *, std::int32_t, std::int32_t, std::vector<std::size_t>> cases[] = {
        {"the hundred square", 1, 100, {1}},
        {"up to 100 numbers across two hundreds", 95, 150, {1}},
        {"101 numbers", 1, 101, {2}},
        {"1..1000", 1, 1000, {5, 5}},
        {"a part of the first and last hundred", 150, 1149, {5, 5, 1}},
        {"1000 at the top", 224002, 225001, {5, 5, 1}}};
    for (const auto &[name, a, b, bandSizes] : cases) {
        SCOPED_TRACE(name);
        const SieveGrid grid = layoutSieveGrid(sieveWorking(a, b), measure, {300, TextHeight});
        ASSERT_EQ(grid.bands.size(), bandSizes.size());
        std::vector<Rect> blocks;
        std::size_t cellsSeen = 0;
        for (std::size_t k = 0; k < grid.bands.size(); ++k) {
            const GridBand &band = grid.bands[k];
            EXPECT_EQ(band.blockCount, bandSizes[k]);
            EXPECT_TRUE(k == 0 || grid.bands[k - 1].bounds.bottom() < band.bounds.y);
            EXPECT_TRUE(grid.caption.bottom() <= band.bounds.y && grid.bounds.contains(band.bounds));
            for (std::size_t j = band.firstBlock; j < band.firstBlock + band.blockCount; ++j) {
                const GridBlock &block = grid.blocks[j];
                EXPECT_TRUE(band.bounds.contains(block.bounds) && block.firstCell == cellsSeen && block.cellCount > 0);
                blocks.push_back(block.bounds);
                const std::int32_t hundred = (grid.cells[block.firstCell].number - 1) / 100;
                for (std::size_t c = block.firstCell; c < block.firstCell + block.cellCount; ++c) {
                    EXPECT_TRUE(block.bounds.contains(grid.cells[c].cell));
                    EXPECT_TRUE(grid.blocks.size() == 1 || (grid.cells[c].number - 1) / 100 == hundred);
                }
                cellsSeen += block.cellCount;
            }
        }
        EXPECT_EQ(cellsSeen, grid.cells.size());
        expectApart(blocks);
        EXPECT_TRUE(grid.bounds.contains(grid.caption) && grid.caption.width == 300);
    }
}

TEST(SieveWorking, CrossOutByTheSmallestPrimeFactor)
{
    const std::tuple<const char *, std::int32_t, std::int32_t> cases[] = {
        {"20 to 30", 20, 30}, {"bounds either way", 30, 20}, {"only 1", 1, 1}, {"1 and 2", 1, 2}, {"only 2", 2, 2},
        {"one to a hundred", 1, 100}, {"a square end", 40, 49}, {"the top 1000", 224002, 225001},
        {"1001 numbers", 1, 1001}, {"wide at the top", 100000, 225001}};
    for (const auto &[name, a, b] : cases) {
        SCOPED_TRACE(name);
        const SieveWorking steps = sieveWorking(a, b);
        const std::int32_t start = std::min(a, b), end = std::max(a, b);
        EXPECT_TRUE(steps.start == start && steps.end == end);
        EXPECT_TRUE(steps.wide == (end - start >= 1000) && steps.crossesOutOne == (start == 1));
        std::vector<std::int32_t> primes;
        std::map<std::int32_t, std::vector<std::int32_t>> bySmallestFactor; // the composite numbers
        for (std::int32_t p = 2; p * p <= end && !steps.wide; ++p)
            if (isPrime(p))
                bySmallestFactor[p]; // a line even when it crosses nothing out
        for (std::int32_t x = std::max(start, 2); x <= end; ++x) {
            const auto p = static_cast<std::int32_t>(smallestFactor(static_cast<std::uint64_t>(x)));
            if (p == x)
                primes.push_back(x);
            else if (!steps.wide)
                bySmallestFactor[p].push_back(x);
        }
        using Crossings = std::vector<std::pair<std::int32_t, std::vector<std::int32_t>>>;
        Crossings crossings;
        for (const SieveCrossing &crossing : steps.crossings)
            crossings.emplace_back(crossing.prime, crossing.crossed);
        EXPECT_EQ(steps.primes, primes);
        EXPECT_EQ(crossings, Crossings(bySmallestFactor.begin(), bySmallestFactor.end()));
        std::int32_t q = 2;
        while (q * q <= end || !isPrime(q))
            ++q;
        EXPECT_TRUE(steps.stopPrime == q && steps.stopSquare == std::int64_t{q} * q) << steps.stopPrime;
    }
}

} // namespace
