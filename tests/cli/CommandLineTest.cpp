// The program's options, run as a user runs them: with no display, no
// platform chosen and no window. A program that tried to open its window here
// would fail to reach a display (or hang), so a clean exit proves it did not.

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

// No display, and English unless a setting chooses another language.
QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    return environment;
}

// Runs the program as env(1) would: leading NAME=value arguments are settings.
void start(QProcess &process, QStringList arguments)
{
    QProcessEnvironment environment = withoutDisplay();
    while (!arguments.isEmpty() && arguments.constFirst().contains(QRegularExpression(QStringLiteral("^\\w+=")))) {
        const QString setting = arguments.takeFirst();
        environment.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    }
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(HCFLCM_PROGRAM), arguments);
    QVERIFY2(process.waitForStarted(), qPrintable(process.errorString()));
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void answersWithoutWindow_data()
    {
        // What standard output and standard error must match; an empty
        // pattern means the stream stays empty.
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString version = QStringLiteral("\\Ahcflcm ") + QRegularExpression::escape(QStringLiteral(HCFLCM_VERSION))
            + QStringLiteral("\n\\z");
        const QString usage = QStringLiteral("\\AUsage: \\S*hcflcm \\[options\\]\n(.|\n)*--help(.|\n)*--version");
        const QString tryHelp = QStringLiteral("\nTry 'hcflcm --help' for more information.\n\\z");

        QTest::newRow("--version prints the name and version") << QStringList{"--version"} << 0 << version << QString();
        QTest::newRow("-v is --version") << QStringList{"-v"} << 0 << version << QString();
        QTest::newRow("--help prints the usage") << QStringList{"--help"} << 0 << usage << QString();
        QTest::newRow("-h is --help") << QStringList{"-h"} << 0 << usage << QString();
        QTest::newRow("--help wins over a window option")
            << QStringList{"-platform", "xcb", "--help"} << 0 << usage << QString();
        QTest::newRow("unknown option is refused")
            << QStringList{"--frobnicate"} << 2 << QString()
            << QStringLiteral("\\Ahcflcm: Unknown option 'frobnicate'\\.") + tryHelp;
        QTest::newRow("single-dash word is one option, not -h -v")
            << QStringList{"-hv"} << 2 << QString() << QStringLiteral("\\Ahcflcm: Unknown option 'hv'\\.") + tryHelp;
        QTest::newRow("a number is not an argument")
            << QStringList{"12"} << 2 << QString() << QStringLiteral("\\Ahcflcm: Unexpected argument '12'");
        QTest::newRow("window option without its value")
            << QStringList{"-platform"} << 2 << QString()
            << QStringLiteral("\\Ahcflcm: Missing value after '-platform'\\.") + tryHelp;
        const QString codes = QStringLiteral("en_GB, en_US, fr, de, es, it, pt_BR, nl, pl, ru, tr");
        const QString wrappedCodes = QString(codes).replace(QStringLiteral(" "), QStringLiteral("\\s+"));
        QTest::newRow("--help lists the languages") << QStringList{"--help"} << 0
            << QStringLiteral("--language <code>(.|\\n)*") + wrappedCodes << QString();
        QTest::newRow("unknown language is refused with the list")
            << QStringList{"--language", "pt"} << 2 << QString()
            << QStringLiteral("\\Ahcflcm: Unknown language 'pt'\\. The languages are: %1\\.").arg(codes) + tryHelp;
        QTest::newRow("--help lists --practice and --seed")
            << QStringList{"--help"} << 0 << QStringLiteral("--practice(.|\n)*--seed <number>") << QString();
        QTest::newRow("--seed without --practice is refused")
            << QStringList{"--seed", "5"} << 2 << QString()
            << QStringLiteral("\\Ahcflcm: The option --seed needs --practice\\.") + tryHelp;
        const QString badSeed = QStringLiteral("\\Ahcflcm: Invalid seed '%1': give a whole number from 0 to "
                                               "18446744073709551615\\.") + tryHelp;
        for (const char *seed : {"abc", "-1", "18446744073709551616", "1e3", "", " 5", "０"})
            QTest::addRow("seed '%s' is refused", seed)
                << QStringList{"--practice", "--seed", seed} << 2 << QString() << badSeed.arg(QRegularExpression::escape(seed));
        QTest::newRow("--seed needs its value")
            << QStringList{"--practice", "--seed"} << 2 << QString()
            << QStringLiteral("\\Ahcflcm: Missing value after '--seed'\\.") + tryHelp;
        const QString none;
        QTest::newRow("first of LANGUAGE spoken, by its language")
            << QStringList{"LANGUAGE=ja:pt_PT", "LC_ALL=ru_RU.UTF-8", "-h"} << 0 << QStringLiteral("MDC e MMC") << none;
        QTest::newRow("American English") << QStringList{"LANG=en_US.UTF-8", "-h"} << 0 << QStringLiteral("GCF") << none;
        QTest::newRow("pt-BR is pt_BR") << QStringList{"--language=pt-BR", "-h"} << 0 << QStringLiteral("MDC") << none;
        QTest::newRow("--language over the system's")
            << QStringList{"LANGUAGE=de", "--language", "it", "-h"} << 0 << QStringLiteral("MCD e mcm") << none;
    }

    void answersWithoutWindow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);

        QProcess process;
        start(process, arguments);
        QVERIFY2(process.waitForFinished(30000), "the program did not end: did it open a window?");
        const QString stdOut = QString::fromLocal8Bit(process.readAllStandardOutput());
        const QString stdErr = QString::fromLocal8Bit(process.readAllStandardError());
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), exitCode);
        QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : QRegularExpression(out).match(stdOut).hasMatch(), qPrintable(stdOut));
        QVERIFY2(err.isEmpty() ? stdErr.isEmpty() : QRegularExpression(err).match(stdErr).hasMatch(), qPrintable(stdErr));
    }

    // Qt's own window options are not refused as unknown: with -platform
    // offscreen the window opens and the program keeps running, with the
    // practice options too.
    void passesQtWindowOptionsOn_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("the window alone") << QStringList{};
        QTest::newRow("--practice") << QStringList{"--practice"};
        QTest::newRow("--practice --seed, the largest seed") << QStringList{"--practice", "--seed", "18446744073709551615"};
        QTest::newRow("--seed=0 before --practice") << QStringList{"--seed=0", "--practice"};
    }

    void passesQtWindowOptionsOn()
    {
        QFETCH(QStringList, options);
        QProcess process;
        start(process, QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen")} + options);
        QVERIFY2(!process.waitForFinished(1500),
                 qPrintable(QString::fromLocal8Bit(process.readAllStandardError())));
        process.kill();
        process.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
