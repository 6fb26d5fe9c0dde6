// Turns the Markdown user guide into the PDF the Help menu opens. Runs at build time.
#include "guidebook.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfWriter>
#include <cstdio>

int main(int argc, char **argv)
{
    // No display is needed to lay out text.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: tarvolink-guide GUIDE.md OUT.pdf VERSION\n");
        return 2;
    }
    QFile in(args.at(1));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    GuideBook book(QString::fromUtf8(in.readAll()), QFileInfo(args.at(1)).absolutePath(), args.at(3));
    QPdfWriter pdf(args.at(2));
    if (!book.write(pdf))
        return 1;
    if (!QFile::exists(args.at(2))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
