// The program's options, run as a user runs them: with no display, no
// platform chosen and no window. A program that tried to open its window here
// would fail to reach a display (or hang), so a clean exit proves it did not.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
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

// Runs the program to its end; its exit code, standard output and error.
Run run(const QStringList &arguments)
{
    QProcess process;
    start(process, arguments);
    Run result;
    if (!process.waitForFinished(30000))
        return result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    // Qt's warning of a missing XDG_RUNTIME_DIR (a test machine's) is not the program's.
    result.err = QString::fromUtf8(process.readAllStandardError())
                     .remove(QRegularExpression(QStringLiteral("^QStandardPaths: .*\n"), QRegularExpression::MultilineOption));
    return result;
}

// The standard output of a tool reading a written file back (pdftotext, pdfinfo, unzip).
QString readBack(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A written file's bytes, read anew (a file is replaced whole when written).
QByteArray contents(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString pdfPage(const QString &file, int page)
{
    const QString number = QString::number(page);
    return readBack(QStringLiteral("pdftotext"), {"-f", number, "-l", number, file, "-"});
}

// The numbers that start lines as "12." in text, in order.
QList<int> numbering(const QString &text)
{
    QList<int> numbers;
    static const QRegularExpression numbered(QStringLiteral("^\\s*(\\d+)\\.\\s"), QRegularExpression::MultilineOption);
    for (auto match = numbered.globalMatch(text); match.hasNext();)
        numbers << match.next().captured(1).toInt();
    return numbers;
}

QList<int> oneTo(int count)
{
    QList<int> numbers;
    for (int i = 1; i <= count; ++i)
        numbers << i;
    return numbers;
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
        const QString codes = QStringLiteral("en_GB, en_US, fr, de, es, it, pt_BR, nl, pl, ru, tr, hi, bn, ar, fa, zh_CN, ja, ko, id, vi, el");
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
            << QStringLiteral("\\Ahcflcm: The option --seed needs --practice or --worksheet\\.") + tryHelp;
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
            << QStringList{"LANGUAGE=sv:pt_PT", "LC_ALL=ru_RU.UTF-8", "-h"} << 0 << QStringLiteral("MDC e MMC") << none;
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

    // Every refusal of a worksheet's options: a message on standard error,
    // exit status 2, nothing written and nothing left behind.
    void refusesWorksheets_data()
    {
        QTest::addColumn<QStringList>("arguments"); // %1 stands for a file in an empty folder
        QTest::addColumn<QString>("err");
        const QString sheet = QStringLiteral("%1/sheet.pdf");
        const auto row = [&](const char *name, QStringList arguments, const QString &err) {
            QTest::newRow(name) << arguments << QStringLiteral("\\Ahcflcm: ") + err;
        };
        row("unknown kind", {"--worksheet", sheet, "--kinds", "factors,gcd"}, "Unknown kinds 'factors,gcd'");
        row("level 0", {"--worksheet", sheet, "--level", "0"}, "Invalid level '0': give a whole number from 1 to 3\\.");
        row("level 4", {"--worksheet", sheet, "--level", "4"}, "Invalid level '4'");
        row("count 0", {"--worksheet", sheet, "--count", "0"}, "Invalid number of questions '0': give a whole number from 1 to 60\\.");
        row("count 61", {"--worksheet", sheet, "--count", "61"}, "Invalid number of questions '61'");
        row("negative seed", {"--worksheet", sheet, "--seed", "-1"}, "Invalid seed '-1'");
        row("seed past 2^64-1", {"--worksheet", sheet, "--seed", "18446744073709551616"}, "Invalid seed");
        row("an extension other than the three", {"--worksheet", "%1/sheet.doc"},
            "Cannot write '.*/sheet\\.doc': the name must end in \\.pdf, \\.odt or \\.txt\\.");
        row("a folder that does not exist", {"--worksheet", "%1/missing/sheet.txt"},
            "Cannot write '.*/missing/sheet\\.txt': \\S");
        row("--level needs --worksheet", {"--level", "2"}, "The option --level needs --worksheet\\.");
        row("--no-key-pictures needs --worksheet", {"--no-key-pictures"}, "The option --no-key-pictures needs --worksheet\\.");
        row("--practice with --worksheet", {"--practice", "--worksheet", sheet}, "The options --practice and --worksheet");
    }

    void refusesWorksheets()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, err);
        QTemporaryDir folder;
        for (QString &argument : arguments)
            argument.replace(QStringLiteral("%1"), folder.path());
        const Run result = run(arguments);
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.out.isEmpty(), qPrintable(result.out));
        QVERIFY2(QRegularExpression(err).match(result.err).hasMatch(), qPrintable(result.err));
        QVERIFY2(QDir(folder.path()).isEmpty(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden), "a file was left behind");
    }

    // The plain text: its announcement, the questions numbered, a line
    // "Answers", the key numbered as the questions, a line feed at the end;
    // the same again from the same seed, another sheet from another.
    void writesPlainText()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("sheet.txt"));
        const QStringList options{"--worksheet", file, "--level", "2", "--count", "12"};
        const Run result = run(options + QStringList{"--seed", "4711"});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, QStringLiteral("Wrote %1: 12 questions, level 2, seed 4711.\n").arg(file));
        const QByteArray bytes = contents(file);
        QVERIFY(bytes.endsWith("\n") && !bytes.endsWith("\n\n"));
        const QString text = QString::fromUtf8(bytes);
        QCOMPARE(text.count(QRegularExpression(QStringLiteral("^Answers$"), QRegularExpression::MultilineOption)), 1);
        const qsizetype answers = text.indexOf(QStringLiteral("\nAnswers\n"));
        QCOMPARE(numbering(text.left(answers)), oneTo(12));
        QCOMPARE(numbering(text.mid(answers)), oneTo(12));
        QVERIFY2(text.contains(QStringLiteral("Level 2 \u00B7 seed 4711")), qPrintable(text));

        QCOMPARE(run(options + QStringList{"--seed", "4711"}).exitCode, 0);
        QCOMPARE(contents(file), bytes);
        QCOMPARE(run(options + QStringList{"--seed", "4712"}).exitCode, 0);
        const QString other = QString::fromUtf8(contents(file));
        QVERIFY(other.section(QStringLiteral("\n"), 6, 30) != text.section(QStringLiteral("\n"), 6, 30));
    }

    // The PDF: the paper of the language, the questions numbered through, the
    // key from a page of its own, and every page's footer numbering the pages.
    void writesPdf_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("paper");
        QTest::newRow("60 questions with pictures, A4") << QStringList{"--count", "60"} << QStringLiteral("A4");
        QTest::newRow("level 3 without pictures, Letter in en_US")
            << QStringList{"--level", "3", "--no-key-pictures", "--language", "en_US"} << QStringLiteral("Letter");
        QTest::newRow("one kind, one question") << QStringList{"--kinds", "prime", "--count", "1"} << QStringLiteral("A4");
    }

    void writesPdf()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, paper);
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("sheet.pdf"));
        const Run result = run(QStringList{"--worksheet", file, "--seed", "4711"} + options);
        QCOMPARE(result.exitCode, 0);
        const QString info = readBack(QStringLiteral("pdfinfo"), {file});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size:.*\\(%1\\)").arg(paper),
                                                  QRegularExpression::CaseInsensitiveOption)),
                 qPrintable(info));
        const int pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
        const int count = QRegularExpression(QStringLiteral(": (\\d+) question")).match(result.out).captured(1).toInt();
        QString questions;
        QString key;
        for (int page = 1; page <= pages; ++page) {
            const QString text = pdfPage(file, page);
            const QRegularExpression footer(QStringLiteral("^Level \\d \u00B7 seed 4711 \u00B7 page %1 of %2$").arg(page).arg(pages),
                                            QRegularExpression::MultilineOption);
            QVERIFY2(text.contains(footer), qPrintable(text));
            if (!key.isEmpty() || text.trimmed().startsWith(QStringLiteral("Answers")))
                key += text;
            else
                questions += text;
        }
        QVERIFY2(!key.contains(QRegularExpression(QStringLiteral("Write|Find|Is \\d"))), "a question on a key page");
        QCOMPARE(numbering(key).size(), count);
        QList<int> numbers = numbering(questions);
        std::sort(numbers.begin(), numbers.end()); // read column by column
        QCOMPARE(numbers, oneTo(count));
    }

    // The ODF text: the questions, the key from a new page, its exponents
    // raised, and a picture beside every answer that has one.
    void writesOdt()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("sheet.odt"));
        QCOMPARE(run({"--worksheet", file, "--kinds", "factors,prime", "--count", "6", "--seed", "1"}).exitCode, 0);
        const QString content = readBack(QStringLiteral("unzip"), {"-p", file, "content.xml"});
        QCOMPARE(content.count(QStringLiteral("as a product of prime factors.")), 3);
        QVERIFY(content.contains(QStringLiteral(">Answers<")));
        QVERIFY(content.contains(QStringLiteral("fo:break-before=\"page\"")));
        QVERIFY(content.contains(QStringLiteral("style:text-position=\"super")));
        QCOMPARE(content.count(QStringLiteral("<draw:frame")), 3);
    }

    // A German sheet names the HCF and the LCM as German schools do.
    void writesGermanSheet()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("blatt.txt"));
        QCOMPARE(run({"--worksheet", file, "--kinds", "hcf,lcm", "--count", "4", "--language", "de"}).exitCode, 0);
        const QString text = QString::fromUtf8(contents(file));
        QVERIFY2(text.contains(QStringLiteral("ggT = ")) && text.contains(QStringLiteral("kgV = ")), qPrintable(text));
        QVERIFY2(!text.contains(QStringLiteral("HCF")) && !text.contains(QStringLiteral("LCM")), qPrintable(text));
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
