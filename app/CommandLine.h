#pragma once

#include "Worksheet.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

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

    // True when the arguments ask for the window: no option of ours but
    // --language, --practice and --seed, and no mistake.
    bool opensWindow() const;
    // True when --practice asks for the Practice window over the main window.
    bool practice() const;
    // The seed --seed gives the questions; none when it is not given.
    std::optional<std::uint64_t> seed() const;
    // True when --worksheet asks for a worksheet written to a file, with no window.
    bool writesWorksheet() const;
    // The worksheet's options as given, the others as their defaults (a new
    // seed when none is given).
    numbers::WorksheetOptions worksheetOptions() const;
    // Writes the worksheet to the file --worksheet names, says so on standard
    // output ("Wrote sheet.pdf: 20 questions, level 2, seed 4711.") and gives
    // 0; or says why not on standard error and gives UsageError. Call with a
    // QApplication alive and language()'s translation installed.
    int writeWorksheet() const;
    // The code of the language to speak (see Language): the one --language
    // names, else the system's.
    QString language() const;
    // Prints the help or the version on standard output, or the mistake on
    // standard error, and gives the exit status: 0, or UsageError for a mistake.
    // Call with a QCoreApplication alive, which names the program in the usage
    // line, and language()'s translation installed: the help and the mistake
    // are written in that language.
    int answer() const;

private:
    QStringList arguments_;
    QCommandLineParser parser_;
    QString mistake_;
};
