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

const QColor Ink(0x21, 0x21, 0x21);
const QColor Joining(0x61, 0x61, 0x61);
const QColor PrimeCircleFill(0xff, 0xf1, 0xb8);
const QColor PrimeCellFill(0xff, 0xc8, 0x3d);
const QColor OtherCellFill(0xe4, 0xe4, 0xe4);
const QColor CellBorder(0x80, 0x80, 0x80);
// The Venn diagram's circles: red, blue, green.
const std::array<QColor, 3> CircleColours{QColor(0xd3, 0x2f, 0x2f), QColor(0x19, 0x76, 0xd2), QColor(0x38, 0x8e, 0x3c)};

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
             const QColor &colour = Ink)
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

} // namespace

QFont WorkingPicture::font()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(16);
    return font;
}

QString WorkingPicture::drawFactorTree(QGraphicsScene &scene, const numbers::FactorResult &result,
                                       const numbers::Texts &texts)
{
    const QFont font = WorkingPicture::font();
    const numbers::MeasureText measure = measureIn(font);
    const std::string lastLine = texts.factorsLastLine(result);
    const numbers::FactorTree tree = numbers::layoutFactorTree(result.number, measure, measure(lastLine));
    if (tree.nodes.empty())
        return drawNotice(scene, qt(texts.phrases().onlyAboveOne));

    startPicture(scene, tree.bounds);
    const QPen joining(Joining, 1.25);
    for (const numbers::Line &line : tree.lines)
        scene.addLine(line.from.x, line.from.y, line.to.x, line.to.y, joining);
    const QPen outline(Ink, 1.25);
    for (const numbers::TreeNode &node : tree.nodes) {
        if (node.prime)
            scene.addEllipse(qt(node.circle), outline, PrimeCircleFill);
        addText(scene, QString::number(node.value), node.text, font);
    }
    addText(scene, qt(lastLine), tree.lastLine, font);
    return qt(texts.treeDescription(tree));
}

QString WorkingPicture::drawVenn(QGraphicsScene &scene, std::span<const std::int32_t> values, const numbers::Texts &texts)
{
    const numbers::VennContents contents = numbers::vennContents(values);
    if (!contents.isDrawn())
        return drawNotice(scene, qt(texts.phrases().vennNotDrawn));

    const QFont font = WorkingPicture::font();
    const numbers::MeasureText measure = measureIn(font);
    const std::string hcf = texts.hcfSum(contents.hcfFactors);
    const std::string lcm = texts.lcmSum(contents.lcmFactors);
    const numbers::VennDiagram venn = numbers::layoutVenn(values, measure, measure(hcf), measure(lcm));

    startPicture(scene, venn.bounds);
    for (std::size_t i = 0; i < venn.circles.size(); ++i) {
        const numbers::Circle &c = venn.circles[i].circle;
        QColor fill = CircleColours[i];
        fill.setAlpha(36);
        scene.addEllipse(c.center.x - c.radius, c.center.y - c.radius, 2 * c.radius, 2 * c.radius,
                         QPen(CircleColours[i], 2), fill);
    }
    for (std::size_t i = 0; i < venn.circles.size(); ++i)
        addText(scene, QString::number(venn.circles[i].magnitude), venn.circles[i].label, font, CircleColours[i].darker(130));
    for (const numbers::VennRegion &region : venn.regions)
        for (const numbers::VennFactor &factor : region.factors)
            addText(scene, QString::number(factor.prime), factor.text, font);
    addText(scene, qt(hcf), venn.hcfLine, font);
    addText(scene, qt(lcm), venn.lcmLine, font);
    return qt(texts.vennDescription(contents));
}

QString WorkingPicture::drawSieveGrid(QGraphicsScene &scene, const numbers::PrimesResult &result,
                                      const numbers::Texts &texts)
{
    const QFont font = WorkingPicture::font();
    const numbers::SieveGrid grid = numbers::layoutSieveGrid(result.bounds[0], result.bounds[1], measureIn(font));
    if (grid.cells.empty())
        return drawNotice(scene, qt(texts.phrases().gridTooWide));

    startPicture(scene, grid.bounds);
    // Crossed out, so that the grid reads without its colours.
    QFont struckOut = font;
    struckOut.setStrikeOut(true);
    const QPen border(CellBorder, 1);
    for (const numbers::GridCell &cell : grid.cells) {
        scene.addRect(qt(cell.cell), border, cell.prime ? PrimeCellFill : OtherCellFill);
        addText(scene, QString::number(cell.number), cell.text, cell.prime ? font : struckOut);
    }
    return qt(texts.gridDescription(result));
}

QString WorkingPicture::drawNotice(QGraphicsScene &scene, const QString &notice)
{
    scene.clear();
    QGraphicsSimpleTextItem *item = scene.addSimpleText(notice, font());
    item->setBrush(Ink);
    const QRectF text = item->boundingRect();
    const qreal margin = text.height() / 2;
    item->setPos(margin, margin);
    scene.setSceneRect(0, 0, text.width() + 2 * margin, text.height() + 2 * margin);
    return notice;
}
