#pragma once

#include <QFont>
#include <QString>

// The font the program draws its own pictures in (the working's pictures, the
// FIND button's word): Liberation Sans, which draws Latin, Greek and
// Vietnamese, and for a language of another script first the Noto family that
// draws that script (Debian's fonts-noto-core and fonts-noto-cjk). Where a
// family is not installed, Qt falls back to whatever fontconfig offers. A CJK
// family is named, and so loaded, only for a CJK language.
namespace ScriptFonts {

// The families for the language code, the script's own first.
QStringList familiesFor(const QString &code);

// A sans-serif font of those families, pixelSize high.
QFont fontFor(const QString &code, int pixelSize);

} // namespace ScriptFonts
