#include "parameterprint.h"

#include "parametervalues.h"
#include "prompter.h"
#include "treeitem.h"
#include "treemodel.h"

#include <QApplication>
#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

// The logo lives in this static library's resources; programs that print without ever building
// the parameters view still need them registered.
static void initPrintResources()
{
    Q_INIT_RESOURCE(parameters_ui);
}

namespace ParameterPrint {

namespace {

QString esc(const QString &text)
{
    return text.toHtmlEscaped();
}

QString labelled(const QString &label, const QString &value, int columns = 1)
{
    return QStringLiteral("<td colspan=\"%1\"><b>%2</b>: %3</td>").arg(columns).arg(esc(label), esc(value));
}

QString headerHtml(const Header &h)
{
    const auto c = [&h](int i) { return h.customerData.value(i); };
    QStringList addressParts;
    for (int i : { 3, 4, 5 }) {
        if (!c(i).trimmed().isEmpty())
            addressParts.append(c(i).trimmed());
    }
    const QLocale english(QLocale::English);
    const QString date = english.toString(h.when.date(), QStringLiteral("dd/MM/yyyy"));
    const QString time = english.toString(h.when.time(), QStringLiteral("hh:mm:ss"));
    QString html;
    html += QStringLiteral("<table width=\"643\" align=\"center\" cellpadding=\"10\" class=\"All\"><tr><td>");
    html += QStringLiteral("<table width=\"635\" cellpadding=\"2\"><tr>");
    html += labelled(QObject::tr("Company Name"), c(0)) + labelled(QObject::tr("Project"), c(8))
        + labelled(QObject::tr("Application"), c(9)) + labelled(QObject::tr("Date"), date);
    html += QStringLiteral("<td rowspan=\"3\" align=\"right\"><img src=\":/Vx_logo_60.png\" width=\"60\" "
                           "height=\"60\"></td></tr><tr>");
    html += labelled(QObject::tr("Address"), addressParts.join(QStringLiteral(", ")))
        + labelled(QObject::tr("Commissioned By"), c(10)) + labelled(QObject::tr("Serial number"), c(11))
        + labelled(QObject::tr("Time"), time);
    html += QStringLiteral("</tr><tr>");
    html += labelled(QObject::tr("Unit Name"), h.unitName)
        + labelled(QObject::tr("Drive Version"), h.driveVersion, 3);
    html += QStringLiteral("</tr></table></td></tr></table><br>");
    return html;
}

QString documentStart()
{
    return QStringLiteral("<html><head><style>"
                          "table.All { border-collapse: collapse; border: 1px solid black; margin-top: 0px; "
                          "margin-bottom: 0px; color: black; }"
                          "table.All td, table.All th { border: 1px solid black; }"
                          "body { font-family: sans-serif; font-size: 8pt; color: black; }"
                          "</style></head><body>");
}

QString cell(const QString &text, int width = 0, bool header = false)
{
    const QString tag = header ? QStringLiteral("th") : QStringLiteral("td");
    const QString w = width > 0 ? QStringLiteral(" width=\"%1\"").arg(width) : QString();
    return QStringLiteral("<%1%2 align=\"center\">%3</%1>").arg(tag, w, esc(text));
}

QString setCell(const TreeItem &item, int set, bool emphasise, const QString &colour)
{
    const QString text = esc(item.text(TreeItem::SetAColumn + set));
    if (!emphasise)
        return QStringLiteral("<td align=\"center\">%1</td>").arg(text);
    return QStringLiteral("<td align=\"center\"><b><font color=\"%1\">%2</font></b></td>").arg(colour, text);
}

bool included(const TreeItem &item, int mode, bool hideNotCompared)
{
    using namespace ParameterValues;
    if (hideNotCompared && item.field(FieldNotEditable) == QLatin1String("Y"))
        return false;
    switch (mode) {
    case WithoutReadOnly:
        return item.isMenu() || item.field(FieldAccess).trimmed() != QLatin1String("0");
    case ChangedValues:
        return !item.isMenu()
            && (item.isChanged(0) || item.isChanged(1) || item.isChanged(2) || item.isChanged(3));
    default:
        return true;
    }
}

} // namespace

static QString parameterHtmlLocked(
    const TreeModel &model, int mode, bool hideNotCompared, const Header &header);

QString parameterHtml(const TreeModel &model, int mode, bool hideNotCompared, const Header &header)
{
    QString html;
    model.withValuesLocked([&] { html = parameterHtmlLocked(model, mode, hideNotCompared, header); });
    return html;
}

static QString parameterHtmlLocked(
    const TreeModel &model, int mode, bool hideNotCompared, const Header &header)
{
    QString html = documentStart() + headerHtml(header);
    html += QStringLiteral("<table width=\"600\" align=\"center\" cellpadding=\"3\" class=\"All\"><tr>");
    html += cell(QObject::tr("Menu"), 50, true) + cell(QObject::tr("Parameter Text"), 90, true)
        + cell(QObject::tr("Default"), 90, true);
    for (const char *set : { "A", "B", "C", "D" })
        html += cell(QLatin1String(set), 80, true);
    html += cell(QObject::tr("Unit"), 50, true) + QStringLiteral("</tr>");
    model.forEachItem([&](TreeItem *item) {
        if (!included(*item, mode, hideNotCompared))
            return;
        if (item->isMenu()) {
            // Menus head their parameters as a shaded row.
            html += QStringLiteral("<tr bgcolor=\"#f0f0f0\">") + cell(item->text(TreeItem::MenuColumn))
                + QStringLiteral("<td colspan=\"7\"><b>%1</b></td></tr>")
                      .arg(esc(item->text(TreeItem::TextColumn)));
            return;
        }
        html += QStringLiteral("<tr>") + cell(item->text(TreeItem::MenuColumn))
            + cell(item->text(TreeItem::TextColumn)) + cell(item->text(TreeItem::DefaultColumn));
        for (int set = 0; set < 4; ++set) {
            QColor colour = item->colour(set).value<QColor>();
            if (!colour.isValid())
                colour = Qt::black;
            html += setCell(*item, set, item->isChanged(set), colour.name());
        }
        html += cell(item->text(TreeItem::UnitColumn)) + QStringLiteral("</tr>");
    });
    html += QStringLiteral("</table></body></html>");
    return html;
}

QString comparisonHtml(const ParameterCompare::Result &result, const QString &firstName,
    const QString &secondName, const Header &header)
{
    QString html = documentStart() + headerHtml(header);
    if (result.identical()) {
        html += QStringLiteral("<p align=\"center\"><b>%1</b></p>")
                    .arg(esc(QObject::tr("Files are Identical")));
        return html + QStringLiteral("</body></html>");
    }
    const QString shade = QStringLiteral(" bgcolor=\"#f0f0f0\"");
    html += QStringLiteral("<table width=\"600\" align=\"center\" cellpadding=\"3\" class=\"All\">");
    html += QStringLiteral("<tr%1><th rowspan=\"2\" width=\"50\">%2</th><th rowspan=\"2\">%3</th>"
                           "<th colspan=\"4\">%4<br>%5</th><th colspan=\"4\">%6<br>%7</th></tr>")
                .arg(shade, esc(QObject::tr("Menu")), esc(QObject::tr("Parameter")),
                    esc(QObject::tr("Compare")), esc(firstName), esc(QObject::tr("Compare With")),
                    esc(secondName));
    html += QStringLiteral("<tr%1>").arg(shade);
    for (int twice = 0; twice < 2; ++twice) {
        for (const char *set : { "A", "B", "C", "D" })
            html += cell(QLatin1String(set), 55, true);
    }
    html += QStringLiteral("</tr>");
    for (const auto &d : result.differences) {
        html += QStringLiteral("<tr>") + cell(d.first->text(TreeItem::MenuColumn))
            + cell(d.first->text(TreeItem::TextColumn));
        for (const TreeItem *item : { d.first, d.second }) {
            for (int set = 0; set < 4; ++set)
                html += setCell(*item, set, d.sets[set], QStringLiteral("#000000"));
        }
        html += QStringLiteral("</tr>");
    }
    const auto oneSided = [&](const QList<TreeItem *> &items, bool first, const QString &title) {
        if (items.isEmpty())
            return;
        html += QStringLiteral("<tr%1><td colspan=\"10\" align=\"center\"><i>%2</i></td></tr>")
                    .arg(shade, esc(title));
        for (const TreeItem *item : items) {
            html += QStringLiteral("<tr>") + cell(item->text(TreeItem::MenuColumn))
                + cell(item->text(TreeItem::TextColumn));
            const QString empty = QStringLiteral("<td colspan=\"4\" align=\"center\">-</td>");
            if (!first)
                html += empty;
            for (int set = 0; set < 4; ++set)
                html += setCell(*item, set, false, QString());
            if (first)
                html += empty;
            html += QStringLiteral("</tr>");
        }
    };
    oneSided(result.onlyInFirst, true, QObject::tr("Only in %1").arg(firstName));
    oneSided(result.onlyInSecond, false, QObject::tr("Only in %1").arg(secondName));
    html += QStringLiteral("</table></body></html>");
    return html;
}

void setupPrinter(QPrinter &printer)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

namespace {

// Left to the rich-text engine: on a full page it lays the document out at screen size inside a
// 2 cm border and scales it to the printer's resolution, so a 643 pixel header fills the width.
void render(const QString &html, QPrinter &printer)
{
    initPrintResources();
    QTextDocument document;
    document.setHtml(html);
    document.print(&printer);
}

} // namespace

bool printToPdf(const QString &html, const QString &fileName)
{
    QPrinter printer(QPrinter::HighResolution);
    setupPrinter(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    render(html, printer);
    return QFile::exists(fileName) && QFileInfo(fileName).size() > 0;
}

PrintDialogRunner defaultPrintDialog()
{
    return [](QPrinter &printer, QWidget *parent) {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    };
}

bool printOnPrinter(const QString &html, QWidget *parent, const PrintDialogRunner &runDialog)
{
    QPrinter printer(QPrinter::HighResolution);
    setupPrinter(printer);
    if (!runDialog || !runDialog(printer, parent))
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    render(html, printer);
    QApplication::restoreOverrideCursor();
    return true;
}

QString printOrSavePdf(
    const QString &html, bool pdf, QWidget *parent, Prompter &prompter, const PrintDialogRunner &runDialog)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("ParameterPrint", text); };
    if (!pdf)
        return printOnPrinter(html, parent, runDialog) ? tr("Sent to the printer") : QString();
    QString fileName = prompter.saveFileName(parent, tr("Save pdf file"), QString(), tr("(*.pdf)"));
    if (fileName.isEmpty())
        return QString();
    if (!fileName.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        fileName += QLatin1String(".pdf");
    if (!printToPdf(html, fileName)) {
        prompter.critical(parent, tr("Error"), tr("The PDF file could not be written:\n%1").arg(fileName));
        return QString();
    }
    return tr("Saved %1").arg(QFileInfo(fileName).fileName());
}

} // namespace ParameterPrint
