#pragma once

#include <QString>

// Starts the sibling game program that is installed beside the calculator.
namespace GameLauncher {

inline constexpr char FileName[] = "Marbleton.exe";

// Starts directory/Marbleton.exe as a detached process whose working
// directory is directory; false when it cannot be started (missing file,
// not executable), in which case nothing was started.
bool start(const QString &directory);
// The message for a start that failed in directory, which is shown with
// the platform's separators.
QString failureMessage(const QString &directory);

} // namespace GameLauncher
