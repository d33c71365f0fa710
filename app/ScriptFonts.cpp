#include "ScriptFonts.h"

#include <QLocale>

namespace ScriptFonts {

QStringList familiesFor(const QString &code)
{
    const QString latin = QStringLiteral("Liberation Sans");
    const QLocale locale(code);
    switch (locale.script()) {
    case QLocale::DevanagariScript:
        return {QStringLiteral("Noto Sans Devanagari"), latin};
    case QLocale::BanglaScript:
        return {QStringLiteral("Noto Sans Bengali"), latin};
    case QLocale::ArabicScript:
        return {QStringLiteral("Noto Sans Arabic"), latin};
    case QLocale::SimplifiedHanScript:
        return {QStringLiteral("Noto Sans CJK SC"), latin};
    case QLocale::JapaneseScript:
        return {QStringLiteral("Noto Sans CJK JP"), latin};
    case QLocale::KoreanScript:
        return {QStringLiteral("Noto Sans CJK KR"), latin};
    default:
        return {latin};
    }
}

QFont fontFor(const QString &code, int pixelSize)
{
    QFont font;
    font.setFamilies(familiesFor(code));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace ScriptFonts
