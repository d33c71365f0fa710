#pragma once

#include <QFont>
#include <QString>


class QGraphicsScene;

namespace numbers {
struct FactorWorking;
struct SieveWorking;
struct VennContents;
class Texts;
} // namespace numbers

// Draws the pictures of the working into a scene from their layouts. Every
// number is its own QGraphicsSimpleTextItem holding its digits, measured as
// such an item measures it and placed at the top-left of its rectangle in the
// layout; circles are ellipse items, joining lines line items, grid cells rect
// items. Each function replaces what the scene held, makes the scene's
// rectangle the picture's, and gives back the picture in words for a screen
// reader.
namespace WorkingPicture {

// The font every text of the pictures is drawn in.
QFont font();

// The factor tree of the first number, with the last line of its working under it.
QString drawFactorTree(QGraphicsScene &scene, const numbers::FactorWorking &working, const numbers::Texts &texts);
// The Venn diagram of the prime factors of two or three numbers, with the HCF
// and LCM sums under it; the HCF and the LCM show the same one.
QString drawVenn(QGraphicsScene &scene, const numbers::VennContents &venn, const numbers::Texts &texts);
// The sieve grid of the range: prime cells in one fill, the others in another
// with their numbers struck out.
QString drawSieveGrid(QGraphicsScene &scene, const numbers::SieveWorking &sieve, const numbers::Texts &texts);
// A notice in place of a picture, as its only item; its words are the notice.
QString drawNotice(QGraphicsScene &scene, const QString &notice);

} // namespace WorkingPicture
