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

// No display, and English unless settings (NAME=value) choose another language.
QProcessEnvironment withoutDisplay(const QStringList &settings = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    for (const QString &setting : settings)
        environment.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    return environment;
}

void start(QProcess &process, const QStringList &arguments, const QStringList &settings = {})
{
    process.setProcessEnvironment(withoutDisplay(settings));
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
        QTest::newRow("--help lists the languages") << QStringList{"--help"} << 0
            << QStringLiteral("--language <code>(.|\\n)*") + QString(codes).replace(QStringLiteral(" "), QStringLiteral("\\s+")) << QString();
        QTest::newRow("--language speaks it") << QStringList{"--language", "fr", "--help"} << 0
            << QStringLiteral("\\AUtilisation : (.|\n)*PGCD et PPCM") << QString();
        QTest::newRow("a hyphen stands for the underscore") << QStringList{"--language=pt-BR", "--help"} << 0
            << QStringLiteral("MDC e MMC") << QString();
        QTest::newRow("unknown language is refused with the list")
            << QStringList{"--language", "pt"} << 2 << QString()
            << QStringLiteral("\\Ahcflcm: Unknown language 'pt'\\. The languages are: ") + codes + QStringLiteral("\\.") + tryHelp;
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

    // The language comes from the environment as the system's locale settings
    // rank it, unless --language names one; the help shows the one spoken.
    void followsTheSystemLanguage_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("spoken");
        const QStringList help{"--help"};
        QTest::newRow("LANG") << QStringList{"LANG=de_DE.UTF-8"} << help << "ggT und kgV";
        QTest::newRow("LC_MESSAGES over LANG") << QStringList{"LC_MESSAGES=es_ES.UTF-8", "LANG=de_DE.UTF-8"} << help << "MCD y mcm";
        QTest::newRow("LC_ALL over LC_MESSAGES") << QStringList{"LC_ALL=ru_RU.UTF-8", "LC_MESSAGES=es_ES.UTF-8"} << help << "НОД и НОК";
        QTest::newRow("LANGUAGE over LC_ALL") << QStringList{"LANGUAGE=nl", "LC_ALL=ru_RU.UTF-8"} << help << "GGD en KGV";
        QTest::newRow("first of LANGUAGE spoken") << QStringList{"LANGUAGE=ja:tr:pl"} << help << "EBOB ve EKOK";
        QTest::newRow("same language elsewhere") << QStringList{"LANG=fr_CA.UTF-8"} << help << "PGCD et PPCM";
        QTest::newRow("Portuguese of Portugal") << QStringList{"LANG=pt_PT.UTF-8"} << help << "MDC e MMC";
        QTest::newRow("American English") << QStringList{"LANG=en_US.UTF-8"} << help << "GCF & LCM";
        QTest::newRow("other English is British") << QStringList{"LANG=en_AU.UTF-8"} << help << "HCF & LCM";
        QTest::newRow("unspoken language is English") << QStringList{"LANG=ja_JP.UTF-8"} << help << "HCF & LCM";
        QTest::newRow("--language over LANGUAGE") << QStringList{"LANGUAGE=de"} << QStringList{"--language", "it", "--help"} << "MCD e mcm";
    }

    void followsTheSystemLanguage()
    {
        QFETCH(QStringList, settings);
        QFETCH(QStringList, arguments);
        QFETCH(QString, spoken);
        QProcess process;
        start(process, arguments, settings);
        QVERIFY(process.waitForFinished(30000));
        const QString stdOut = QString::fromUtf8(process.readAllStandardOutput());
        QVERIFY2(stdOut.contains(spoken), qPrintable(stdOut));
    }

    // Qt's own window options are not refused as unknown: with -platform
    // offscreen the window opens and the program keeps running.
    void passesQtWindowOptionsOn()
    {
        QProcess process;
        start(process, {QStringLiteral("-platform"), QStringLiteral("offscreen")});
        QVERIFY2(!process.waitForFinished(1500),
                 qPrintable(QString::fromLocal8Bit(process.readAllStandardError())));
        process.kill();
        process.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
