#pragma once

#include "parametercompare.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

class Prompter;
class QPrinter;
class QWidget;
class TreeModel;

// The printed forms of a parameter set and of a comparison: HTML documents laid out on A4 by
// the rich-text engine, written to a PDF file or sent to a printer.
namespace ParameterPrint {

// Which parameters a printout lists.
enum Mode {
    WithoutReadOnly = 1, // every parameter except the read-only ones
    WithReadOnly = 2, // every parameter
    Everything = 3, // every parameter (kept for callers that pass it)
    ChangedValues = 4 // parameters with at least one set changed offline
};

// What the header block says.
struct Header
{
    QStringList customerData; // the 12 texts
    QString unitName;
    QString driveVersion;
    QDateTime when = QDateTime::currentDateTime();
};

// `hideNotCompared` also leaves out parameters that the comparison ignores (commands such as
// "copy set", lock codes).
QString parameterHtml(const TreeModel &model, int mode, bool hideNotCompared, const Header &header);
QString comparisonHtml(const ParameterCompare::Result &result, const QString &firstName,
    const QString &secondName, const Header &header);

// A4 portrait, full page, no printer margins (the document keeps its own).
void setupPrinter(QPrinter &printer);
// Writes the document as PDF; false when the file cannot be written.
bool printToPdf(const QString &html, const QString &fileName);

// Shows the print dialog and answers whether it was accepted. Tests replace it.
using PrintDialogRunner = std::function<bool(QPrinter &, QWidget *)>;
PrintDialogRunner defaultPrintDialog();
// Asks for the printer through `runDialog` and prints with the wait cursor shown.
bool printOnPrinter(const QString &html, QWidget *parent, const PrintDialogRunner &runDialog);
// Prints on a printer, or asks for a PDF file (".pdf" added when missing) and writes it there; a
// file that cannot be written is reported. Returns what was done ("Saved x.pdf"), empty when
// nothing was (cancelled or failed).
QString printOrSavePdf(
    const QString &html, bool pdf, QWidget *parent, Prompter &prompter, const PrintDialogRunner &runDialog);

} // namespace ParameterPrint
