#pragma once

#include <QCommandLineParser>
#include <QString>

// The program's options, read before any application object exists, so that
// --help, --version and a mistyped option are answered without a display and
// without a window. Qt's own window options (-platform, -style, -session, ...)
// are let through for QApplication to take.
class CommandLine {
public:
    // Exit status of a mistake in the arguments.
    static constexpr int UsageError = 2;

    // Reads argv (the program's name first); needs no application object.
    CommandLine(int argc, char *argv[]);

    // True when the arguments ask for the window: no option of ours and no mistake.
    bool opensWindow() const;
    // Prints the help or the version on standard output, or the mistake on
    // standard error, and gives the exit status: 0, or UsageError for a mistake.
    // Call with a QCoreApplication alive, which names the program in the usage line.
    int answer();

private:
    QCommandLineParser parser;
    QString mistake;
};
