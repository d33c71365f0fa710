#pragma once

#include <QString>
#include <QtGlobal>

// The program's names, in one place. The program name is never translated:
// it is the command, the application name and so the window class that docks
// match to the desktop entry (StartupWMClass). The titles are shown in the
// user's language.
namespace AppNames {

inline constexpr char Program[] = "hcflcm";
// The short title of message boxes and the Working window.
inline constexpr char ShortTitle[] = QT_TRANSLATE_NOOP("AppNames", "Factors, HCF & LCM");
// The caption of the main window.
inline constexpr char WindowCaption[] = QT_TRANSLATE_NOOP("AppNames", "Factorization, HCF & LCM of Numbers");

QString shortTitle();
QString windowCaption();
// "Working - " and the short title.
QString workingTitle();

} // namespace AppNames
