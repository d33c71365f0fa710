#pragma once

#include "WorksheetDocument.h"

#include <QDialog>

#include <array>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The worksheet dialog (object name Worksheet): the options of a sheet, a
// preview of its first page, and Save… (PDF, ODF text, plain text) and Print….
// Its paper is the default locale's (QLocale()): Letter for the US, else A4.
class WorksheetDialog : public QDialog {
    Q_OBJECT

public:
    explicit WorksheetDialog(QWidget *parent = nullptr);

    // The options as chosen; none while no kind is chosen or the seed is not a
    // whole number from 0 to 18446744073709551615.
    std::optional<numbers::WorksheetOptions> options() const;

private:
    // Shows the first page of the sheet chosen, or why there is none, and
    // enables Save… and Print… only for a sheet.
    void showPreview();
    void Save_Click();
    void Print_Click();
    // The sheet of the options chosen; call only when options() gives some.
    WorksheetDocument sheet() const;

    std::array<QCheckBox *, 4> kinds_; // in the order of numbers::PracticeKind
    QSpinBox *level_;
    QSpinBox *count_;
    QLineEdit *seed_;
    QCheckBox *picturesInKey_;
    QLabel *preview_;
    QPushButton *save_;
    QPushButton *print_;
    QString saveFilter_;
};
