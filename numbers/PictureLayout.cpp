#include "PictureLayout.h"


#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <iterator>
#include <limits>

namespace numbers {

bool Rect::intersects(const Rect &other) const
{
    return x < other.right() && other.x < right() && y < other.bottom() && other.y < bottom();
}

bool Rect::contains(Point p) const
{
    return p.x >= x && p.x <= right() && p.y >= y && p.y <= bottom();
}

bool Rect::contains(const Rect &other) const
{
    return other.x >= x && other.right() <= right() && other.y >= y && other.bottom() <= bottom();
}

Rect Rect::united(const Rect &other) const
{
    if (other.isEmpty())
        return *this;
    if (isEmpty())
        return other;
    const double left = std::min(x, other.x);
    const double top = std::min(y, other.y);
    return {left, top, std::max(right(), other.right()) - left, std::max(bottom(), other.bottom()) - top};
}

namespace {

Rect centredAt(Point centre, Size size)
{
    return {centre.x - size.width / 2, centre.y - size.height / 2, size.width, size.height};
}

// r with a margin all round: a picture's border, and room for the rounding
// of the coordinates when the picture is moved to (0, 0).
Rect withMargin(const Rect &r, double margin)
{
    return {r.x - margin, r.y - margin, r.width + 2 * margin, r.height + 2 * margin};
}

Rect moved(const Rect &r, Point by)
{
    return r.isEmpty() ? r : Rect{r.x + by.x, r.y + by.y, r.width, r.height};
}

Point moved(Point p, Point by)
{
    return {p.x + by.x, p.y + by.y};
}

// ---- Factor tree ----------------------------------------------------------

// The ellipse around a text of the given size: the corners of the text lie on
// the ellipse with semi-axes width/sqrt(2) and height/sqrt(2), so pad keeps
// them strictly inside, and widening a narrow one to a circle keeps them in.
Size circleAround(Size text, double pad)
{
    const double height = text.height * std::sqrt(2.0) + 2 * pad;
    return {std::max(height, text.width * std::sqrt(2.0) + 2 * pad), height};
}

} // namespace

// Each subtree owns a vertical band as wide as its widest row needs; the two
// children's bands lie side by side, a gap apart, inside their parent's band.
// Two nodes of one depth therefore lie in disjoint bands (those of the two
// children of their lowest common ancestor), and nodes of different depths lie
// in different rows, each row taller than any number or circle: no two
// overlap. A joining line stays inside its parent's band and between the two
// rows, so it crosses no other number either.
FactorTree layoutFactorTree(const FactorWorking &working, const MeasureText &measure, Size lastLineSize)
{
    FactorTree tree;
    for (const TreeSplit &split : working.tree) {
        TreeNode node;
        node.value = static_cast<std::int32_t>(split.value);
        node.prime = split.isPrime();
        node.parent = split.parent;
        node.left = split.left;
        node.right = split.right;
        tree.nodes.push_back(node);
    }
    if (tree.nodes.empty())
        return tree;

    const std::size_t count = tree.nodes.size();
    std::vector<Size> text(count), footprint(count);
    double textHeight = 0;
    for (std::size_t i = 0; i < count; ++i) {
        text[i] = measure(std::to_string(tree.nodes[i].value));
        textHeight = std::max(textHeight, text[i].height);
    }
    const double pad = 0.15 * textHeight;
    const double gap = 0.8 * textHeight;
    const double lineGap = 0.2 * textHeight;
    double rowHeight = 0;
    for (std::size_t i = 0; i < count; ++i) {
        footprint[i] = tree.nodes[i].prime ? circleAround(text[i], pad) : text[i];
        rowHeight = std::max(rowHeight, footprint[i].height);
    }
    const double rowPitch = rowHeight + 1.5 * textHeight;

    // Children come after their parent, so a backward pass sees every
    // subtree before its root, a forward pass every root before its subtree.
    const auto at = [](int index) { return static_cast<std::size_t>(index); };
    std::vector<double> band(count), bandLeft(count), centreX(count);
    std::vector<int> depth(count, 0);
    for (std::size_t i = count; i-- > 0;) {
        const TreeNode &node = tree.nodes[i];
        band[i] = footprint[i].width;
        if (!node.prime)
            band[i] = std::max(band[i], band[at(node.left)] + gap + band[at(node.right)]);
    }
    for (std::size_t i = 0; i < count; ++i) {
        const TreeNode &node = tree.nodes[i];
        if (node.prime)
            continue;
        const double children = band[at(node.left)] + gap + band[at(node.right)];
        bandLeft[at(node.left)] = bandLeft[i] + (band[i] - children) / 2;
        bandLeft[at(node.right)] = bandLeft[at(node.left)] + band[at(node.left)] + gap;
        depth[at(node.left)] = depth[at(node.right)] = depth[i] + 1;
    }
    // A parent sits midway over its children, moved only as far as keeps it in its band.
    for (std::size_t i = count; i-- > 0;) {
        const TreeNode &node = tree.nodes[i];
        const double half = footprint[i].width / 2;
        centreX[i] = node.prime ? bandLeft[i] + band[i] / 2
                                : std::clamp((centreX[at(node.left)] + centreX[at(node.right)]) / 2, bandLeft[i] + half,
                                             bandLeft[i] + band[i] - half);
    }

    for (std::size_t i = 0; i < count; ++i) {
        TreeNode &node = tree.nodes[i];
        const Point centre{centreX[i], rowHeight / 2 + depth[i] * rowPitch};
        node.text = centredAt(centre, text[i]);
        if (node.prime)
            node.circle = centredAt(centre, footprint[i]);
        tree.bounds = tree.bounds.united(node.outline());
        if (!node.prime)
            tree.composites.push_back(static_cast<int>(i));
    }
    // From the bottom of the parent's number (or circle) to the top of the child's.
    for (std::size_t i = 1; i < count; ++i) {
        const std::size_t parent = at(tree.nodes[i].parent);
        tree.lines.push_back({{centreX[parent], tree.nodes[parent].outline().bottom() + lineGap},
                              {centreX[i], tree.nodes[i].outline().y - lineGap}});
    }

    tree.lastLine = centredAt({tree.bounds.center().x, tree.bounds.bottom() + textHeight + lastLineSize.height / 2}, lastLineSize);
    tree.bounds = withMargin(tree.bounds.united(tree.lastLine), 0.5 * textHeight);

    const Point shift{-tree.bounds.x, -tree.bounds.y};
    for (TreeNode &node : tree.nodes) {
        node.text = moved(node.text, shift);
        node.circle = moved(node.circle, shift);
    }
    for (Line &line : tree.lines)
        line = {moved(line.from, shift), moved(line.to, shift)};
    tree.lastLine = moved(tree.lastLine, shift);
    tree.bounds = moved(tree.bounds, shift);
    return tree;
}

// ---- Venn diagram of prime factors ----------------------------------------

namespace {

struct Interval {
    double from;
    double to;
};

// Half the chord of c at height y; negative where y misses the circle.
double halfChord(const Circle &c, double y)
{
    const double dy = y - c.center.y;
    const double square = c.radius * c.radius - dy * dy;
    return square < 0 ? -1 : std::sqrt(square);
}

// The x-spans where a box reaching from top to bottom lies wholly in region
// members: inside each member circle shrunk by margin, clear of each other
// circle grown by margin.
//  - A box is inside a circle when its four corners are (the disc is convex),
//    that is, when its sides keep within the shorter of the chords at top
//    and bottom.
//  - The part of a disc between top and bottom spans in x the widest chord
//    there: the diameter when the centre's height is between them, else the
//    chord nearer the centre. A box of that height misses the disc exactly
//    when it misses that span.
std::vector<Interval> freeSpans(const std::vector<Circle> &circles, unsigned members, double top, double bottom,
                                double margin)
{
    Interval inside{-std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity()};
    for (std::size_t i = 0; i < circles.size(); ++i) {
        if ((members >> i & 1u) == 0)
            continue;
        const Circle shrunk{circles[i].center, circles[i].radius - margin};
        const double half = std::min(halfChord(shrunk, top), halfChord(shrunk, bottom));
        if (half < 0)
            return {};
        inside = {std::max(inside.from, shrunk.center.x - half), std::min(inside.to, shrunk.center.x + half)};
    }
    std::vector<Interval> spans;
    if (inside.from < inside.to)
        spans.push_back(inside);
    for (std::size_t i = 0; i < circles.size(); ++i) {
        if ((members >> i & 1u) != 0)
            continue;
        const Circle grown{circles[i].center, circles[i].radius + margin};
        const bool holdsCentre = top <= grown.center.y && grown.center.y <= bottom;
        const double half = holdsCentre ? grown.radius : std::max(halfChord(grown, top), halfChord(grown, bottom));
        if (half < 0)
            continue;
        const Interval blocked{grown.center.x - half, grown.center.x + half};
        std::vector<Interval> left;
        for (const Interval &span : spans) {
            if (span.from < blocked.from)
                left.push_back({span.from, std::min(span.to, blocked.from)});
            if (span.to > blocked.to)
                left.push_back({std::max(span.from, blocked.to), span.to});
        }
        spans = std::move(left);
    }
    return spans;
}

// Spacing of the factors, all in units of the text height.
struct VennSpacing {
    double textHeight;
    double rowPitch;
    double gap;    // between two factors of a row
    double margin; // between a factor and a circle's edge
};

// A run of equal cells, side by side, in one row of a region.
struct Slot {
    double y; // the row's middle
    Interval span;
    int capacity;
};

// The slots of region members, for factors of at most cellWidth, on rows a
// rowPitch apart (row k has its middle at k x rowPitch).
std::vector<Slot> slotsOf(const std::vector<Circle> &circles, unsigned members, double cellWidth, const VennSpacing &s)
{
    double top = std::numeric_limits<double>::infinity();
    double bottom = -top;
    for (const Circle &c : circles) {
        top = std::min(top, c.center.y - c.radius);
        bottom = std::max(bottom, c.center.y + c.radius);
    }
    std::vector<Slot> slots;
    for (double k = std::ceil(top / s.rowPitch); k * s.rowPitch <= bottom; ++k) {
        const double y = k * s.rowPitch;
        for (const Interval &span : freeSpans(circles, members, y - s.textHeight / 2, y + s.textHeight / 2, s.margin)) {
            const auto capacity = static_cast<int>(std::floor((span.to - span.from + s.gap) / (cellWidth + s.gap)));
            if (capacity > 0)
                slots.push_back({y, span, capacity});
        }
    }
    return slots;
}

int capacityOf(const std::vector<Slot> &slots)
{
    int total = 0;
    for (const Slot &slot : slots)
        total += slot.capacity;
    return total;
}

// The circles of radius r for two or three numbers, centres `apart` from
// each other and their centroid at (0, 0): side by side, or first and second
// above and third below.
std::vector<Circle> circlesOf(std::size_t count, double r, double apart)
{
    if (count == 2)
        return {{{-apart / 2, 0}, r}, {{apart / 2, 0}, r}};
    const double rise = apart / (2 * std::sqrt(3.0));
    return {{{-apart / 2, -rise}, r}, {{apart / 2, -rise}, r}, {{0, 2 * rise}, r}};
}

struct RegionContent {
    unsigned members;
    std::vector<std::uint32_t> factors; // ascending
    std::vector<Size> sizes;
    double cellWidth = 0;
};

bool allFit(const std::vector<Circle> &circles, const std::vector<RegionContent> &regions, const VennSpacing &s)
{
    return std::all_of(regions.begin(), regions.end(), [&](const RegionContent &region) {
        return region.factors.empty() ||
               capacityOf(slotsOf(circles, region.members, region.cellWidth, s)) >= static_cast<int>(region.factors.size());
    });
}

// Puts the region's factors, ascending, in reading order on the slots nearest
// the middle of the region (its slots' centroid), each run of cells centred in
// its slot. Every cell lies in a free span, so inside the region, and cells of
// one row are a gap apart: no two factors overlap.
std::vector<VennFactor> placeFactors(const RegionContent &region, std::vector<Slot> slots, const VennSpacing &s)
{
    if (region.factors.empty())
        return {};
    Point middle;
    const double total = capacityOf(slots);
    for (const Slot &slot : slots) {
        middle.x += slot.capacity * (slot.span.from + slot.span.to) / 2 / total;
        middle.y += slot.capacity * slot.y / total;
    }
    const auto distance = [&](const Slot &slot) {
        return std::hypot((slot.span.from + slot.span.to) / 2 - middle.x, slot.y - middle.y);
    };
    std::stable_sort(slots.begin(), slots.end(), [&](const Slot &a, const Slot &b) { return distance(a) < distance(b); });
    std::size_t used = 0;
    for (int left = static_cast<int>(region.factors.size()); left > 0 && used < slots.size(); ++used) {
        slots[used].capacity = std::min(slots[used].capacity, left);
        left -= slots[used].capacity;
    }
    slots.resize(used);
    std::sort(slots.begin(), slots.end(),
              [](const Slot &a, const Slot &b) { return a.y != b.y ? a.y < b.y : a.span.from < b.span.from; });

    std::vector<VennFactor> placed;
    for (const Slot &slot : slots) {
        const double run = slot.capacity * region.cellWidth + (slot.capacity - 1) * s.gap;
        double x = (slot.span.from + slot.span.to - run) / 2;
        for (int k = 0; k < slot.capacity; ++k, x += region.cellWidth + s.gap) {
            const std::size_t i = placed.size();
            placed.push_back({region.factors[i], centredAt({x + region.cellWidth / 2, slot.y}, region.sizes[i])});
        }
    }
    return placed;
}

} // namespace

// The circles are drawn equal. For each of a few overlaps the radius grows by
// steps until every region has room for its factors; the smallest radius wins.
// A label sits beyond its circle, away from the centroid of the centres, as
// far from its centre as the radius, a gap and half its own diagonal: the
// whole label then lies outside its circle, and the others' centres are
// farther still from it, so it is outside them too and nearer its own centre.
VennDiagram layoutVenn(const VennContents &contents, const MeasureText &measure, Size hcfLineSize, Size lcmLineSize)
{
    VennDiagram venn;
    if (!contents.isDrawn())
        return venn;
    const std::size_t count = contents.magnitudes.size();

    double textHeight = std::max(1.0, measure("0").height);
    std::vector<RegionContent> regions;
    for (const VennContents::Region &region : contents.regions) {
        RegionContent content{region.members, region.factors, {}};
        for (std::size_t i = 0; i < region.factors.size(); ++i) {
            // Equal factors are measured once.
            const Size size = i > 0 && region.factors[i] == region.factors[i - 1] ? content.sizes.back()
                                                                                 : measure(std::to_string(region.factors[i]));
            content.sizes.push_back(size);
            content.cellWidth = std::max(content.cellWidth, size.width);
            textHeight = std::max(textHeight, size.height);
        }
        regions.push_back(std::move(content));
    }

    const VennSpacing spacing{textHeight, 1.25 * textHeight, 0.4 * textHeight, 0.2 * textHeight};
    double bestRadius = std::numeric_limits<double>::infinity();
    double bestApart = 1;
    for (const double apart : {1.0, 0.8, 0.6}) {
        // Twice the radius at each of about forty steps: far beyond any need.
        for (double r = 2 * textHeight; r < bestRadius && r < 1e4 * textHeight; r *= 1.08)
            if (allFit(circlesOf(count, r, apart * r), regions, spacing)) {
                bestRadius = r;
                bestApart = apart;
                break;
            }
    }
    const std::vector<Circle> circles = circlesOf(count, bestRadius, bestApart * bestRadius);

    Rect bounds;
    for (std::size_t i = 0; i < count; ++i) {
        const Circle &c = circles[i];
        const std::uint32_t m = contents.magnitudes[i];
        const Size label = measure(std::to_string(m));
        const Point away = count == 2 ? Point{i == 0 ? -1.0 : 1.0, -1.0} : c.center;
        const double length = std::hypot(away.x, away.y);
        const double reach = c.radius + 0.3 * textHeight + std::hypot(label.width, label.height) / 2;
        venn.circles.push_back({m, c, centredAt({c.center.x + away.x / length * reach, c.center.y + away.y / length * reach}, label)});
        bounds = bounds.united({c.center.x - c.radius, c.center.y - c.radius, 2 * c.radius, 2 * c.radius})
                     .united(venn.circles.back().label);
    }
    for (const RegionContent &region : regions)
        venn.regions.push_back({region.members, placeFactors(region, slotsOf(circles, region.members, region.cellWidth, spacing), spacing)});
    venn.hcfFactors = contents.hcfFactors;
    venn.lcmFactors = contents.lcmFactors;

    venn.hcfLine = centredAt({bounds.center().x, bounds.bottom() + textHeight + hcfLineSize.height / 2}, hcfLineSize);
    venn.lcmLine = centredAt({bounds.center().x, venn.hcfLine.bottom() + 0.4 * textHeight + lcmLineSize.height / 2}, lcmLineSize);
    bounds = withMargin(bounds.united(venn.hcfLine).united(venn.lcmLine), 0.5 * textHeight);

    const Point shift{-bounds.x, -bounds.y};
    for (VennCircle &c : venn.circles) {
        c.circle.center = moved(c.circle.center, shift);
        c.label = moved(c.label, shift);
    }
    for (VennRegion &region : venn.regions)
        for (VennFactor &factor : region.factors)
            factor.text = moved(factor.text, shift);
    venn.hcfLine = moved(venn.hcfLine, shift);
    venn.lcmLine = moved(venn.lcmLine, shift);
    venn.bounds = moved(bounds, shift);
    return venn;
}

// ---- Sieve of Eratosthenes ------------------------------------------------

// Every cell is the same square, the largest text plus a padding, on a grid
// whose pitch is a square and a gap: no two cells, so no two numbers, overlap.
SieveGrid layoutSieveGrid(const SieveWorking &range, const MeasureText &measure)
{
    SieveGrid grid;
    if (range.wide)
        return grid;

    std::vector<Size> sizes;
    double side = 0;
    for (std::int32_t x = range.start; x <= range.end; ++x) {
        sizes.push_back(measure(std::to_string(x)));
        side = std::max({side, sizes.back().width, sizes.back().height});
    }
    const double textHeight = sizes.front().height;
    side += 0.45 * textHeight;
    const double pitch = side + 0.15 * textHeight;
    const double margin = 0.5 * textHeight;

    const std::vector<std::int32_t> &primes = range.primes;
    auto nextPrime = primes.begin();
    const std::int32_t firstRow = (range.start - 1) / 10;
    for (std::int32_t x = range.start; x <= range.end; ++x) {
        GridCell cell;
        cell.number = x;
        cell.row = (x - 1) / 10;
        cell.column = (x - 1) % 10;
        cell.prime = nextPrime != primes.end() && *nextPrime == x;
        if (cell.prime)
            ++nextPrime;
        cell.cell = {margin + cell.column * pitch, margin + (cell.row - firstRow) * pitch, side, side};
        cell.text = centredAt(cell.cell.center(), sizes[static_cast<std::size_t>(x - range.start)]);
        grid.cells.push_back(cell);
    }
    const std::int32_t rows = grid.cells.back().row - firstRow + 1;
    grid.bounds = withMargin({margin, margin, 9 * pitch + side, (rows - 1) * pitch + side}, margin);
    return grid;
}

} // namespace numbers
