// Walks every control of the window and compares its place, size and font
// with the form's table (positions in twips, 15 to a pixel).
#include "frmLCM.h"

#include <QApplication>
#include <QFont>
#include <QMenuBar>
#include <QTest>
#include <QWidget>

namespace {

enum Sizing { Fixed, AutoSize };

struct Control {
    const char *name;
    int left, top, width, height; // twips, relative to the container
    const char *family;           // nullptr: the window font
    double points;
    bool bold;
    bool underline;
    Sizing sizing;
};

const char *const Window = nullptr;

const Control controls[] = {
    // In the window's client area
    {"Frame5", 150, 3420, 6690, 2100, Window, 8.25, false, false, Fixed},
    {"Frame4", 150, -15, 4080, 3330, Window, 8.25, false, false, Fixed},
    {"Frame3", 4395, 1350, 4590, 825, Window, 8.25, false, false, Fixed},
    {"Frame1", 4410, 2205, 4590, 1110, Window, 8.25, false, false, Fixed},
    {"Frame2", 4395, 15, 4650, 1305, Window, 8.25, false, false, Fixed},
    {"Image5", 7770, 3585, 465, 660, Window, 8.25, false, false, Fixed},
    {"Image4", 7335, 4365, 1440, 1080, Window, 8.25, false, false, Fixed},
    {"Label19", 420, 5565, 1230, 210, "Arial", 8.25, true, true, AutoSize},
    {"Label6", 2610, 5775, 3375, 195, Window, 8.25, false, false, AutoSize},
    {"Label5", 135, 5805, 2220, 195, "MS Sans Serif", 8.25, true, true, AutoSize},
    {"Label3", 6210, 5775, 2745, 195, "MS Sans Serif", 8.25, true, false, AutoSize},
    // In Frame4
    {"Text1", 195, 2730, 3030, 360, "MS Sans Serif", 12, true, false, Fixed},
    {"Label9", 345, 195, 1095, 195, Window, 8.25, false, false, AutoSize},
    {"Image2", 2190, 180, 1770, 1650, Window, 8.25, false, false, Fixed},
    {"Label2", 840, 390, 45, 195, Window, 8.25, false, false, AutoSize},
    {"Image3", 30, 180, 2160, 1650, Window, 8.25, false, false, Fixed},
    {"inpt", 90, 2055, 3210, 195, "MS Sans Serif", 8.25, true, false, AutoSize},
    {"Label7", 570, 2325, 2235, 225, "Arial Narrow", 8.25, false, false, AutoSize},
    // In Frame2
    {"Factorize", 3555, 885, 990, 345, Window, 8.25, false, false, Fixed},
    {"Label1", 90, 345, 4455, 660, "MS Sans Serif", 9.75, true, false, Fixed},
    // In Frame3
    {"Find_HCF", 3525, 420, 990, 330, Window, 8.25, false, false, Fixed},
    {"Label8", 630, 285, 1080, 330, "Arial", 14.25, true, false, AutoSize},
    // In Frame1
    {"Find_LCM", 3465, 720, 1035, 330, Window, 8.25, false, false, Fixed},
    {"Lblcm", 795, 630, 1140, 330, "Arial", 14.25, true, false, AutoSize},
    {"Label4", 1350, 315, 1140, 195, Window, 8.25, false, false, AutoSize},
    // In Frame5
    {"List1", 4680, 450, 1815, 1365, "Arial", 18, true, false, Fixed},
    {"FindPrime", 3000, 825, 1335, 600, Window, 8.25, false, false, Fixed},
    {"Text2_1", 510, 1365, 1815, 420, "MS Sans Serif", 12, true, false, Fixed},
    {"Text2_0", 510, 555, 1815, 420, "MS Sans Serif", 12, true, false, Fixed},
    {"Label13", 1095, 1830, 540, 195, Window, 8.25, false, false, AutoSize},
    {"Label12", 5145, 225, 750, 195, "MS Sans Serif", 8.25, true, false, AutoSize},
    {"Label11", 1215, 1035, 405, 240, "MS Sans Serif", 9.75, true, false, AutoSize},
    {"Label10", 225, 225, 2535, 240, "MS Sans Serif", 9.75, true, false, AutoSize},
};

int pixels(int twips) { return twips / 15; }

} // namespace

class FormLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlStandsWhereTheFormPutsIt()
    {
        frmLCM window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const Control &c : controls) {
            const auto *widget = window.findChild<QWidget *>(c.name);
            QVERIFY2(widget, c.name);
            const QRect place = widget->geometry();
            QCOMPARE(QPoint(place.topLeft()), QPoint(pixels(c.left), pixels(c.top)));
            if (c.sizing == Fixed)
                QCOMPARE(place.size(), QSize(pixels(c.width), pixels(c.height)));
            else
                QVERIFY2(place.width() > 0 && place.height() > 0, c.name);

            const QFont font = widget->font();
            QCOMPARE(font.family(), QString(c.family ? c.family : "MS Sans Serif"));
            QCOMPARE(font.pointSizeF(), c.points);
            QCOMPARE(font.bold(), c.bold);
            QCOMPARE(font.underline(), c.underline);
        }
    }

    void clientAreaIsFixedAt612By408()
    {
        frmLCM window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.centralWidget()->size(), QSize(612, 408));
        QCOMPARE(window.centralWidget()->y(), window.menuBar()->height());
        window.resize(900, 700);
        QCOMPARE(window.centralWidget()->size(), QSize(612, 408));
        QCOMPARE(window.findChild<QWidget *>("Frame5")->geometry(), QRect(10, 228, 446, 140));
    }
};

QTEST_MAIN(FormLayoutTest)
#include "FormLayoutTest.moc"
