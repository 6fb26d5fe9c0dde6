// Writes the sample printouts that scripts/check-print.sh reads back: a parameter set in each
// print mode and two comparisons (with differences and identical).
#include "parametercompare.h"
#include "parameterprint.h"
#include "parameters.h"
#include "prompter.h"
#include "viewfixture.h"

#include <QApplication>
#include <QDir>
#include <QTreeView>
#include <cstdio>

using namespace ViewFixture;

namespace {

bool write(const QString &html, const QString &file)
{
    const bool ok = ParameterPrint::printToPdf(html, file);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(file));
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: print_samples <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());

    auto model = unitModel();
    const auto edit = [&model](const QString &menu, int set, const QString &value) {
        model->setData(cell(*model, menu, TreeItem::SetAColumn + set), value);
    };
    edit("222", 1, "60");
    edit("228", 0, "Forced");
    edit("643", 3, "1:30:00");
    edit("923", 0, "Pump <North>");

    ParameterPrint::Header header;
    header.customerData = QStringList { "Example Pumps Ltd", "Harbour Road 4", "", "Dock 7", "Rotterdam",
        "NL", "+31 10 555 0101", "J. Visser", "Line <2> upgrade", "Cooling water", "A. Engineer", "SN-0042" };
    header.unitName = QStringLiteral("RVN48-003 (1)");
    header.driveVersion = QStringLiteral("V2.05");
    header.when = QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53));

    bool ok = true;
    ok &= write(ParameterPrint::parameterHtml(*model, ParameterPrint::WithoutReadOnly, true, header),
        out.filePath("params-all.pdf"));
    ok &= write(ParameterPrint::parameterHtml(*model, ParameterPrint::WithReadOnly, false, header),
        out.filePath("params-readonly.pdf"));
    ok &= write(ParameterPrint::parameterHtml(*model, ParameterPrint::ChangedValues, false, header),
        out.filePath("params-changed.pdf"));

    // An older version of the same drive: every change above is a difference, and the
    // parameters the newer version added show on their side only.
    TreeModel older(dataDir() + QStringLiteral("/csv_file/RVNV2.03.csv"), 0, QStringLiteral("2,5"),
        QStringLiteral("0.75"), false);
    header.unitName = QStringLiteral("RVN48-003 (1) / RVNV2.03");
    const auto result = ParameterCompare::compare(model.get(), &older);
    ok &= write(ParameterPrint::comparisonHtml(
                    result, QStringLiteral("RVN48-003 (1)"), QStringLiteral("RVN48-003 : RVNV2.03"), header),
        out.filePath("compare.pdf"));
    ok &= write(ParameterPrint::comparisonHtml(ParameterCompare::compare(&older, &older), QStringLiteral("A"),
                    QStringLiteral("B"), header),
        out.filePath("compare-identical.pdf"));

    // The view itself, for a look at the layout (an edit open in set B of the motor frequency).
    AutoAnswerPrompter prompter;
    Parameters view(prompter);
    AppPaths::setBaseDir(dataDir());
    view.vxUISlotSetTreeView(unitEntry(), model.get());
    view.resize(1100, 640);
    view.show();
    const QModelIndex menu = model->indexOf(model->findItem("2"));
    view.treeView()->expand(menu);
    view.treeView()->expand(model->indexOf(model->findItem("22")));
    view.vxUISlotTmClicked(cell(*model, "222", TreeItem::SetAColumn + 1));
    QApplication::processEvents();
    ok &= view.grab().save(out.filePath("parameters-view.png"));
    return ok ? 0 : 1;
}
