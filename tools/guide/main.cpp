// Turns the Markdown user guide into the PDF the Help menu opens. Runs at build time.
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextStream>
#include <cstdio>

int main(int argc, char **argv)
{
    // No display is needed to lay out text.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: tarvolink-guide GUIDE.md OUT.pdf\n");
        return 2;
    }
    QFile in(args.at(1));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    doc.setMarkdown(QString::fromUtf8(in.readAll()));

    QPdfWriter pdf(args.at(2));
    pdf.setTitle(QStringLiteral("Tarvolink user guide"));
    pdf.setCreator(QStringLiteral("Tarvolink"));
    pdf.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter));
    doc.print(&pdf);
    if (!QFile::exists(args.at(2))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
