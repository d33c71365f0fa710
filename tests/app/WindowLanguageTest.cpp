// The window in every language: each school's names for the HCF and the LCM,
// and every fixed text fitting its control at the form's fixed geometry.
#include "BoxWatcher.h"
#include "Language.h"
#include "Texts.h"
#include "TranslatedPhrases.h"
#include "WindowSuiteMain.h"
#include "Working.h"
#include "frmLCM.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <array>
#include <map>
#include <vector>

namespace {

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
        int right = parent.width() - (qobject_cast<const QGroupBox *>(&parent) ? 2 : 0);
        for (const QWidget *other : parent.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            const QRect place = other->geometry();
            if (place.left() > widget.x() && place.top() < widget.geometry().bottom() && place.bottom() > widget.y())
                right = std::min(right, place.left() - 6);
        }
        room = right - widget.x();
    }
    return std::max(0, QFontMetrics(font).horizontalAdvance(text) - room);
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
    QStringLiteral("%1 = %2 x %3 + %4"), QStringLiteral("in %1: %2")};

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
            {"ru", "НОД", "НОК", "\"x\""},     {"tr", "EBOB", "EKOK", "\"x\""}};
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
        for (const QWidget *widget : window.findChildren<QWidget *>())
            QVERIFY2(overrun(*widget) == 0, qPrintable(widget->objectName()));

        // Results and refusals speak the language too.
        const BoxWatcher boxes(window);
        window.findChild<QLineEdit *>("Text1")->setText(QStringLiteral("12 18"));
        QTest::mouseClick(window.findChild<QPushButton *>("Find_HCF"), Qt::LeftButton);
        QVERIFY(window.findChild<QLabel *>("Label8")->text().startsWith(hcf));
        window.findChild<QLineEdit *>("Text1")->setText(QStringLiteral("12 x"));
        QTest::mouseClick(window.findChild<QPushButton *>("Find_LCM"), Qt::LeftButton);
        QCOMPARE(boxes.seen.size(), 1);
        QVERIFY2(boxes.seen.first().text.contains(quoted), qPrintable(boxes.seen.first().text));
        QCOMPARE(boxes.seen.first().text == QStringLiteral("\"x\" is not a number."), code.startsWith("en"));
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
            for (const QString &form : message.forms) {
                QVERIFY2(!form.isEmpty(), qPrintable(source));
                QVERIFY2(code.startsWith(QLatin1String("en")) || form != source || MayEqualEnglish.contains(source),
                         qPrintable(source + QStringLiteral(" left in English")));
                for (const QString &placeholder : placeholders(source))
                    QVERIFY2(form.contains(placeholder), qPrintable(form + QStringLiteral(" lacks ") + placeholder));
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
            {"en_GB", 1, "1 Primes", "1 prime: %1"},
            {"en_GB", 2, "2 Primes", "2 primes: %1"},
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
        QTest::newRow("en_GB: the list without and") << "en_GB" << "hcf" << QStringLiteral("HCF of 12, 18\n\nHCF(12, 18):\n18 = 1 x 12 + 6\n");
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
