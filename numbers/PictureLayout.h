#pragma once

#include "Working.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

// Where each item of the working pictures goes: the factor tree, the Venn
// diagram of prime factors and the sieve grid. The window measures its texts
// and draws the items; everything here is plain geometry in scene units
// (pixels at 100%), y downwards. Every number is drawn as its decimal digits,
// std::to_string(value), and is measured as that text.
namespace numbers {

struct Point {
    double x = 0;
    double y = 0;
};

struct Size {
    double width = 0;
    double height = 0;
};

struct Rect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    double right() const { return x + width; }
    double bottom() const { return y + height; }
    Point center() const { return {x + width / 2, y + height / 2}; }
    bool isEmpty() const { return width <= 0 || height <= 0; }
    // Whether the two share some area; rectangles that only touch do not.
    bool intersects(const Rect &other) const;
    // Whether p lies in the rectangle, its edges included.
    bool contains(Point p) const;
    // Whether other lies wholly in the rectangle, edges included.
    bool contains(const Rect &other) const;
    // The smallest rectangle holding both; an empty one adds nothing.
    Rect united(const Rect &other) const;
};

struct Line {
    Point from;
    Point to;
};

// The size of a text drawn in the picture's font.
using MeasureText = std::function<Size(const std::string &digitsOrText)>;

// ---- Factor tree ----------------------------------------------------------

struct TreeNode {
    std::int32_t value = 0;
    bool prime = false;
    Rect text;          // the number's digits
    Rect circle;        // the ellipse around a prime's digits; empty for a composite
    int parent = -1;    // index in FactorTree::nodes, -1 for the root
    int left = -1;      // the smaller factor a, -1 for a prime
    int right = -1;     // the larger factor b = value / a, -1 for a prime

    // What a joining line ends at: the circle of a prime, else the number.
    const Rect &outline() const { return prime ? circle : text; }
};

struct FactorTree {
    // Depth first, each node before its children and a left subtree before
    // the right one; nodes[0] is the root. Empty for a number below 2.
    std::vector<TreeNode> nodes;
    // One line per child, from its parent's outline down to its own: lines[i - 1]
    // joins nodes[i] to its parent.
    std::vector<Line> lines;
    // The indexes of the composite nodes, depth first, left before right.
    std::vector<int> composites;
    Rect lastLine; // the place of the line under the tree
    Rect bounds;   // everything above, starting at (0, 0)
};

// The factor tree of the working (FactorWorking::tree): each composite m over
// its split a x b, a drawn left of b; primes are circled leaves. lastLineSize
// is the size of the text shown under the tree.
FactorTree layoutFactorTree(const FactorWorking &working, const MeasureText &measure, Size lastLineSize);

// ---- Venn diagram of prime factors ----------------------------------------

struct Circle {
    Point center;
    double radius = 0;
};

struct VennCircle {
    std::uint32_t magnitude = 0; // the number the circle stands for, without its sign
    Circle circle;
    Rect label; // the magnitude's digits, outside every circle
};

struct VennFactor {
    std::uint32_t prime = 0;
    Rect text;
};

// The part of the diagram inside exactly the circles in members (bit i for
// circle i) and outside the others.
struct VennRegion {
    unsigned members = 0;
    std::vector<VennFactor> factors; // ascending

    bool inCircle(std::size_t circle) const { return (members >> circle & 1u) != 0; }
};

struct VennDiagram {
    std::vector<VennCircle> circles; // one per number, in the numbers' order
    // With two numbers: first only; first and second; second only. With three:
    // first only; first and second; all three; first and third; second only;
    // second and third; third only. Empty regions included.
    std::vector<VennRegion> regions;
    std::vector<std::uint32_t> hcfFactors; // the region inside every circle: the HCF
    std::vector<std::uint32_t> lcmFactors; // every factor drawn, ascending: the LCM
    Rect hcfLine; // the place of the HCF's sum under the diagram
    Rect lcmLine; // the place of the LCM's sum under that
    Rect bounds;  // everything above, starting at (0, 0)

    // A diagram is drawn for two or three numbers, none of them 0.
    bool isDrawn() const { return !circles.empty(); }
};

// The Venn diagram of contents. Not drawn (no circles, no regions) when the
// contents are not.
VennDiagram layoutVenn(const VennContents &contents, const MeasureText &measure, Size hcfLineSize, Size lcmLineSize);

// ---- Sieve of Eratosthenes ------------------------------------------------

struct GridCell {
    std::int32_t number = 0;
    bool prime = false;
    std::int32_t row = 0;    // (number - 1) / 10, counted from the top of the hundred square
    std::int32_t column = 0; // (number - 1) % 10, counted from the left
    Rect cell;               // a square
    Rect text;               // the number's digits, inside the square
};

struct SieveGrid {
    // One cell per number of the range, ascending; empty for a wide range
    // (SieveWorking::wide). The first row of the range is drawn at the top.
    std::vector<GridCell> cells;
    Rect bounds; // all ten columns of the rows the range spans, starting at (0, 0)
};

// The grid of the sieve's range, its primes marked.
SieveGrid layoutSieveGrid(const SieveWorking &sieve, const MeasureText &measure);

} // namespace numbers
