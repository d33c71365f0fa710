#include "Language.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace Language {

namespace {

// "pt-BR" or "pt_BR" as "pt_BR"; "FR" as "fr".
QString normalized(QString name)
{
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    const qsizetype underscore = name.indexOf(QLatin1Char('_'));
    if (underscore < 0)
        return name.toLower();
    return name.left(underscore).toLower() + name.mid(underscore).toUpper();
}

QString languageOf(const QString &code) { return code.section(QLatin1Char('_'), 0, 0); }

// The code the program speaks for one of the system's languages, or empty.
QString spokenFor(const QString &uiLanguage)
{
    const QString name = normalized(uiLanguage);
    if (codes().contains(name))
        return name;
    const QString language = languageOf(name);
    for (const QString &code : codes()) {
        if (languageOf(code) == language)
            return code; // the first listed speaker of the language: en_GB for English
    }
    return {};
}

QString &spoken()
{
    static QString code = SourceCode;
    return code;
}

// Lays out the windows made from now on in code's direction, when the
// program has windows at all.
void setDirectionOf(const QString &code)
{
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr)
        QGuiApplication::setLayoutDirection(QLocale(code).textDirection());
}

} // namespace

const QStringList &codes()
{
    static const QStringList list{SourceCode,         QStringLiteral("en_US"), QStringLiteral("fr"),
                                  QStringLiteral("de"), QStringLiteral("es"),    QStringLiteral("it"),
                                  QStringLiteral("pt_BR"), QStringLiteral("nl"), QStringLiteral("pl"),
                                  QStringLiteral("ru"), QStringLiteral("tr"),    QStringLiteral("hi"),
                                  QStringLiteral("bn"), QStringLiteral("ar"),    QStringLiteral("fa"),
                                  QStringLiteral("zh_CN"), QStringLiteral("ja"), QStringLiteral("ko"),
                                  QStringLiteral("id"), QStringLiteral("vi"),    QStringLiteral("el")};
    return list;
}

QString fromOption(const QString &typed)
{
    const QString code = normalized(typed);
    return codes().contains(code) ? code : QString();
}

QString fromSystem()
{
    for (const QString &uiLanguage : QLocale::system().uiLanguages()) {
        const QString code = spokenFor(uiLanguage);
        if (!code.isEmpty())
            return code;
    }
    return SourceCode;
}

Translation::Translation(const QString &code)
{
    spoken() = code;
    setDirectionOf(code);
    if (code == SourceCode)
        return;
    // Embedded by qt_add_translations under its default prefix /i18n.
    if (program_.load(QStringLiteral(":/i18n/hcflcm_") + code))
        QCoreApplication::installTranslator(&program_);
    // Qt speaks English already; its translations are absent when Debian's
    // qt6-translations-l10n is not installed, and then its buttons stay in English.
    if (languageOf(code) != QLatin1String("en")
        && qt_.load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
}

Translation::~Translation()
{
    spoken() = SourceCode;
    setDirectionOf(SourceCode);
}

QString current() { return spoken(); }

} // namespace Language
