#include "WorkingPicture.h"

#include "Language.h"
#include "ScriptFonts.h"

#include "PictureLayout.h"
#include "Texts.h"

#include <QBrush>
#include <QColor>
#include <QGraphicsItemGroup>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QPen>

#include <array>
#include <memory>
#include <vector>

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

QGraphicsSimpleTextItem *addText(QGraphicsScene &scene, const QString &text, const numbers::Rect &place, const QFont &font,
                                  QColor colour = QColor(Ink))
{
    QGraphicsSimpleTextItem *item = scene.addSimpleText(text, font);
    item->setBrush(colour);
    item->setPos(place.x, place.y);
    return item;
}

// An exponent's size beside the text it raises.
constexpr double ExponentScale = 0.7;

QFont raisedFont(const QFont &font)
{
    QFont raised = font;
    raised.setPixelSize(qRound(font.pixelSize() * ExponentScale));
    return raised;
}

// A line of runs, from its layout, placed with its top-left at line's; its
// items are one group, so that the line moves and is read as one.
void addFormula(QGraphicsScene &scene, const numbers::Formula &formula, const numbers::FormulaPlaces &places,
                const numbers::Rect &line, const QFont &font)
{
    const QFont raised = raisedFont(font);
    QList<QGraphicsItem *> runs;
    for (std::size_t i = 0; i < formula.size(); ++i) {
        const numbers::Rect &run = places.runs[i];
        const bool exponent = formula[i].kind == numbers::FormulaRun::Kind::Exponent;
        runs << addText(scene, qt(formula[i].text), {line.x + run.x, line.y + run.y, run.width, run.height},
                        exponent ? raised : font);
    }
    if (runs.size() > 1)
        scene.createItemGroup(runs);
}

void startPicture(QGraphicsScene &scene, const numbers::Rect &bounds)
{
    scene.clear();
    scene.setSceneRect(qt(bounds));
}

constexpr int WideGridPixelSize = 12;
constexpr int NoticeKey = 0; // item data: the item is a notice in place of a picture
constexpr int HundredSquaresAtFullSize = 2;

} // namespace

QFont WorkingPicture::font()
{
    return ScriptFonts::fontFor(Language::current(), 16);
}

QString WorkingPicture::drawFactorTree(QGraphicsScene &scene, const numbers::FactorWorking &working,
                                       const numbers::Texts &texts)
{
    const QFont font = WorkingPicture::font();
    const numbers::MeasureText measure = measureIn(font);
    const numbers::Formula lastLine = texts.factorsPictureLine(working);
    const numbers::FormulaPlaces lastLinePlaces = numbers::layoutFormula(lastLine, measure, measureIn(raisedFont(font)));
    const numbers::FactorTree tree = numbers::layoutFactorTree(working, measure, lastLinePlaces.size);
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
    addFormula(scene, lastLine, lastLinePlaces, tree.lastLine, font);
    return qt(texts.treeDescription(working));
}

QString WorkingPicture::drawVenn(QGraphicsScene &scene, const numbers::VennContents &contents,
                                 std::span<const std::int32_t> values, const numbers::Texts &texts)
{
    if (!contents.isDrawn())
        return drawNotice(scene, qt(texts.phrases().vennNotDrawn));

    const QFont font = WorkingPicture::font();
    const QFont raised = raisedFont(font);
    const numbers::MeasureText measure = measureIn(font);
    const numbers::MeasureText measureRaised = measureIn(raised);
    const numbers::Formula hcf = texts.hcfSum(contents);
    const numbers::Formula lcm = texts.lcmSum(contents);
    const numbers::FormulaPlaces hcfPlaces = numbers::layoutFormula(hcf, measure, measureRaised);
    const numbers::FormulaPlaces lcmPlaces = numbers::layoutFormula(lcm, measure, measureRaised);
    const std::vector<std::string> notes = texts.signNotes(values);
    std::vector<numbers::Size> noteSizes;
    for (const std::string &note : notes)
        noteSizes.push_back(measure(note));
    const numbers::VennDiagram venn =
        numbers::layoutVenn(contents, measure, measureRaised, hcfPlaces.size, lcmPlaces.size, noteSizes);

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
        for (const numbers::VennFactor &factor : region.factors) {
            QGraphicsSimpleTextItem *prime = addText(scene, QString::number(factor.prime), factor.text, font);
            if (factor.exponent > 1)
                scene.createItemGroup({prime, addText(scene, QString::number(factor.exponent), factor.raised, raised)});
        }
    addFormula(scene, hcf, hcfPlaces, venn.hcfLine, font);
    addFormula(scene, lcm, lcmPlaces, venn.lcmLine, font);
    for (std::size_t i = 0; i < notes.size(); ++i)
        addText(scene, qt(notes[i]), venn.notes[i], font);
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
    const std::string caption = texts.gridCaption(sieve);
    const QFont captionFont = WorkingPicture::font();
    const numbers::SieveGrid grid = numbers::layoutSieveGrid(sieve, measureIn(font), measureIn(captionFont)(caption));
    if (grid.cells.empty())
        return drawNotice(scene, qt(texts.phrases().gridTooWide));

    startPicture(scene, grid.bounds);
    addText(scene, qt(caption), grid.caption, captionFont);
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
    item->setData(NoticeKey, true);
    item->setBrush(QColor(Ink));
    const QRectF text = item->boundingRect();
    const qreal margin = text.height() / 2;
    item->setPos(margin, margin);
    scene.setSceneRect(0, 0, text.width() + 2 * margin, text.height() + 2 * margin);
    return notice;
}

bool WorkingPicture::isNotice(const QGraphicsScene &scene)
{
    const QList<QGraphicsItem *> items = scene.items();
    return items.size() == 1 && items.front()->data(NoticeKey).toBool();
}
