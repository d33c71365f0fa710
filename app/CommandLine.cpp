#include "CommandLine.h"

#include "AppNames.h"
#include "Language.h"
#include "Worksheet.h"
#include "WorksheetDocument.h"

#include <QCommandLineOption>
#include <QCoreApplication>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringList>

#include <array>
#include <cstdio>
#include <limits>

namespace {

// The options QGuiApplication and QApplication take from the command line
// (see their constructors' documentation). Accepted here unchanged, so that a
// session manager's "-session" or a user's "-platform xcb" keeps working.
struct QtOption {
    const char *name;
    bool takesValue;
};
constexpr std::array<QtOption, 16> QtWindowOptions{{
    {"platform", true}, {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true}, {"qmljsdebugger", true}, {"qwindowgeometry", true},
    {"qwindowicon", true}, {"qwindowtitle", true}, {"session", true},
    {"display", true}, {"geometry", true}, {"style", true},
    {"stylesheet", true}, {"reverse", false}, {"widgetcount", false},
    {"nograb", false},
}};

// The seed written as plain decimal digits, 0 to 2^64-1; none for anything else.
std::optional<std::uint64_t> seedOf(const QString &text)
{
    return numbers::Worksheet::readSeed(text.toStdString());
}

// The options of a worksheet, each needing --worksheet.
constexpr std::array<const char *, 4> WorksheetOnly{"kinds", "level", "count", "no-key-pictures"};

// The mistake in the worksheet's options, in the installed language, or empty.
QString worksheetMistake(const QCommandLineParser &parser)
{
    const QString worksheet = QStringLiteral("worksheet");
    for (const char *name : WorksheetOnly) {
        if (parser.isSet(QLatin1String(name)) && !parser.isSet(worksheet))
            //: %1: an option of the worksheet, such as --level
            return QCoreApplication::translate("CommandLine", "The option --%1 needs --worksheet.")
                .arg(QLatin1String(name));
    }
    if (!parser.isSet(worksheet))
        return {};
    if (parser.isSet(QStringLiteral("practice")))
        return QCoreApplication::translate("CommandLine", "The options --practice and --worksheet cannot be used together.");
    const QString file = parser.value(worksheet);
    if (!WorksheetFile::isKnownKind(file))
        //: %1: the file name as typed
        return QCoreApplication::translate("CommandLine", "Cannot write '%1': the name must end in .pdf, .odt or .txt.")
            .arg(file);
    const QString kinds = parser.value(QStringLiteral("kinds"));
    if (parser.isSet(QStringLiteral("kinds")) && !numbers::Worksheet::readKinds(kinds.toStdString()))
        //: %1: the kinds as typed; the kinds' names stay in English
        return QCoreApplication::translate("CommandLine", "Unknown kinds '%1': give one or more of factors, hcf, lcm, prime, joined by commas.")
            .arg(kinds);
    const QString level = parser.value(QStringLiteral("level"));
    if (parser.isSet(QStringLiteral("level")) && !numbers::Worksheet::readLevel(level.toStdString()))
        //: %1: the level as typed; %2 and %3: the lowest and highest levels
        return QCoreApplication::translate("CommandLine", "Invalid level '%1': give a whole number from %2 to %3.")
            .arg(level)
            .arg(numbers::Practice::LowestLevel)
            .arg(numbers::Practice::HighestLevel);
    const QString count = parser.value(QStringLiteral("count"));
    if (parser.isSet(QStringLiteral("count")) && !numbers::Worksheet::readCount(count.toStdString()))
        //: %1: the number of questions as typed; %2 and %3: the fewest and most
        return QCoreApplication::translate("CommandLine", "Invalid number of questions '%1': give a whole number from %2 to %3.")
            .arg(count)
            .arg(numbers::Worksheet::FewestQuestions)
            .arg(numbers::Worksheet::MostQuestions);
    return {};
}

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// Declares the options in parser, with their help texts in the installed
// language, and reads arguments with it: the mistake, in that language, or
// empty when there is none.
QString read(QCommandLineParser &parser, const QStringList &arguments)
{
    parser.setApplicationDescription(QCoreApplication::translate("CommandLine",
        "Factorization, HCF & LCM of Numbers: a calculator for school arithmetic on whole\n"
        "numbers. Its window factorizes the first of the numbers typed, finds their HCF\n"
        "and their LCM with the division ladder, and lists the primes between two bounds.\n"
        "Started without options, it opens the window. Qt's own window options, such as\n"
        "-platform and -style, are taken too (see the manual page hcflcm(1))."));
    // Qt's options are single-dash words, so -abc is one option, not -a -b -c.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QCoreApplication::translate("CommandLine", "Shows this help and exits.")));
    parser.addOption(QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                                        QCoreApplication::translate("CommandLine", "Shows the version and exits.")));
    const QString languages = Language::codes().join(QStringLiteral(", "));
    parser.addOption(QCommandLineOption(
        QStringLiteral("language"),
        QCoreApplication::translate("CommandLine",
                                    "Speaks the language <code> instead of the system's: %1 "
                                    "(a hyphen may stand for the underscore, as in pt-BR).")
            .arg(languages),
        QCoreApplication::translate("CommandLine", "code")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("practice"),
        QCoreApplication::translate("CommandLine",
                                    "Opens the Practice window over the main window: questions on prime "
                                    "factors, the HCF, the LCM and primes, with hints from the working.")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("seed"),
        //: %1: the largest seed
        QCoreApplication::translate("CommandLine",
                                    "With --practice or --worksheet: starts the questions from the seed "
                                    "<number>, a whole number from 0 to %1; the same seed gives the same "
                                    "questions.")
            .arg(std::numeric_limits<std::uint64_t>::max()),
        QCoreApplication::translate("CommandLine", "number")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("worksheet"),
        QCoreApplication::translate("CommandLine",
                                    "Writes a worksheet of questions with its answer key to <file>, without a "
                                    "window: a PDF document (.pdf), an ODF text document (.odt) or plain "
                                    "text (.txt)."),
        QCoreApplication::translate("CommandLine", "file")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("kinds"),
        QCoreApplication::translate("CommandLine",
                                    "With --worksheet: the kinds of question, drawn in turn, from factors, hcf, "
                                    "lcm and prime, joined by commas (all four unless given)."),
        QCoreApplication::translate("CommandLine", "list")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("level"),
        QCoreApplication::translate("CommandLine", "With --worksheet: the level of the questions, 1 to 3 (1 unless given)."),
        QCoreApplication::translate("CommandLine", "number")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("count"),
        QCoreApplication::translate("CommandLine",
                                    "With --worksheet: the number of questions, 1 to 60 (20 unless given)."),
        QCoreApplication::translate("CommandLine", "number")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("no-key-pictures"),
        QCoreApplication::translate("CommandLine",
                                    "With --worksheet: no factor trees or Venn diagrams beside the answers.")));
    for (const QtOption &qtOption : QtWindowOptions) {
        QCommandLineOption option(QString::fromLatin1(qtOption.name));
        if (qtOption.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments))
        return parser.errorText();
    if (!parser.positionalArguments().isEmpty()) {
        return QCoreApplication::translate("CommandLine",
                                           "Unexpected argument '%1': the program takes no file or number.")
            .arg(parser.positionalArguments().constFirst());
    }
    const QString language = parser.value(QStringLiteral("language"));
    if (parser.isSet(QStringLiteral("language")) && Language::fromOption(language).isEmpty()) {
        return QCoreApplication::translate("CommandLine", "Unknown language '%1'. The languages are: %2.")
            .arg(language, languages);
    }
    if (parser.isSet(QStringLiteral("seed"))) {
        if (!parser.isSet(QStringLiteral("practice")) && !parser.isSet(QStringLiteral("worksheet")))
            return QCoreApplication::translate("CommandLine", "The option --seed needs --practice or --worksheet.");
        if (!seedOf(parser.value(QStringLiteral("seed")))) {
            //: %1: the seed as typed; %2: the largest seed
            return QCoreApplication::translate("CommandLine",
                                               "Invalid seed '%1': give a whole number from 0 to %2.")
                .arg(parser.value(QStringLiteral("seed")))
                .arg(std::numeric_limits<std::uint64_t>::max());
        }
    }
    return worksheetMistake(parser);
}

} // namespace

CommandLine::CommandLine(int argc, char *argv[])
{
    for (int i = 0; i < argc; ++i)
        arguments_ << QString::fromLocal8Bit(argv[i]);
    mistake_ = read(parser_, arguments_);
}

bool CommandLine::opensWindow() const
{
    return mistake_.isEmpty() && !parser_.isSet(QStringLiteral("help")) && !parser_.isSet(QStringLiteral("version"))
        && !writesWorksheet();
}

bool CommandLine::writesWorksheet() const
{
    return mistake_.isEmpty() && !parser_.isSet(QStringLiteral("help")) && !parser_.isSet(QStringLiteral("version"))
        && parser_.isSet(QStringLiteral("worksheet"));
}

numbers::WorksheetOptions CommandLine::worksheetOptions() const
{
    numbers::WorksheetOptions options;
    const auto value = [this](const char *name) { return parser_.value(QLatin1String(name)).toStdString(); };
    options.kinds = numbers::Worksheet::readKinds(value("kinds")).value_or(options.kinds);
    options.level = numbers::Worksheet::readLevel(value("level")).value_or(options.level);
    options.count = numbers::Worksheet::readCount(value("count")).value_or(options.count);
    options.seed = seed().value_or(QRandomGenerator::system()->generate64());
    options.picturesInKey = !parser_.isSet(QStringLiteral("no-key-pictures"));
    return options;
}

int CommandLine::writeWorksheet() const
{
    const numbers::WorksheetOptions options = worksheetOptions();
    const QString file = parser_.value(QStringLiteral("worksheet"));
    const QString reason = WorksheetFile::write(file, WorksheetDocument::make(options, language()));
    const QString program = QString::fromLatin1(AppNames::Program);
    if (!reason.isEmpty()) {
        //: %1: the program; %2: the file name; %3: why it could not be written
        print(stderr, QCoreApplication::translate("CommandLine", "%1: Cannot write '%2': %3\n").arg(program, file, reason));
        return UsageError;
    }
    const QString seed = QString::number(options.seed);
    // English has its own text for one question; other languages take their plural forms from %n.
    const QString wrote = options.count == 1
        //: %1: the file; %2: the level; %3: the seed
        ? QCoreApplication::translate("CommandLine", "Wrote %1: 1 question, level %2, seed %3.\n", nullptr, 1)
        //: %1: the file; %n: the number of questions; %2: the level; %3: the seed
        : QCoreApplication::translate("CommandLine", "Wrote %1: %n questions, level %2, seed %3.\n", nullptr, options.count);
    print(stdout, wrote.arg(file).arg(options.level).arg(seed));
    return 0;
}

bool CommandLine::practice() const
{
    return parser_.isSet(QStringLiteral("practice"));
}

std::optional<std::uint64_t> CommandLine::seed() const
{
    return seedOf(parser_.value(QStringLiteral("seed")));
}

QString CommandLine::language() const
{
    const QString chosen = Language::fromOption(parser_.value(QStringLiteral("language")));
    return chosen.isEmpty() ? Language::fromSystem() : chosen;
}

int CommandLine::answer() const
{
    // Read again now that the translation is installed: the texts read
    // before it were in English.
    QCommandLineParser parser;
    const QString mistake = read(parser, arguments_);
    const QString program = QString::fromLatin1(AppNames::Program);
    if (!mistake.isEmpty()) {
        print(stderr, QCoreApplication::translate("CommandLine", "%1: %2\nTry '%1 --help' for more information.\n")
                          .arg(program, mistake));
        return UsageError;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        print(stdout, QStringLiteral("%1 %2\n").arg(program, QStringLiteral(HCFLCM_VERSION)));
        return 0;
    }
    print(stdout, parser.helpText());
    return 0;
}
