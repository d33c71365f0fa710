// The window in every language: each school's names for the HCF and the LCM,
// and every fixed text fitting its control at the form's fixed geometry.
#include "Language.h"
#include "WindowSuiteMain.h"
#include "frmLCM.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

// The room a fixed text has in widget, or -1 for a widget without one.
int room(const QWidget &widget)
{
    if (const auto *button = qobject_cast<const QPushButton *>(&widget))
        return button->text().isEmpty() ? -1 : button->width() - 6;
    if (const auto *frame = qobject_cast<const QGroupBox *>(&widget))
        return frame->title().isEmpty() ? -1 : frame->width() - 14;
    const auto *label = qobject_cast<const QLabel *>(&widget);
    if (label == nullptr || label->text().isEmpty())
        return -1;
    if (!label->property("autoSize").toBool())
        return label->contentsRect().width();
    // A caption that sizes itself may grow up to its frame's inner edge, or to
    // 6 pixels before the next control on its right.
    const QWidget &parent = *label->parentWidget();
    int right = parent.width() - (qobject_cast<const QGroupBox *>(&parent) ? 2 : 0);
    for (const QWidget *other : parent.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const QRect place = other->geometry();
        if (place.left() > label->x() && place.top() < label->geometry().bottom() && place.bottom() > label->y())
            right = std::min(right, place.left() - 6);
    }
    return right - label->x();
}

// How wide what widget shows is drawn; a frame's title measured in bold, as
// some styles draw it.
int advance(const QWidget &widget)
{
    QFont font = widget.font();
    if (const auto *frame = qobject_cast<const QGroupBox *>(&widget)) {
        font.setBold(true);
        return QFontMetrics(font).horizontalAdvance(frame->title());
    }
    const QVariant text = widget.property("text");
    return QFontMetrics(font).horizontalAdvance(text.toString().remove(QLatin1Char('&')));
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
        QVERIFY(window.findChild<QGroupBox *>("Frame3")->title().startsWith(hcf));
        QVERIFY(window.findChild<QGroupBox *>("Frame1")->title().startsWith(lcm));
        for (const QWidget *widget : window.findChildren<QWidget *>()) {
            if (room(*widget) >= 0)
                QVERIFY2(advance(*widget) <= room(*widget),
                         qPrintable(QStringLiteral("%1: %2 > %3").arg(widget->objectName()).arg(advance(*widget)).arg(room(*widget))));
        }
    }
};

int main(int argc, char *argv[]) { return runWindowSuite<WindowLanguageTest>(argc, argv); }
#include "WindowLanguageTest.moc"
