#include "CommandLine.h"

#include "AppNames.h"
#include "Language.h"

#include <QCommandLineOption>
#include <QCoreApplication>
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
    static const QRegularExpression digits(QStringLiteral("\\A[0-9]{1,20}\\z"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qulonglong seed = text.toULongLong(&ok);
    return ok ? std::optional<std::uint64_t>(seed) : std::nullopt;
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
                                    "With --practice: starts the questions from the seed <number>, a whole "
                                    "number from 0 to %1; the same seed gives the same questions.")
            .arg(std::numeric_limits<std::uint64_t>::max()),
        QCoreApplication::translate("CommandLine", "number")));
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
        if (!parser.isSet(QStringLiteral("practice")))
            return QCoreApplication::translate("CommandLine", "The option --seed needs --practice.");
        if (!seedOf(parser.value(QStringLiteral("seed")))) {
            //: %1: the seed as typed; %2: the largest seed
            return QCoreApplication::translate("CommandLine",
                                               "Invalid seed '%1': give a whole number from 0 to %2.")
                .arg(parser.value(QStringLiteral("seed")))
                .arg(std::numeric_limits<std::uint64_t>::max());
        }
    }
    return {};
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
    return mistake_.isEmpty() && !parser_.isSet(QStringLiteral("help")) && !parser_.isSet(QStringLiteral("version"));
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
