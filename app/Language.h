#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// The languages the window and the command line speak, and the translators
// that make them speak one. English as taught in Britain (en_GB) is the
// program's own text; every other language is a translation embedded in the
// program, loaded only when chosen, together with Qt's own translation of its
// buttons and dialogs (from Qt's translations folder, where installed).
namespace Language {

// The language the program's texts are written in.
inline const QString SourceCode = QStringLiteral("en_GB");

// Every code the program knows, in the order the help lists them:
// en_GB, en_US, fr, de, es, it, pt_BR, nl, pl, ru, tr, hi, bn, ar, fa, zh_CN,
// ja, ko, id, vi, el.
const QStringList &codes();

// The code a user typed after --language: one of codes(), in any letter
// case, with a hyphen for the underscore (pt-BR); empty when it names none.
QString fromOption(const QString &typed);

// The code of the first of the system's languages (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG, as QLocale::system().uiLanguages() reads them) the
// program speaks: the same language and country (en_US), else the same
// language (fr_CA speaks fr, en_AU en_GB, pt_PT pt_BR); SourceCode when it
// speaks none of them.
QString fromSystem();

// The translators of one language, installed into the running application
// (a QCoreApplication must exist) for as long as this object lives. The
// source language and a language whose translation cannot be loaded install
// nothing, so the texts stay in English. In a window program, the windows
// made while it lives are laid out in the language's direction (right to left
// for ar and fa); its end sets English's again.
class Translation {
public:
    explicit Translation(const QString &code);
    ~Translation();
    Translation(const Translation &) = delete;
    Translation &operator=(const Translation &) = delete;

private:
    QTranslator program_;
    QTranslator qt_;
};

// The code of the language the program speaks now: the code of the living
// Translation, SourceCode when there is none.
QString current();

} // namespace Language
