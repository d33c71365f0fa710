#include "WorkingPicture.h"

#include "PictureLayout.h"
#include "Texts.h"

#include <QBrush>
#include <QColor>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QPen>

#include <array>
#include <memory>

namespace {

// Plain numbers, so that nothing of the pictures runs before they are drawn.
constexpr QRgb Ink = 0x212121;
constexpr QRgb Joining = 0x616161;
constexpr QRgb PrimeCircleFill = 0xfff1b8;
constexpr QRgb PrimeCellFill = 0xffc83d;
constexpr QRgb OtherCellFill = 0xe4e4e4;
constexpr QRgb CellBorder = 0x808080;
// The Venn diagram's circles: red, blue, green.
constexpr std::array<QRgb, 3> CircleColours{0xd32f2f, 0x1976d2, 0x388e3c};

QString qt(const std::string &text)
{
    return QString::fromStdString(text);
}

QRectF qt(const numbers::Rect &r)
{
    return {r.x, r.y, r.width, r.height};
}

// Measures a text as a QGraphicsSimpleTextItem in font draws it.
numbers::MeasureText measureIn(const QFont &font)
{
    auto probe = std::make_shared<QGraphicsSimpleTextItem>();
    probe->setFont(font);
    return [probe](const std::string &text) {
        probe->setText(qt(text));
        const QRectF box = probe->boundingRect();
        return numbers::Size{box.width(), box.height()};
    };
}

void addText(QGraphicsScene &scene, const QString &text, const numbers::Rect &place, const QFont &font,
             QColor colour = QColor(Ink))
{
    QGraphicsSimpleTextItem *item = scene.addSimpleText(text, font);
    item->setBrush(colour);
    item->setPos(place.x, place.y);
}

void startPicture(QGraphicsScene &scene, const numbers::Rect &bounds)
{
    scene.clear();
    scene.setSceneRect(qt(bounds));
}

constexpr int WideGridPixelSize = 12;
constexpr int HundredSquaresAtFullSize = 2;

} // namespace

QFont WorkingPicture::font()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(16);
    return font;
}

QString WorkingPicture::drawFactorTree(QGraphicsScene &scene, const numbers::FactorWorking &working,
                                       const numbers::Texts &texts)
{
    const QFont font = WorkingPicture::font();
    const numbers::MeasureText measure = measureIn(font);
    const std::string lastLine = texts.factorsLastLine(working);
    const numbers::FactorTree tree = numbers::layoutFactorTree(working, measure, measure(lastLine));
    if (tree.nodes.empty())
        return drawNotice(scene, qt(texts.phrases().onlyAboveOne));

    startPicture(scene, tree.bounds);
    const QPen joining(QColor(Joining), 1.25);
    for (const numbers::Line &line : tree.lines)
        scene.addLine(line.from.x, line.from.y, line.to.x, line.to.y, joining);
    const QPen outline(QColor(Ink), 1.25);
    for (const numbers::TreeNode &node : tree.nodes) {
        if (node.prime)
            scene.addEllipse(qt(node.circle), outline, QColor(PrimeCircleFill));
        addText(scene, QString::number(node.value), node.text, font);
    }
    addText(scene, qt(lastLine), tree.lastLine, font);
    return qt(texts.treeDescription(working));
}

QString WorkingPicture::drawVenn(QGraphicsScene &scene, const numbers::VennContents &contents, const numbers::Texts &texts)
{
    if (!contents.isDrawn())
        return drawNotice(scene, qt(texts.phrases().vennNotDrawn));

    const QFont font = WorkingPicture::font();
    const numbers::MeasureText measure = measureIn(font);
    const std::string hcf = texts.hcfSum(contents);
    const std::string lcm = texts.lcmSum(contents);
    const numbers::VennDiagram venn = numbers::layoutVenn(contents, measure, measure(hcf), measure(lcm));

    startPicture(scene, venn.bounds);
    for (std::size_t i = 0; i < venn.circles.size(); ++i) {
        const numbers::Circle &c = venn.circles[i].circle;
        const QColor colour(CircleColours[i]);
        QColor fill = colour;
        fill.setAlpha(36);
        scene.addEllipse(c.center.x - c.radius, c.center.y - c.radius, 2 * c.radius, 2 * c.radius, QPen(colour, 2), fill);
    }
    for (std::size_t i = 0; i < venn.circles.size(); ++i)
        addText(scene, QString::number(venn.circles[i].magnitude), venn.circles[i].label, font, QColor(CircleColours[i]).darker(130));
    for (const numbers::VennRegion &region : venn.regions)
        for (const numbers::VennFactor &factor : region.factors)
            addText(scene, QString::number(factor.prime), factor.text, font);
    addText(scene, qt(hcf), venn.hcfLine, font);
    addText(scene, qt(lcm), venn.lcmLine, font);
    return qt(texts.vennDescription(contents));
}

QString WorkingPicture::drawSieveGrid(QGraphicsScene &scene, const numbers::SieveWorking &sieve,
                                      const numbers::Texts &texts)
{
    // A wide grid's numbers are smaller than the other pictures': a grid holds
    // up to a thousand of them, and its picture stays small enough to save and
    // print quickly. A hundred square keeps the pictures' size.
    QFont font = WorkingPicture::font();
    if (sieve.end - sieve.start + 1 > HundredSquaresAtFullSize * 100)
        font.setPixelSize(WideGridPixelSize);
    const numbers::SieveGrid grid = numbers::layoutSieveGrid(sieve, measureIn(font));
    if (grid.cells.empty())
        return drawNotice(scene, qt(texts.phrases().gridTooWide));

    startPicture(scene, grid.bounds);
    // Crossed out, so that the grid reads without its colours.
    QFont struckOut = font;
    struckOut.setStrikeOut(true);
    const QPen border(QColor(CellBorder), 1);
    for (const numbers::GridCell &cell : grid.cells) {
        scene.addRect(qt(cell.cell), border, QColor(cell.prime ? PrimeCellFill : OtherCellFill));
        addText(scene, QString::number(cell.number), cell.text, cell.prime ? font : struckOut);
    }
    return qt(texts.gridDescription(sieve));
}

QString WorkingPicture::drawNotice(QGraphicsScene &scene, const QString &notice)
{
    scene.clear();
    QGraphicsSimpleTextItem *item = scene.addSimpleText(notice, font());
    item->setBrush(QColor(Ink));
    const QRectF text = item->boundingRect();
    const qreal margin = text.height() / 2;
    item->setPos(margin, margin);
    scene.setSceneRect(0, 0, text.width() + 2 * margin, text.height() + 2 * margin);
    return notice;
}
