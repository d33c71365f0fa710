// The window in every language: each school's names for the HCF and the LCM,
// and every fixed text fitting its control at the form's fixed geometry.
#include "BoxWatcher.h"
#include "Formula.h"
#include "Language.h"
#include "Texts.h"
#include "TranslatedPhrases.h"
#include "WindowSuiteMain.h"
#include "Working.h"
#include "frmLCM.h"

#include "CaptionLabel.h"

#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolButton>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <array>
#include <map>
#include <vector>

namespace {

// Where widget stands in its container, measured from the container's leading
// edge: the left, or the right in a right-to-left window.
QRect leadingPlace(const QWidget &widget)
{
    QRect place = widget.geometry();
    if (widget.layoutDirection() == Qt::RightToLeft)
        place.moveLeft(widget.parentWidget()->width() - place.x() - place.width());
    return place;
}

// How far widget's fixed text overruns its room: a button's within its width
// - 6, a frame's title (in bold, as some styles draw it) within its width - 14,
// a fixed label's within its contents, and a caption that sizes itself up to
// its frame's inner edge or 6 pixels before the next control on its right.
int overrun(const QWidget &widget)
{
    const auto *button = qobject_cast<const QPushButton *>(&widget);
    const auto *frame = qobject_cast<const QGroupBox *>(&widget);
    const auto *label = qobject_cast<const QLabel *>(&widget);
    if (!button && !frame && !label)
        return 0;
    QFont font = widget.font();
    font.setBold(font.bold() || frame);
    const QString text = button ? button->text().remove(QLatin1Char('&')) : frame ? frame->title() : label->text();
    int room = button ? widget.width() - 6 : frame ? widget.width() - 14 : widget.contentsRect().width();
    if (label && label->property("autoSize").toBool()) {
        const QWidget &parent = *widget.parentWidget();
        const QRect own = leadingPlace(widget);
        int end = parent.width() - (qobject_cast<const QGroupBox *>(&parent) ? 2 : 0);
        for (const QWidget *other : parent.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            const QRect place = leadingPlace(*other);
            if (place.left() > own.left() && place.top() < own.bottom() && place.bottom() > own.top())
                end = std::min(end, place.left() - 6);
        }
        room = end - own.left();
    }
    return std::max(0, QFontMetrics(font).horizontalAdvance(text) - room);
}

// The lines of text in which font, with Qt's font fallback, draws a missing
// glyph (glyph index 0).
QString missingGlyphs(const QString &text, const QFont &font)
{
    QStringList missing;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(line, font);
        layout.beginLayout();
        while (layout.createLine().isValid()) {
        }
        layout.endLayout();
        for (const QGlyphRun &run : layout.glyphRuns()) {
            if (run.glyphIndexes().contains(0u)) {
                missing << line;
                break;
            }
        }
    }
    return missing.join(QLatin1Char('\n'));
}

// Every text window shows that draws a missing glyph, as "name: lines".
QStringList undrawnTexts(const QWidget &window)
{
    QStringList undrawn;
    const auto check = [&](const QString &name, const QString &text, const QFont &font) {
        const QString missing = missingGlyphs(text, font);
        if (!missing.isEmpty())
            undrawn << name + QStringLiteral(": ") + missing;
    };
    check(window.objectName(), window.windowTitle(), window.font());
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            check(widget->objectName(), button->text(), widget->font());
        else if (const auto *label = qobject_cast<const QLabel *>(widget))
            check(widget->objectName(), label->text(), widget->font());
        else if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
            check(widget->objectName(), frame->title(), widget->font());
        else if (const auto *edit = qobject_cast<const QPlainTextEdit *>(widget))
            check(widget->objectName(), edit->toPlainText(), edit->font());
        else if (const auto *tabs = qobject_cast<const QTabBar *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                check(QStringLiteral("tab"), tabs->tabText(i), tabs->font());
        }
        for (const QAction *action : widget->actions())
            check(action->objectName(), action->text(), widget->font());
    }
    for (const QGraphicsScene *scene : window.findChildren<QGraphicsScene *>()) {
        for (const QGraphicsItem *item : scene->items()) {
            if (const auto *text = dynamic_cast<const QGraphicsSimpleTextItem *>(item))
                check(QStringLiteral("picture"), text->text(), text->font());
        }
    }
    return undrawn;
}

// Every entry of the phrase table: its English source and whether it counts.
struct Entry {
    const char *source;
    bool counted;
};
#define PHRASE(name, source) {source, false},
#define COUNTED(name, source, englishOne) {source, true},
const Entry PhraseTable[] = {
#include "PhraseList.h"
};
#undef PHRASE
#undef COUNTED

// Phrases that a language may write as English does: signs, separators,
// formulas made of numbers alone, and German's "in %1: %2".
const QStringList MayEqualEnglish{
    QStringLiteral(" x "), QStringLiteral(" = "), QStringLiteral(", "), QStringLiteral(" "), QStringLiteral("; "),
    QStringLiteral("%1^%2"), QStringLiteral("%1:"), QStringLiteral(".."), QStringLiteral("%1 = %2 x %3"),
    QStringLiteral("%1 = %2 x %3 + %4"), QStringLiteral("in %1: %2"),
    // Formulas of numbers alone, as the hints and the worksheet's numbering write them.
    QStringLiteral("%1 ÷ %2 = %3"), QStringLiteral("%1 | %2"), QStringLiteral("%1.")};

// The plural forms that stand for one count only, where a language names the
// count in words instead of writing %n: Arabic's forms for 0, 1 and 2.
bool mayNameTheCount(const QString &code, qsizetype form)
{
    return code == QLatin1String("ar") && form <= 2;
}

// One message of a .ts file: its translation or plural forms, as lupdate
// wrote them.
struct Message {
    QStringList forms;
    bool numerus = false;
    bool finished = true;
    bool commented = false;
};

// The messages of a .ts file by context and source.
std::map<std::pair<QString, QString>, Message> readTs(const QString &path)
{
    std::map<std::pair<QString, QString>, Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("message"))
            messages[{context, source}] = message;
        if (!xml.isStartElement())
            continue;
        const QString name = xml.name().toString();
        if (name == QLatin1String("message")) {
            message = Message{};
            message.numerus = xml.attributes().value("numerus") == QLatin1String("yes");
        } else if (name == QLatin1String("translation")) {
            message.finished = xml.attributes().value("type") != QLatin1String("unfinished"); // vanished texts are kept, finished
            if (!message.numerus)
                message.forms << xml.readElementText();
        } else if (name == QLatin1String("extracomment")) {
            message.commented = true;
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (name == QLatin1String("numerusform")) {
            message.forms << xml.readElementText();
        }
    }
    return messages;
}

// The placeholders of a text, sorted: "%1", "%2", "%n".
QStringList placeholders(const QString &text)
{
    QStringList found;
    for (const QRegularExpressionMatch &match : QRegularExpression(QStringLiteral("%[1-9n]")).globalMatch(text))
        found << match.captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

} // namespace

class WindowLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void speaksTheSchoolsNamesAndFits_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("hcf");
        QTest::addColumn<QString>("lcm");
        QTest::addColumn<QString>("quoted"); // the refused token x in the language's quotation marks
        const char *const rows[][4] = {
            {"en_GB", "HCF", "LCM", "\"x\""},  {"en_US", "GCF", "LCM", "\"x\""}, {"fr", "PGCD", "PPCM", "«\u00A0x\u00A0»"},
            {"de", "ggT", "kgV", "„x“"},        {"es", "MCD", "mcm", "\"x\""},    {"it", "MCD", "mcm", "\"x\""},
            {"pt_BR", "MDC", "MMC", "\"x\""},  {"nl", "GGD", "KGV", "\"x\""},    {"pl", "NWD", "NWW", "„x”"},
            {"ru", "НОД", "НОК", "\"x\""},     {"tr", "EBOB", "EKOK", "\"x\""},  {"hi", "म.स.", "ल.स.", "“x”"},
            {"bn", "গ.সা.গু.", "ল.সা.গু.", "“x”"}, {"ar", "ق.م.أ", "م.م.أ", "«x»"},  {"fa", "ب.م.م", "ک.م.م", "«x»"},
            {"zh_CN", "最大公因数", "最小公倍数", "“x”"}, {"ja", "最大公約数", "最小公倍数", "「x」"},
            {"ko", "최대공약수", "최소공배수", "“x”"}, {"id", "FPB", "KPK", "“x”"},   {"vi", "ƯCLN", "BCNN", "“x”"},
            {"el", "ΜΚΔ", "ΕΚΠ", "«x»"}};
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1]) << QString::fromUtf8(row[2])
                                  << QString::fromUtf8(row[3]);
    }

    void speaksTheSchoolsNamesAndFits()
    {
        QFETCH(QString, code);
        QFETCH(QString, hcf);
        QFETCH(QString, lcm);
        QFETCH(QString, quoted);
        const Language::Translation translation(code);
        frmLCM window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QString title = window.windowTitle();
        QVERIFY2(title.contains(hcf) && title.contains(lcm), qPrintable(title));
        QVERIFY(window.findChild<QPushButton *>("Find_HCF")->text().contains(hcf)); // "¿MCD?" in Spanish
        QVERIFY(window.findChild<QPushButton *>("Find_LCM")->text().contains(lcm));
        QVERIFY(window.findChild<QGroupBox *>("Frame3")->title().contains(hcf));
        QVERIFY(window.findChild<QGroupBox *>("Frame1")->title().contains(lcm));
        for (const QWidget *widget : window.findChildren<QWidget *>())
            QVERIFY2(overrun(*widget) == 0, qPrintable(QStringLiteral("%1 by %2 px").arg(widget->objectName()).arg(overrun(*widget))));

        // Results, their working and refusals speak the language too, in glyphs drawn.
        const BoxWatcher boxes(window);
        window.findChild<QLineEdit *>("Text1")->setText(QStringLiteral("12 18"));
        QTest::mouseClick(window.findChild<QPushButton *>("Find_HCF"), Qt::LeftButton);
        QVERIFY(window.findChild<QLabel *>("Label8")->text().startsWith(hcf));
        QTest::mouseClick(window.findChild<QPushButton *>("Find_LCM"), Qt::LeftButton);
        QVERIFY(window.findChild<QLabel *>("Lblcm")->text().startsWith(lcm));
        QTest::keyClick(&window, Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
        auto *working = window.findChild<QWidget *>("Working");
        QVERIFY(working != nullptr);
        QVERIFY(working->findChild<QPlainTextEdit *>()->toPlainText().contains(lcm));
        QTabBar *pages = working->findChild<QTabWidget *>("WorkingPages")->tabBar();
        QTest::mouseClick(pages, Qt::LeftButton, {}, pages->tabRect(1).center());
        QCOMPARE(undrawnTexts(window), QStringList());
        QCOMPARE(undrawnTexts(*working), QStringList());

        window.findChild<QLineEdit *>("Text1")->setText(QStringLiteral("12 x"));
        QTest::mouseClick(window.findChild<QPushButton *>("Find_LCM"), Qt::LeftButton);
        QCOMPARE(boxes.seen.size(), 1);
        QVERIFY2(boxes.seen.first().text.contains(quoted), qPrintable(boxes.seen.first().text));
        QCOMPARE(boxes.seen.first().text == QStringLiteral("\"x\" is not a number."), code.startsWith("en"));
        QCOMPARE(missingGlyphs(boxes.seen.first().text, window.font()), QString());
    }

    // The FIND button shows find.gif in English (and where the word is not yet
    // translated); in another language it shows the translated word in
    // find.gif's looks, fitting inside, and is read by it.
    void findButtonSpeaksTheLanguage_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString &code : Language::codes())
            QTest::newRow(qPrintable(code)) << code;
    }

    void findButtonSpeaksTheLanguage()
    {
        QFETCH(QString, code);
        const Language::Translation translation(code);
        const frmLCM window;
        const auto *find = window.findChild<QPushButton *>("FindPrime");
        const QImage shown = find->icon().pixmap(find->iconSize()).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage gif = QImage(QStringLiteral(":/assets/find.gif")).convertToFormat(QImage::Format_RGB32);
        const QString word = QCoreApplication::translate("frmLCM", "FIND");
        const bool untranslated = word == QStringLiteral("FIND");
        QVERIFY(untranslated || !code.startsWith(QLatin1String("en")));
        QCOMPARE(shown == gif, untranslated);
        if (untranslated)
            return;
        QCOMPARE(find->accessibleName(), word);
        QCOMPARE(shown.size(), gif.size());
        int red = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QColor colour = shown.pixelColor(x, y);
                const bool letter = colour.red() > 128 && colour.green() < 100;
                red += letter ? 1 : 0;
                const bool edge = x < 2 || y < 2 || x >= shown.width() - 2 || y >= shown.height() - 2;
                QVERIFY2(!edge || colour == gif.pixelColor(0, 0), qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            }
        }
        QVERIFY2(red > shown.width() * shown.height() / 20, "the word is drawn large, in find.gif's red");
    }

    // In Arabic and Persian the window is mirrored: each control at its
    // container's width - x - width, sizes kept; and the division ladder of the
    // working keeps its columns from left to right.
    void rightToLeftMirrors_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("ar") << QStringLiteral("ar");
        QTest::newRow("fa") << QStringLiteral("fa");
    }

    void rightToLeftMirrors()
    {
        QFETCH(QString, code);
        const Language::Translation translation(code);
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        const frmLCM leftToRight;
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        frmLCM window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        int compared = 0;
        for (const QWidget *control : window.centralWidget()->findChildren<QWidget *>()) {
            const auto *asDrawn = leftToRight.findChild<const QWidget *>(control->objectName());
            const QWidget *container = control->parentWidget();
            if (control->objectName().isEmpty() || asDrawn == nullptr || control->isWindow()
                || !(container == window.centralWidget() || qobject_cast<const QGroupBox *>(container)))
                continue;
            const QRect place = asDrawn->geometry();
            const bool sizesItself = qobject_cast<const CaptionLabel *>(control) && control->property("autoSize").toBool();
            // A caption that sizes itself keeps its leading edge: its right one here.
            const int right = container->width() - place.x();
            QVERIFY2(control->geometry().right() + 1 == right, qPrintable(control->objectName()));
            QCOMPARE(control->y(), place.y());
            if (!sizesItself)
                QCOMPARE(control->size(), place.size());
            ++compared;
        }
        QVERIFY(compared > 30);

        window.findChild<QLineEdit *>("Text1")->setText(QStringLiteral("12 18"));
        QTest::mouseClick(window.findChild<QPushButton *>("Find_LCM"), Qt::LeftButton);
        QTest::keyClick(&window, Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
        auto *steps = window.findChild<QWidget *>("Working")->findChild<QPlainTextEdit *>();
        steps->show();
        QVERIFY(QTest::qWaitForWindowExposed(steps->window()));
        bool sawLadder = false;
        for (QTextBlock line = steps->document()->begin(); line.isValid(); line = line.next()) {
            const QString text = line.text();
            if (text.startsWith(QStringLiteral("2 | 12"))) {
                sawLadder = true;
                QCOMPARE(line.textDirection(), Qt::LeftToRight);
                const QTextLine drawn = line.layout()->lineAt(0);
                const auto xOf = [&](const char *number) { return drawn.cursorToX(int(text.indexOf(QLatin1String(number)))); };
                QVERIFY(xOf("12") < xOf("18"));
            } else if (text.startsWith(QStringLiteral("م.م.أ")) || text.startsWith(QStringLiteral("ک.م.م"))) {
                QCOMPARE(line.textDirection(), Qt::RightToLeft);
            }
        }
        QVERIFY(sawLadder);
    }

    void everyPhraseIsTranslatedAndCommented_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString &code : Language::codes())
            if (code != Language::SourceCode)
                QTest::newRow(qPrintable(code)) << code;
    }

    // Each language's .ts holds every phrase of the table, finished, with its
    // translator comment, its placeholders and (for a count) its plural forms;
    // no other text of the window is left unfinished.
    void everyPhraseIsTranslatedAndCommented()
    {
        QFETCH(QString, code);
        const auto messages = readTs(QStringLiteral(HCFLCM_TRANSLATIONS_DIR "/hcflcm_") + code + QStringLiteral(".ts"));
        QVERIFY(!messages.empty());
        for (const Entry &entry : PhraseTable) {
            const QString source = QString::fromUtf8(entry.source);
            const auto found = messages.find({QStringLiteral("Phrases"), source});
            QVERIFY2(found != messages.end(), qPrintable(QStringLiteral("no entry: ") + source));
            const Message &message = found->second;
            QVERIFY2(message.finished && message.commented && message.numerus == entry.counted, qPrintable(source));
            QVERIFY2(!message.forms.isEmpty(), qPrintable(source));
            for (qsizetype i = 0; i < message.forms.size(); ++i) {
                const QString &form = message.forms[i];
                QVERIFY2(!form.isEmpty(), qPrintable(source));
                QVERIFY2(code.startsWith(QLatin1String("en")) || form != source || MayEqualEnglish.contains(source),
                         qPrintable(source + QStringLiteral(" left in English")));
                for (const QString &placeholder : placeholders(source))
                    QVERIFY2(form.contains(placeholder) || (placeholder == QLatin1String("%n") && mayNameTheCount(code, i)),
                             qPrintable(form + QStringLiteral(" lacks ") + placeholder));
            }
        }
        for (const auto &[key, message] : messages)
            QVERIFY2(message.finished, qPrintable(key.first + QStringLiteral(": ") + key.second));
    }

    void countsTakeTheLanguagesPluralForms_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("listed");
        const struct {
            const char *code;
            int count;
            const char *caption;
            const char *listed;
        } rows[] = {
            {"fr", 1, "1 premier", "1 nombre premier\u00A0: %1"},
            {"fr", 2, "2 premiers", "2 nombres premiers\u00A0: %1"},
            {"de", 1, "1 Primzahl", "1 Primzahl: %1"},
            {"de", 5, "5 Primzahlen", "5 Primzahlen: %1"},
            {"ru", 1, "1 число", "1 простое число: %1"},
            {"ru", 2, "2 числа", "2 простых числа: %1"},
            {"ru", 5, "5 чисел", "5 простых чисел: %1"},
            {"ru", 22, "22 числа", "22 простых числа: %1"},
            {"ru", 25, "25 чисел", "25 простых чисел: %1"},
            {"pl", 1, "1 liczba", "1 liczba pierwsza: %1"},
            {"pl", 2, "2 liczby", "2 liczby pierwsze: %1"},
            {"pl", 5, "5 liczb", "5 liczb pierwszych: %1"},
            {"pl", 22, "22 liczby", "22 liczby pierwsze: %1"},
            {"pl", 25, "25 liczb", "25 liczb pierwszych: %1"},
            // Arabic's six forms: 0, 1, 2, 3 to 10, 11 to 99, and 100 and above (by the last two digits).
            {"ar", 1, "عدد أولي واحد", "عدد أولي واحد: \u2066%1\u2069"},
            {"ar", 2, "عددان أوليان", "عددان أوليان: \u2066%1\u2069"},
            {"ar", 3, "3 أعداد أولية", "3 أعداد أولية: \u2066%1\u2069"},
            {"ar", 11, "11 عددًا أوليًا", "11 عددًا أوليًا: \u2066%1\u2069"},
            {"ar", 100, "100 عدد أولي", "100 عدد أولي: \u2066%1\u2069"},
            {"ar", 103, "103 أعداد أولية", "103 أعداد أولية: \u2066%1\u2069"},
            {"zh_CN", 2, "2 个质数", "2 个质数：%1"},
        };
        for (const auto &row : rows)
            QTest::addRow("%s %d", row.code, row.count) << QString::fromUtf8(row.code) << row.count
                                                        << QString::fromUtf8(row.caption) << QString::fromUtf8(row.listed);
    }

    // Through the real translations: the prime count caption and the sieve's
    // result take the language's form for the count.
    void countsTakeTheLanguagesPluralForms()
    {
        QFETCH(QString, code);
        QFETCH(int, count);
        QFETCH(QString, caption);
        QFETCH(QString, listed);
        const Language::Translation translation(code);
        const numbers::Phrases phrases = translatedPhrases();
        QCOMPARE(QString::fromStdString(phrases.primeCount(count)), caption);
        QCOMPARE(QString::fromStdString(phrases.primesListed(count)), listed);
    }

    void workingWritesTheSchoolsForms_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("working");
        QTest::addColumn<QString>("expected");
        QTest::newRow("fr: the colon after a no-break space, 12 × 1")
            << "fr" << "hcf" << QStringLiteral("PGCD de 12 et 18\n\nPGCD(12, 18)\u00A0:\n18 = 12 × 1 + 6\n12 = 6 × 2 + 0\n");
        QTest::newRow("de: the division with its remainder, und") << "de" << "hcf" << QStringLiteral("ggT von 12 und 18\n\nggT(12, 18):\n18 : 12 = 1 Rest 6\n");
        QTest::newRow("de: the times sign between powers") << "de" << "factors" << QStringLiteral("360 = 2^3 · 3^2 · 5");
    }

    // The working's joins are the language's phrases.
    void workingWritesTheSchoolsForms()
    {
        QFETCH(QString, code);
        QFETCH(QString, working);
        QFETCH(QString, expected);
        const Language::Translation translation(code);
        const numbers::Texts texts(translatedPhrases());
        const std::string text = working == QLatin1String("hcf") ? texts.hcfWorking(numbers::hcfWorking(std::array{12, 18}))
                                                                 : texts.factorsWorking(numbers::factorWorking(360));
        QVERIFY2(QString::fromStdString(text).contains(expected), text.c_str());
    }

    void pictureLineTakesTheSchoolsTypography_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString &code : Language::codes())
            QTest::newRow(qPrintable(code)) << code;
    }

    // The line under the factor tree of 360 in every language: raised
    // exponents, never "^", and the school's times sign (German "·").
    void pictureLineTakesTheSchoolsTypography()
    {
        QFETCH(QString, code);
        const Language::Translation translation(code);
        const numbers::Texts texts(translatedPhrases());
        QString line;
        for (const numbers::FormulaRun &run : texts.factorsPictureLine(numbers::factorWorking(360))) {
            const QString text = QString::fromStdString(run.text);
            line += run.kind == numbers::FormulaRun::Kind::Exponent ? QStringLiteral("[%1]").arg(text) : text;
        }
        QVERIFY2(!line.contains(QLatin1Char('^')) && line.contains(QLatin1String("2[3]")) && line.contains(QLatin1String("3[2]")),
                 qPrintable(line));
        if (code == QLatin1String("de"))
            QCOMPARE(line, QStringLiteral("360 = 2[3] · 3[2] · 5"));
    }

    // Untranslated, the window's phrase table is the English one, phrase for
    // phrase, and every count takes the English form.
    void untranslatedPhrasesAreTheEnglishTable()
    {
        const numbers::Phrases english;
        const numbers::Phrases window = translatedPhrases();
#define PHRASE(name, source) QCOMPARE(window.name, english.name);
#define COUNTED(name, source, englishOne)                                                                              \
    for (const std::int64_t count : {0, 1, 2, 5, 101})                                                                 \
        QCOMPARE(window.name(count), english.name(count));
#include "PhraseList.h"
#undef PHRASE
#undef COUNTED
    }
};

int main(int argc, char *argv[]) { return runWindowSuite<WindowLanguageTest>(argc, argv); }
#include "WindowLanguageTest.moc"
