#include "CommandLine.h"

#include "AppNames.h"

#include <QCommandLineOption>
#include <QStringList>

#include <array>
#include <cstdio>

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

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

CommandLine::CommandLine(int argc, char *argv[])
{
    parser.setApplicationDescription(QStringLiteral(
        "Factorization, HCF & LCM of Numbers: a calculator for school arithmetic on whole\n"
        "numbers. Its window factorizes the first of the numbers typed, finds their HCF\n"
        "and their LCM with the division ladder, and lists the primes between two bounds.\n"
        "Started without options, it opens the window. Qt's own window options, such as\n"
        "-platform and -style, are taken too (see the manual page hcflcm(1))."));
    // Qt's options are single-dash words, so -abc is one option, not -a -b -c.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Shows this help and exits.")));
    parser.addOption(QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                                        QStringLiteral("Shows the version and exits.")));
    for (const QtOption &qtOption : QtWindowOptions) {
        QCommandLineOption option(QString::fromLatin1(qtOption.name));
        if (qtOption.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!parser.parse(arguments))
        mistake = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        mistake = QStringLiteral("Unexpected argument '%1': the program takes no file or number.")
                      .arg(parser.positionalArguments().constFirst());
}

bool CommandLine::opensWindow() const
{
    return mistake.isEmpty() && !parser.isSet(QStringLiteral("help")) && !parser.isSet(QStringLiteral("version"));
}

int CommandLine::answer()
{
    const QString program = QString::fromLatin1(AppNames::Program);
    if (!mistake.isEmpty()) {
        print(stderr, QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(program, mistake));
        return UsageError;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        print(stdout, QStringLiteral("%1 %2\n").arg(program, QStringLiteral(HCFLCM_VERSION)));
        return 0;
    }
    print(stdout, parser.helpText());
    return 0;
}
