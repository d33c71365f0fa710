// The window in every language: each school's names for the HCF and the LCM,
// and every fixed text fitting its control at the form's fixed geometry.
#include "BoxWatcher.h"
#include "Language.h"
#include "TranslatedPhrases.h"
#include "WindowSuiteMain.h"
#include "frmLCM.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

} // namespace

class WindowLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void speaksTheSchoolsNamesAndFits_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("hcf");
        QTest::addColumn<QString>("lcm");
        const char *const rows[][3] = {{"en_GB", "HCF", "LCM"}, {"en_US", "GCF", "LCM"},  {"fr", "PGCD", "PPCM"},
                                       {"de", "ggT", "kgV"},    {"es", "MCD", "mcm"},     {"it", "MCD", "mcm"},
                                       {"pt_BR", "MDC", "MMC"}, {"nl", "GGD", "KGV"},     {"pl", "NWD", "NWW"},
                                       {"ru", "НОД", "НОК"},    {"tr", "EBOB", "EKOK"}};
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1]) << QString::fromUtf8(row[2]);
    }

    void speaksTheSchoolsNamesAndFits()
    {
        QFETCH(QString, code);
        QFETCH(QString, hcf);
        QFETCH(QString, lcm);
        const Language::Translation translation(code);
        frmLCM window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QString title = window.windowTitle();
        QVERIFY2(title.contains(hcf) && title.contains(lcm), qPrintable(title));
        QVERIFY(window.findChild<QPushButton *>("Find_HCF")->text().startsWith(hcf));
        QVERIFY(window.findChild<QPushButton *>("Find_LCM")->text().startsWith(lcm));
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
        QVERIFY(boxes.seen.first().text.contains(QStringLiteral("\"x\"")));
        QCOMPARE(boxes.seen.first().text == QStringLiteral("\"x\" is not a number."), code.startsWith("en"));
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
