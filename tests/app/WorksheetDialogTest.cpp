// The worksheet dialog: opened from the Practice window, Save… and Print…
// only for a sheet that can be made, and a preview on the language's paper.

#include "PracticeWindow.h"
#include "WindowFixture.h"
#include "WindowSuiteMain.h"
#include "WorksheetDialog.h"
#include "WorksheetDocument.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

class WorksheetDialogTest : public WindowFixture {
    Q_OBJECT

private slots:
    void offersSaveOnlyForASheet_data();
    void offersSaveOnlyForASheet();
    void previewsOnTheLanguagesPaper_data();
    void previewsOnTheLanguagesPaper();
    void savedNameKeepsItsExtension_data();
    void savedNameKeepsItsExtension();

private:
    // Opens the dialog by the Practice window's button.
    WorksheetDialog *openDialog();
};

WorksheetDialog *WorksheetDialogTest::openDialog()
{
    window->openPractice(1);
    auto *practice = window->findChild<PracticeWindow *>(QStringLiteral("Practice"));
    if (practice == nullptr)
        return nullptr;
    QTest::mouseClick(practice->findChild<QPushButton *>(QStringLiteral("WorksheetButton")), Qt::LeftButton);
    return practice->findChild<WorksheetDialog *>(QStringLiteral("Worksheet"));
}

void WorksheetDialogTest::offersSaveOnlyForASheet_data()
{
    QTest::addColumn<QStringList>("unchecked");
    QTest::addColumn<QString>("seed");
    QTest::addColumn<bool>("offered");
    // A null seed: the one the dialog opened with. Which seeds are read is WorksheetTest's.
    QTest::newRow("as opened from Practice") << QStringList{} << QString() << true;
    QTest::newRow("one kind left") << QStringList{"KindFactors", "KindHcf", "KindLcm"} << QStringLiteral("0") << true;
    QTest::newRow("no kind") << QStringList{"KindFactors", "KindHcf", "KindLcm", "KindPrime"} << QStringLiteral("5") << false;
    QTest::newRow("a seed not read") << QStringList{} << QStringLiteral("12a") << false;
}

void WorksheetDialogTest::offersSaveOnlyForASheet()
{
    QFETCH(QStringList, unchecked);
    QFETCH(QString, seed);
    QFETCH(bool, offered);
    WorksheetDialog *dialog = openDialog();
    QVERIFY(dialog != nullptr && QTest::qWaitForWindowExposed(dialog));
    for (const QString &kind : unchecked)
        dialog->findChild<QCheckBox *>(kind)->setChecked(false);
    if (!seed.isNull())
        dialog->findChild<QLineEdit *>(QStringLiteral("Seed"))->setText(seed);
    QCOMPARE(dialog->findChild<QPushButton *>(QStringLiteral("Save"))->isEnabled(), offered);
    QCOMPARE(dialog->findChild<QPushButton *>(QStringLiteral("Print"))->isEnabled(), offered);
    const QLabel *preview = dialog->findChild<QLabel *>(QStringLiteral("Preview"));
    QCOMPARE(preview->pixmap().isNull(), !offered);
    QCOMPARE(preview->text().isEmpty(), offered); // says why there is no sheet
}

void WorksheetDialogTest::previewsOnTheLanguagesPaper_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<double>("heightByWidth");
    QTest::newRow("British English: A4") << QStringLiteral("en_GB") << 297.0 / 210.0;
    QTest::newRow("American English: Letter") << QStringLiteral("en_US") << 11.0 / 8.5;
    QTest::newRow("German: A4") << QStringLiteral("de") << 297.0 / 210.0;
}

void WorksheetDialogTest::previewsOnTheLanguagesPaper()
{
    QFETCH(QString, language);
    QFETCH(double, heightByWidth);
    const QLocale before;
    QLocale::setDefault(QLocale(language));
    WorksheetDialog *dialog = openDialog();
    QLocale::setDefault(before);
    QVERIFY(dialog != nullptr);
    const QPixmap page = dialog->findChild<QLabel *>(QStringLiteral("Preview"))->pixmap();
    QVERIFY(qAbs(static_cast<double>(page.height()) / page.width() - heightByWidth) < 0.01);
}

int main(int argc, char *argv[])
{
    return runWindowSuite<WorksheetDialogTest>(argc, argv);
}

void WorksheetDialogTest::savedNameKeepsItsExtension_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("no extension takes the chosen kind's") << "sheet" << "sheet.pdf";
    QTest::newRow("an offered extension stays") << "sheet.txt" << "sheet.txt";
    QTest::newRow("another extension stays, to be refused") << "sheet.doc" << "sheet.doc";
}

// A name is never given a second extension: "sheet.doc" is refused, not
// written as a PDF named "sheet.doc.pdf".
void WorksheetDialogTest::savedNameKeepsItsExtension()
{
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    const QString name = WorksheetFile::withExtension(typed, WorksheetFile::fileFilters().front());
    QCOMPARE(name, saved);
    QCOMPARE(WorksheetFile::isKnownKind(name), saved != QLatin1String("sheet.doc"));
}

#include "WorksheetDialogTest.moc"
