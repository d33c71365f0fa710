#pragma once

#include "PageLayout.h"
#include "Texts.h"
#include "Worksheet.h"

#include <QPageSize>
#include <QString>

class QGraphicsScene;
class QTextDocument;

// A worksheet ready to be written: its options, its questions and answers in
// the language's words, and its paper. Every format writes this one sheet: the
// pages (WorksheetFile::pages) as PDF or on a printer, the same text as an editable
// ODF document or as plain text.
struct WorksheetDocument {
    numbers::WorksheetOptions options;
    numbers::Texts texts;       // the language's phrases, for the footers and the pictures
    numbers::WorksheetText text;
    QPageSize pageSize;

    // The sheet of options in the installed language (translatedPhrases), on
    // the paper of language's country.
    static WorksheetDocument make(const numbers::WorksheetOptions &options, const QString &language);
};

namespace WorksheetFile {

// Letter where language's country measures in the US system (en_US), else A4.
QPageSize pageSizeFor(const QString &language);

// The file kinds a save offers, as file dialog filters: PDF, ODF text, plain text.
QStringList fileFilters();
// fileName with the extension of filter added when it has no extension; a
// name with another extension stays as it is, for write() to refuse, never
// written as another kind under a doubled name ("sheet.doc.pdf").
QString withExtension(const QString &fileName, const QString &filter);
// True when fileName ends in .pdf, .odt or .txt (any letter case).
bool isKnownKind(const QString &fileName);

// Writes the sheet to fileName by its extension: .pdf the pages, .odt an
// editable document, .txt plain UTF-8 text. The file is written whole or not
// at all (nothing is left behind when it fails). Gives back an empty text when
// written, else the reason it was not.
QString write(const QString &fileName, const WorksheetDocument &sheet);

// Draws the key's picture of question into scene, by the Working window's
// code: the factor tree of a prime-factor question, the Venn diagram of an HCF
// or LCM question. False, leaving scene as it was, for a question without one.
bool drawKeyPicture(QGraphicsScene &scene, const numbers::Question &question, const numbers::Texts &texts);

// The sheet on pages: the title, the lines for a name and a date, the
// questions in two columns where the paper allows, each with room to work
// below it (a prime-factor question the most), then the answer key from a new
// page with a small picture beside each answer that has one (when the options
// ask for them); every page's footer "Level 2 · seed 4711 · page 1 of 3".
PageLayout::Document pages(const WorksheetDocument &sheet);

// The sheet as plain text: the questions, a line "Answers", the key; powers as
// "2^3"; ends with a line feed.
QString plainText(const WorksheetDocument &sheet);
// The sheet as a rich text document, as the .odt holds it: exponents raised,
// the key on a page of its own, with its pictures when the options ask for them.
void fillDocument(QTextDocument &document, const WorksheetDocument &sheet);

} // namespace WorksheetFile
