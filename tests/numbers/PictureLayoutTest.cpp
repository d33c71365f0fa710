#include "PictureLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <string>
#include <vector>

using namespace numbers;

namespace {

// A fixed-pitch font: 7 units a character, 14 high.
Size measure(const std::string &text)
{
    return {7.0 * static_cast<double>(text.size()), 14};
}
constexpr double TextHeight = 14;

std::uint64_t smallestFactor(std::uint64_t n)
{
    for (std::uint64_t d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return d;
    return n;
}

bool isPrime(std::uint64_t n)
{
    return n >= 2 && smallestFactor(n) == n;
}

double distance(Point a, Point b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

// The point of r nearest to p.
Point nearest(const Rect &r, Point p)
{
    return {std::clamp(p.x, r.x, r.right()), std::clamp(p.y, r.y, r.bottom())};
}

bool inside(const Rect &r, const Circle &c)
{
    const Point corners[] = {{r.x, r.y}, {r.right(), r.y}, {r.x, r.bottom()}, {r.right(), r.bottom()}};
    return std::all_of(std::begin(corners), std::end(corners), [&](Point p) { return distance(p, c.center) <= c.radius; });
}

bool outside(const Rect &r, const Circle &c)
{
    return distance(nearest(r, c.center), c.center) >= c.radius;
}

void expectApart(const std::vector<Rect> &rects)
{
    for (std::size_t i = 0; i < rects.size(); ++i)
        for (std::size_t j = i + 1; j < rects.size(); ++j)
            EXPECT_FALSE(rects[i].intersects(rects[j])) << "items " << i << " and " << j;
}

TEST(FactorTreeLayout, SplitsAtTheNearestDivisorsWithoutOverlap)
{
    const struct {
        const char *name;
        std::int32_t first, last;
    } cases[] = {
        {"every number up to 1500", 2, 1500},
        {"2^30, 59 nodes", 1073741824, 1073741824},
        {"2147483646, nine prime leaves", 2147483646, 2147483646},
        {"46327 x 46337", 2146654199, 2146654199},
        {"the last Longs, the largest a prime", 2147483600, 2147483647},
    };
    for (const auto &c : cases)
        for (std::int64_t each = c.first; each <= c.last; ++each) {
            const auto n = static_cast<std::int32_t>(each);
            SCOPED_TRACE(std::string(c.name) + ": " + std::to_string(n));
            const FactorTree tree = layoutFactorTree(n, measure, {300, TextHeight});
            ASSERT_FALSE(tree.nodes.empty());
            ASSERT_EQ(tree.lines.size(), tree.nodes.size() - 1);
            EXPECT_EQ(tree.nodes[0].value, n);
            std::vector<Rect> drawn{tree.lastLine};
            std::vector<int> composites;
            for (std::size_t i = 0; i < tree.nodes.size(); ++i) {
                const TreeNode &node = tree.nodes[i];
                const auto m = static_cast<std::uint64_t>(node.value);
                ASSERT_EQ(node.prime, isPrime(m));
                EXPECT_TRUE(tree.bounds.contains(node.prime ? node.circle : node.text));
                EXPECT_LE(node.text.bottom(), tree.lastLine.y);
                if (i > 0) {
                    const TreeNode &parent = tree.nodes[static_cast<std::size_t>(node.parent)];
                    const Line &line = tree.lines[i - 1];
                    EXPECT_LE(distance(line.from, nearest(parent.prime ? parent.circle : parent.text, line.from)), TextHeight);
                    EXPECT_LE(distance(line.to, nearest(node.prime ? node.circle : node.text, line.to)), TextHeight);
                    EXPECT_GT(node.text.y, parent.text.bottom());
                }
                if (node.prime) {
                    EXPECT_EQ(node.left, -1);
                    const Rect &e = node.circle;
                    const Point corner{node.text.x, node.text.y};
                    EXPECT_LE(std::pow((corner.x - e.center().x) / (e.width / 2), 2) + std::pow((corner.y - e.center().y) / (e.height / 2), 2), 1.0);
                    drawn.push_back(node.circle);
                    continue;
                }
                std::uint64_t a = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(m))) + 1;
                while (a * a > m || m % a != 0)
                    --a;
                // Depth first, left before right: the left child comes next.
                ASSERT_EQ(node.left, static_cast<int>(i) + 1);
                const TreeNode &left = tree.nodes[static_cast<std::size_t>(node.left)];
                const TreeNode &right = tree.nodes[static_cast<std::size_t>(node.right)];
                EXPECT_EQ(static_cast<std::uint64_t>(left.value), a);
                EXPECT_EQ(static_cast<std::uint64_t>(right.value), m / a);
                EXPECT_EQ(left.parent, static_cast<int>(i));
                EXPECT_EQ(right.parent, static_cast<int>(i));
                EXPECT_LT(left.text.right(), right.text.x);
                composites.push_back(static_cast<int>(i));
                drawn.push_back(node.text);
            }
            EXPECT_EQ(tree.composites, composites);
            expectApart(drawn);
        }
    EXPECT_TRUE(layoutFactorTree(1, measure, {}).nodes.empty());
    EXPECT_EQ(layoutFactorTree(1073741824, measure, {}).nodes.size(), 59u);
}

// Copy k of p stands for the numbers holding p at least k times, so it
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
    for (const std::uint64_t p : primes) {
        for (std::uint64_t power = p;; power *= p) {
            unsigned holders = 0;
            for (std::size_t i = 0; i < magnitudes.size(); ++i)
                holders |= magnitudes[i] % power == 0 ? 1u << i : 0u;
            if (holders == 0)
                break;
            if (holders == members)
                factors.push_back(static_cast<std::uint32_t>(p));
        }
    }
    return factors;
}

TEST(VennLayout, PutsEachFactorInsideItsRegionWithoutOverlap)
{
    const struct {
        const char *name;
        std::vector<std::int32_t> values;
    } cases[] = {
        {"12 18", {12, 18}},
        {"8 12 18", {8, 12, 18}},
        {"29 twos in the middle", {1073741824, 536870912}},
        {"a one", {1, 7}},
        {"signs dropped", {-12, 18, -30}},
        {"2^31 from the smallest Long", {INT32_MIN, 2147483646}},
        {"three with 30 factors", {1073741824, 2 * 3 * 5 * 7 * 11 * 13 * 17, 2 * 3 * 3 * 3 * 3 * 5 * 5 * 7 * 7}},
        {"equal numbers", {360, 360, 360}},
        {"ones", {1, 1, 1}},
        {"pairwise primes", {2 * 3, 3 * 5, 2 * 5}},
    };
    std::vector<std::pair<std::string, std::vector<std::int32_t>>> all;
    for (const auto &c : cases)
        all.emplace_back(c.name, c.values);
    // Products of small primes share many factors.
    std::uint32_t seed = 12345;
    for (int k = 0; k < 300; ++k) {
        std::vector<std::int32_t> values(2 + k % 2, 1);
        for (std::int32_t &v : values)
            for (int f = 0; f < 6; ++f) {
                seed = seed * 1664525u + 1013904223u;
                v *= std::array{1, 2, 2, 3, 5, 7, 11, 97}[seed >> 29];
            }
        all.emplace_back("smooth numbers", values);
    }
    const std::vector<unsigned> order2{0b01, 0b11, 0b10}, order3{0b001, 0b011, 0b111, 0b101, 0b010, 0b110, 0b100};
    for (const auto &[name, values] : all) {
        SCOPED_TRACE(name);
        const VennDiagram venn = layoutVenn(values, measure, {120, TextHeight}, {160, TextHeight});
        ASSERT_EQ(venn.circles.size(), values.size());
        const auto &order = values.size() == 2 ? order2 : order3;
        ASSERT_EQ(venn.regions.size(), order.size());
        std::vector<std::uint64_t> magnitudes;
        std::uint64_t hcf = 0, lcm = 1, product = 1; // the LCM and the product modulo 2^64
        for (const std::int32_t v : values) {
            magnitudes.push_back(static_cast<std::uint64_t>(std::abs(std::int64_t{v})));
            hcf = std::gcd(hcf, magnitudes.back());
            lcm = lcm / std::gcd(lcm, magnitudes.back()) * magnitudes.back();
        }
        std::vector<Rect> texts{venn.hcfLine, venn.lcmLine};
        for (std::size_t i = 0; i < venn.circles.size(); ++i) {
            const VennCircle &c = venn.circles[i];
            EXPECT_EQ(c.magnitude, magnitudes[i]);
            for (const VennCircle &other : venn.circles) {
                EXPECT_TRUE(outside(c.label, other.circle));
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
                primes.push_back(f.prime);
                for (std::size_t i = 0; i < venn.circles.size(); ++i)
                    EXPECT_TRUE(region.inCircle(i) ? inside(f.text, venn.circles[i].circle) : outside(f.text, venn.circles[i].circle))
                        << f.prime << " in circle " << i;
                texts.push_back(f.text);
            }
            EXPECT_EQ(primes, expectedFactors(magnitudes, region.members)) << "region " << region.members;
        }
        for (const std::uint32_t p : venn.lcmFactors)
            product *= p;
        EXPECT_EQ(std::accumulate(venn.hcfFactors.begin(), venn.hcfFactors.end(), std::uint64_t{1}, std::multiplies<>()), hcf);
        EXPECT_EQ(product, lcm);
        EXPECT_TRUE(std::is_sorted(venn.lcmFactors.begin(), venn.lcmFactors.end()));
        for (const Rect &t : texts)
            EXPECT_TRUE(venn.bounds.contains(t));
        expectApart(texts);
    }
    for (const std::vector<std::int32_t> &notDrawn : std::vector<std::vector<std::int32_t>>{{}, {5}, {0, 5}, {6, 10, 0}, {1, 2, 3, 4}})
        EXPECT_FALSE(layoutVenn(notDrawn, measure, {}, {}).isDrawn());
}

TEST(SieveGridLayout, PlacesEachNumberInItsRowAndColumn)
{
    const struct {
        const char *name;
        std::int32_t a, b;
        std::size_t cells;
    } cases[] = {
        {"the hundred square", 1, 100, 100},  {"bounds either way", 30, 20, 11},   {"one number", 1, 1, 1},
        {"1000 at the top", 224002, 225001, 1000}, {"1000 off the tens", 995, 1994, 1000}, {"1001 numbers", 1, 1001, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const SieveGrid grid = layoutSieveGrid(c.a, c.b, measure);
        ASSERT_EQ(grid.cells.size(), c.cells);
        std::vector<Rect> texts;
        for (std::size_t i = 0; i < grid.cells.size(); ++i) {
            const GridCell &cell = grid.cells[i];
            const GridCell &first = grid.cells.front();
            EXPECT_EQ(cell.number, std::min(c.a, c.b) + static_cast<std::int32_t>(i));
            EXPECT_EQ(cell.row, (cell.number - 1) / 10);
            EXPECT_EQ(cell.column, (cell.number - 1) % 10);
            EXPECT_EQ(cell.prime, isPrime(static_cast<std::uint64_t>(cell.number)));
            EXPECT_DOUBLE_EQ(cell.cell.width, cell.cell.height);
            EXPECT_TRUE(cell.cell.contains(cell.text));
            EXPECT_TRUE(grid.bounds.contains(cell.cell));
            EXPECT_EQ(cell.cell.y > first.cell.y, cell.row > first.row);
            EXPECT_EQ(cell.cell.x < first.cell.x, cell.column < first.column);
            if (i > 0 && cell.column > 0) {
                EXPECT_LT(grid.cells[i - 1].cell.right(), cell.cell.x);
                EXPECT_EQ(grid.cells[i - 1].cell.y, cell.cell.y);
            }
            if (i >= 10) {
                EXPECT_EQ(grid.cells[i - 10].cell.x, cell.cell.x);
                EXPECT_LT(grid.cells[i - 10].cell.bottom(), cell.cell.y);
            }
            texts.push_back(cell.cell);
        }
        expectApart(texts);
    }
}

TEST(SieveSteps, CrossOutByTheSmallestPrimeFactor)
{
    const struct {
        const char *name;
        std::int32_t a, b;
    } cases[] = {
        {"20 to 30", 20, 30}, {"bounds either way", 30, 20}, {"only 1", 1, 1}, {"1 and 2", 1, 2}, {"only 2", 2, 2},
        {"one to a hundred", 1, 100}, {"a square end", 40, 49}, {"the top 1000", 224002, 225001},
        {"1001 numbers", 1, 1001}, {"wide at the top", 100000, 225001},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const SieveSteps steps = sieveSteps(c.a, c.b);
        const std::int32_t start = std::min(c.a, c.b), end = std::max(c.a, c.b);
        EXPECT_EQ(steps.start, start);
        EXPECT_EQ(steps.end, end);
        EXPECT_EQ(steps.wide, end - start >= 1000);
        EXPECT_EQ(steps.crossesOutOne, start == 1);
        std::vector<std::int32_t> primes;
        for (std::int32_t x = start; x <= end; ++x)
            if (isPrime(static_cast<std::uint64_t>(x)))
                primes.push_back(x);
        EXPECT_EQ(steps.primes, primes);
        std::int32_t q = 2;
        std::size_t row = 0;
        for (; q * q <= end; ++q) {
            if (!isPrime(static_cast<std::uint64_t>(q)) || steps.wide)
                continue;
            ASSERT_LT(row, steps.crossings.size());
            std::vector<std::int32_t> crossed;
            for (std::int32_t x = start; x <= end; ++x)
                if (x != q && smallestFactor(static_cast<std::uint64_t>(x)) == static_cast<std::uint64_t>(q))
                    crossed.push_back(x);
            EXPECT_EQ(steps.crossings[row].prime, q);
            EXPECT_EQ(steps.crossings[row++].crossed, crossed) << q;
        }
        EXPECT_EQ(steps.crossings.size(), row);
        while (!isPrime(static_cast<std::uint64_t>(q)))
            ++q;
        EXPECT_EQ(steps.stopPrime, q);
        EXPECT_EQ(steps.stopSquare, std::int64_t{q} * q);
    }
}

} // namespace
