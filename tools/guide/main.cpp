// Turns the Markdown user guide into the PDF the Help menu opens. Runs at build time.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>
#include <cstdio>

namespace {
// Screenshots come at screen size: each is drawn as wide as the text at most, keeping its shape.
// Returns the number of pictures that could not be read.
int fitPictures(QTextDocument &doc, const QString &baseDir, qreal textWidth)
{
    int missing = 0;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            if (!format.isValid())
                continue;
            const QImage image(baseDir + QLatin1Char('/') + format.name());
            if (image.isNull()) {
                std::fprintf(stderr, "cannot read picture %s\n", qPrintable(format.name()));
                ++missing;
                continue;
            }
            // Handed over as a resource: the document's own lookup of relative names does not
            // reach files when it has no widget to ask.
            doc.addResource(QTextDocument::ImageResource, QUrl(format.name()), image);
            const qreal width = qMin<qreal>(textWidth, image.width());
            format.setWidth(width);
            format.setHeight(width * image.height() / image.width());
            QTextCursor cursor(&doc);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
    return missing;
}
} // namespace

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
    const QString baseDir = QFileInfo(args.at(1)).absolutePath();
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    doc.setMarkdown(QString::fromUtf8(in.readAll()));

    QPdfWriter pdf(args.at(2));
    pdf.setTitle(QStringLiteral("Tarvolink user guide"));
    pdf.setCreator(QStringLiteral("Tarvolink"));
    pdf.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter));
    // The text width in the document's own units: print() lays the pages out at 96 units an inch.
    const qreal textWidth = pdf.pageLayout().paintRect(QPageLayout::Inch).width() * 96;
    if (fitPictures(doc, baseDir, textWidth) > 0)
        return 1;
    doc.print(&pdf);
    if (!QFile::exists(args.at(2))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
