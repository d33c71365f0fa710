// Ending the program: the Exit entry, a close request and a game that starts.
// Each case runs the application's event loop and checks that the window ended
// it, taking the Working and Practice windows with it; a guard ends a loop that nothing ends,
// failing the case instead of hanging.

#include "WindowSuiteMain.h"
#include "WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

constexpr int GuardExitCode = 99;

// Writes an executable Marbleton.exe into directory that runs script.
bool writeGame(const QTemporaryDir &directory, const QByteArray &script)
{
    QFile game(directory.filePath(QStringLiteral("Marbleton.exe")));
    if (!game.open(QIODevice::WriteOnly) || game.write("#!/bin/sh\n" + script) < 0)
        return false;
    game.close();
    return game.setPermissions(game.permissions() | QFileDevice::ExeOwner);
}

// Runs the event loop, does action inside it, and gives the loop's exit code.
int runLoopAndDo(const std::function<void()> &action)
{
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(GuardExitCode); });
    guard.start(10000);
    QTimer::singleShot(0, action);
    const int code = QApplication::exec();
    guard.stop();
    return code;
}

} // namespace

class WindowExitTest : public WindowFixture {
    Q_OBJECT

private slots:
    void menuEntryEndsProgram_data();
    void menuEntryEndsProgram();
    void closeRequestEndsProgram();
    void gameStartsInCurrentDirectoryAndProgramEnds_data();
    void gameStartsInCurrentDirectoryAndProgramEnds();
    void workingWindowGoesWithProgram_data();
    void workingWindowGoesWithProgram();

private:
    void chooseMenuEntry(const QString &name);

};

void WindowExitTest::chooseMenuEntry(const QString &name)
{
    QMenuBar *menu = window->menuBar();
    QAction *entry = window->findChild<QAction *>(name);
    QVERIFY(entry != nullptr);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
}

void WindowExitTest::menuEntryEndsProgram_data()
{
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("mouse") << false;
    QTest::newRow("Alt+X") << true;
}

void WindowExitTest::menuEntryEndsProgram()
{
    QFETCH(bool, byKeyboard);
    const int code = runLoopAndDo([&] {
        if (byKeyboard)
            QTest::keyClick(window.get(), Qt::Key_X, Qt::AltModifier);
        else
            chooseMenuEntry(QStringLiteral("Exit"));
    });
    QCOMPARE(code, 0);
    QVERIFY(boxes->seen.isEmpty());
}

void WindowExitTest::closeRequestEndsProgram()
{
    const int code = runLoopAndDo([&] { window->close(); });
    QCOMPARE(code, 0);
    QVERIFY(!window->isVisible());
}

void WindowExitTest::gameStartsInCurrentDirectoryAndProgramEnds_data()
{
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("mouse") << false;
    QTest::newRow("Alt+G") << true;
}

void WindowExitTest::gameStartsInCurrentDirectoryAndProgramEnds()
{
    QFETCH(bool, byKeyboard);
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    QVERIFY(writeGame(directory, "pwd > started.txt\n"));

    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(directory.path()));
    const int code = runLoopAndDo([&] {
        if (byKeyboard)
            QTest::keyClick(window.get(), Qt::Key_G, Qt::AltModifier);
        else
            chooseMenuEntry(QStringLiteral("Backz"));
    });
    QDir::setCurrent(previous);

    QCOMPARE(code, 0);
    QVERIFY(!window->isVisible());
    QVERIFY(boxes->seen.isEmpty());

    // The game runs on its own: wait for the marker it leaves in its working directory.
    QFile marker(directory.filePath(QStringLiteral("started.txt")));
    QTRY_VERIFY_WITH_TIMEOUT(marker.exists() && marker.size() > 0, 10000);
    QVERIFY(marker.open(QIODevice::ReadOnly));
    QCOMPARE(QDir(QString::fromLocal8Bit(marker.readAll()).trimmed()).canonicalPath(),
             QDir(directory.path()).canonicalPath());
}

void WindowExitTest::workingWindowGoesWithProgram_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit entry") << "Exit";
    QTest::newRow("close request") << "close";
    QTest::newRow("game starts") << "Backz";
}

void WindowExitTest::workingWindowGoesWithProgram()
{
    QFETCH(QString, how);
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    QVERIFY(writeGame(directory, "exit 0\n"));

    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("Find_LCM")), Qt::LeftButton);
    QTest::keyClick(window.get(), Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
    QWidget *working = window->findChild<QWidget *>(QStringLiteral("Working"));
    QVERIFY(working != nullptr);
    QVERIFY(working->isVisible());
    window->openPractice(1);
    QWidget *practice = window->findChild<QWidget *>(QStringLiteral("Practice"));
    QVERIFY(practice != nullptr);
    QVERIFY(practice->isVisible());

    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(directory.path()));
    const int code = runLoopAndDo([&] {
        if (how == QStringLiteral("close"))
            window->close();
        else
            chooseMenuEntry(how);
    });
    QDir::setCurrent(previous);

    QCOMPARE(code, 0);
    QVERIFY(!working->isVisible());
    QVERIFY(!practice->isVisible());
    QVERIFY(boxes->seen.isEmpty());
}

int main(int argc, char *argv[])
{
    return runWindowSuite<WindowExitTest>(argc, argv);
}

#include "WindowExitTest.moc"
