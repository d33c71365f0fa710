// Times the real program writing a worksheet from the command line, from
// process start to its end: the median and the worst of several runs, beside
// the goals (60 questions as PDF: 1.0 s with the key's pictures, 0.5 s without).

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Runs = 7;

struct Case {
    const char *name;
    QStringList arguments; // after --worksheet FILE
    const char *extension;
    double goalMs;
};

// Milliseconds from start to exit of each run, sorted; empty when a run failed.
std::vector<double> timeRuns(const QString &file, const QStringList &arguments)
{
    std::vector<double> times;
    for (int i = 0; i < Runs; ++i) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        program.setProcessEnvironment(environment);
        QElapsedTimer clock;
        clock.start();
        program.start(QStringLiteral(HCFLCM_PROGRAM), QStringList{QStringLiteral("--worksheet"), file} + arguments);
        if (!program.waitForFinished(30000) || program.exitCode() != 0)
            return {};
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times;
}

} // namespace

int main(int argc, char *argv[])
{
    const QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const std::vector<Case> cases{
        {"60 questions, PDF, pictures in the key", {"--count", "60", "--seed", "4711"}, "pdf", 1000},
        {"60 questions, PDF, no pictures", {"--count", "60", "--seed", "4711", "--no-key-pictures"}, "pdf", 500},
        {"60 questions, level 3, PDF, pictures in the key", {"--count", "60", "--level", "3", "--seed", "4711"}, "pdf", 1000},
        {"60 questions, ODF text, pictures in the key", {"--count", "60", "--seed", "4711"}, "odt", 1000},
        {"60 questions, plain text", {"--count", "60", "--seed", "4711"}, "txt", 500},
    };
    std::printf("%-50s %9s %9s   (ms, %d runs from process start to its end)\n", "worksheet written", "median", "worst", Runs);
    int missed = 0;
    for (const Case &c : cases) {
        const std::vector<double> times = timeRuns(folder.filePath(QStringLiteral("sheet.") + QLatin1String(c.extension)), c.arguments);
        if (times.empty()) {
            std::printf("%-50s failed\n", c.name);
            ++missed;
            continue;
        }
        const double median = times[times.size() / 2];
        std::printf("%-50s %9.1f %9.1f   goal <= %g ms: %s\n", c.name, median, times.back(), c.goalMs,
                    median <= c.goalMs ? "met" : "MISSED");
        missed += median <= c.goalMs ? 0 : 1;
    }
    return missed == 0 ? 0 : 1;
}
