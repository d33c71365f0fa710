// Window benchmark: clicks the real buttons of the calculator on the offscreen
// platform and prints, for each case, the time from the click to the last
// caption written (the click returns only when the command has ended), the time
// from process start to the window shown, and the peak memory after the widest
// prime list. Run it from a Release build: bench_window

#include "DesktopSetup.h"
#include "frmLCM.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Runs = 25;

struct Figure {
    double median;
    double worst;
};

Figure summarize(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples.back()};
}

void printRow(const char *what, const Figure &figure, const char *unit, double goal)
{
    std::printf("%-58s %10.3f %10.3f %s   goal < %g %s: %s\n", what, figure.median, figure.worst, unit, goal, unit,
                figure.median < goal ? "met" : "MISSED");
}

// Closes every message box as soon as it is shown, noting when that was.
class BoxCloser : public QObject {
public:
    QElapsedTimer *clock = nullptr;
    double shownAt = -1;

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *box = qobject_cast<QMessageBox *>(object);
        if (box != nullptr && event->type() == QEvent::Show) {
            if (clock != nullptr)
                shownAt = static_cast<double>(clock->nsecsElapsed()) / 1e6;
            QTimer::singleShot(0, box, &QMessageBox::accept);
        }
        return false;
    }
};

template <typename T> T *control(frmLCM &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (found == nullptr)
        qFatal("no control named %s", name);
    return found;
}

// Milliseconds from the click on button to the end of its command.
Figure clickToLastCaption(frmLCM &window, const char *button, const std::function<void()> &check)
{
    auto *target = control<QPushButton>(window, button);
    QTest::mouseClick(target, Qt::LeftButton); // warm-up
    std::vector<double> samples;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(target, Qt::LeftButton);
        samples.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        check();
    }
    return summarize(samples);
}

// Milliseconds from the click on button to its refusal box being shown.
Figure clickToBox(frmLCM &window, const char *button, BoxCloser &closer)
{
    auto *target = control<QPushButton>(window, button);
    QTest::mouseClick(target, Qt::LeftButton); // warm-up
    std::vector<double> samples;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer clock;
        closer.clock = &clock;
        closer.shownAt = -1;
        clock.start();
        QTest::mouseClick(target, Qt::LeftButton);
        if (closer.shownAt < 0)
            qFatal("no box was shown");
        samples.push_back(closer.shownAt);
    }
    closer.clock = nullptr;
    return summarize(samples);
}

void expect(bool condition, const char *what)
{
    if (!condition)
        qFatal("unexpected result: %s", what);
}

QString numbersText(const std::vector<qint64> &values)
{
    QStringList parts;
    for (const qint64 value : values)
        parts << QString::number(value);
    return parts.join(QLatin1Char(' '));
}

int probeStartup()
{
    frmLCM window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    std::printf("shown\n");
    std::fflush(stdout);
    return 0;
}

int probeMemory()
{
    frmLCM window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    control<QLineEdit>(window, "Text2_0")->setText(QStringLiteral("1"));
    control<QLineEdit>(window, "Text2_1")->setText(QStringLiteral("225000"));
    QTest::mouseClick(control<QPushButton>(window, "FindPrime"), Qt::LeftButton);
    if (control<QListWidget>(window, "List1")->count() != 20020)
        return 1;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld\n", usage.ru_maxrss); // KiB
    return 0;
}

Figure childRuns(const QString &probe, const std::function<double(QProcess &, QElapsedTimer &)> &measure)
{
    std::vector<double> samples;
    for (int run = 0; run < 7; ++run) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer clock;
        clock.start();
        child.start(QCoreApplication::applicationFilePath(), {probe});
        samples.push_back(measure(child, clock));
        child.waitForFinished(10000);
        expect(child.exitCode() == 0, "probe failed");
    }
    return summarize(samples);
}

int benchmark()
{
    frmLCM window;
    window.show();
    expect(QTest::qWaitForWindowExposed(&window), "window shown");
    BoxCloser closer;
    qApp->installEventFilter(&closer);

    auto *numbers = control<QLineEdit>(window, "Text1");
    auto *factors = control<QLabel>(window, "Label1");
    auto *lcm = control<QLabel>(window, "Lblcm");
    auto *list = control<QListWidget>(window, "List1");
    auto *count = control<QLabel>(window, "Label12");

    std::printf("Window benchmark (%s build, offscreen platform, %d runs each)\n", HCFLCM_BUILD_TYPE, Runs);
    std::printf("%-58s %10s %10s\n", "case", "median", "worst");

    numbers->setText(QStringLiteral("2147483647"));
    printRow("factorize 2147483647, click to last caption",
             clickToLastCaption(window, "Factorize",
                                [&] { expect(factors->text() == QStringLiteral(" 2147483647"), "factors"); }),
             "ms", 2);

    control<QLineEdit>(window, "Text2_0")->setText(QStringLiteral("1"));
    control<QLineEdit>(window, "Text2_1")->setText(QStringLiteral("225000"));
    printRow("primes 1..225000, list filled and count shown",
             clickToLastCaption(window, "FindPrime",
                                [&] {
                                    expect(list->count() == 20020 && count->text() == QStringLiteral("20020 Primes"),
                                           "primes");
                                }),
             "ms", 15);

    std::vector<qint64> alternating;
    for (int i = 0; i < 101; ++i)
        alternating.push_back(i % 2 == 0 ? 2147483647 : 2147483646);
    numbers->setText(numbersText(alternating));
    printRow("LCM of 101 numbers 2147483646/2147483647, to last caption",
             clickToLastCaption(window, "Find_LCM",
                                [&] { expect(lcm->text() == QStringLiteral("LCM = 4611686011984936962"), "lcm"); }),
             "ms", 10);

    std::vector<qint64> nearTop;
    for (int i = 0; i < 101; ++i)
        nearTop.push_back(2147483647 - i);
    numbers->setText(numbersText(nearTop));
    printRow("LCM of 101 numbers 2147483547..2147483647, to refusal box", clickToBox(window, "Find_LCM", closer), "ms",
             10);

    printRow("process start to window shown",
             childRuns(QStringLiteral("--probe-startup"),
                       [](QProcess &child, QElapsedTimer &clock) {
                           expect(child.waitForReadyRead(10000), "startup probe");
                           return static_cast<double>(clock.nsecsElapsed()) / 1e6;
                       }),
             "ms", 150);

    printRow("peak memory after listing 20020 primes",
             childRuns(QStringLiteral("--probe-memory"),
                       [](QProcess &child, QElapsedTimer &) {
                           child.waitForFinished(10000);
                           return child.readAllStandardOutput().trimmed().toDouble() / 1024.0;
                       }),
             "MiB", 60);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Keep the table readable: the offscreen platform warns about every fixed-size box.
    if (!qEnvironmentVariableIsSet("QT_LOGGING_RULES"))
        qputenv("QT_LOGGING_RULES", "default.warning=false");
    DesktopSetup::prepareEnvironment();
    QApplication app(argc, argv);
    DesktopSetup::prepareApplication();

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.contains(QStringLiteral("--probe-startup")))
        return probeStartup();
    if (arguments.contains(QStringLiteral("--probe-memory")))
        return probeMemory();
    return benchmark();
}
