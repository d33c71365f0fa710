// Saves the pictures of the working that the README shows, through the real
// window on the offscreen platform: each command is clicked, the Working
// window opened on its result and its Save run with a file name; then the
// Practice window after a wrong answer.
// Usage: working_pictures DIR (scripts/working-pictures.sh runs it).

#include "DesktopSetup.h"
#include "WorkingWindow.h"
#include "frmLCM.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <cstdio>

namespace {

template <typename T> T *control(QObject &window, const char *name)
{
    T *found = window.findChild<T *>(QLatin1String(name));
    if (found == nullptr)
        qFatal("no control named %s", name);
    return found;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    DesktopSetup::prepareEnvironment();
    QApplication app(argc, argv);
    DesktopSetup::prepareApplication();
    if (argc != 2) {
        std::fprintf(stderr, "Usage: working_pictures DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));

    frmLCM window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    const struct {
        const char *numbers;
        const char *button; // for the primes, numbers holds the two bounds
        const char *file;
    } pictures[] = {
        {"360", "Factorize", "factor-tree.png"},
        {"8 12 18", "Find_HCF", "venn-diagram.png"},
        {"1 100", "FindPrime", "sieve-grid.png"},
    };
    for (const auto &picture : pictures) {
        const QStringList numbers = QString::fromLatin1(picture.numbers).split(QLatin1Char(' '));
        if (QLatin1String(picture.button) == QLatin1String("FindPrime")) {
            control<QLineEdit>(window, "Text2_0")->setText(numbers[0]);
            control<QLineEdit>(window, "Text2_1")->setText(numbers[1]);
        } else {
            control<QLineEdit>(window, "Text1")->setText(QLatin1String(picture.numbers));
        }
        QTest::mouseClick(control<QPushButton>(window, picture.button), Qt::LeftButton);
        control<QAction>(window, "ShowWorking")->trigger();
        auto *working = window.findChild<WorkingWindow *>();
        if (working == nullptr || !working->saveTo(out.filePath(QLatin1String(picture.file))))
            return 1;
        std::printf("%s\n", qPrintable(out.filePath(QLatin1String(picture.file))));
    }

    // The Working window itself, on the picture of the last command.
    auto *working = window.findChild<WorkingWindow *>();
    control<QTabWidget>(*working, "WorkingPages")->setCurrentIndex(1);
    working->resize(560, 520);
    QTest::qWait(50);
    if (!working->grab().save(out.filePath(QStringLiteral("working-window.png"))))
        return 1;
    std::printf("%s\n", qPrintable(out.filePath(QStringLiteral("working-window.png"))));

    // The Practice window after a wrong answer and one hint.
    window.openPractice(2026);
    auto *practice = control<QWidget>(window, "Practice");
    control<QLineEdit>(*practice, "Answer")->setText(QStringLiteral("2 x 2 x 9"));
    QTest::mouseClick(control<QPushButton>(*practice, "Check"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(*practice, "Hint"), Qt::LeftButton);
    QTest::qWait(50);
    if (!practice->grab().save(out.filePath(QStringLiteral("practice-window.png"))))
        return 1;
    std::printf("%s\n", qPrintable(out.filePath(QStringLiteral("practice-window.png"))));
    return 0;
}
