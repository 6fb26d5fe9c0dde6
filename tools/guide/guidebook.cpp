#include "guidebook.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QTextLayout>
#include <QTextTable>
#include <QUrl>
#include <cmath>
#include <cstdio>

namespace {
const QColor headingColour(0x1d, 0x3f, 0x6e);
const QColor ruleColour(0xb0, 0xb8, 0xc4);
const qreal pageMarginMm = 18;
const qreal headMarginMm = 16; // above the text: the footer has its own room below
const qreal footMarginMm = 22;

qreal mm(qreal millimetres, const QPdfWriter &pdf)
{
    return millimetres / 25.4 * pdf.resolution();
}

// The block's picture; one without a name when it holds none (a default image format is valid).
QTextImageFormat imageOf(const QTextBlock &block)
{
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextImageFormat format = it.fragment().charFormat().toImageFormat();
        if (format.isValid())
            return format;
    }
    return {};
}

// A line of a code block: every piece of it is set in the code face (a fenced block is also
// marked as such, an indented one only by its face).
bool isCode(const QTextBlock &block)
{
    if (block.blockFormat().hasProperty(QTextFormat::BlockCodeFence))
        return true;
    bool any = false;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        if (!it.fragment().charFormat().hasProperty(QTextFormat::FontFamily))
            return false;
        any = true;
    }
    return any;
}

qreal lineTop(const QTextBlock &block, int line)
{
    return block.layout()->position().y() + block.layout()->lineAt(line).y();
}

qreal lineBottom(const QTextBlock &block, int line)
{
    const QTextLine l = block.layout()->lineAt(line);
    return block.layout()->position().y() + l.y() + l.height();
}
} // namespace

GuideBook::GuideBook(const QString &markdown, const QString &pictureDir, const QString &version)
    : m_pictureDir(pictureDir)
    , m_version(version)
{
    // Without ligatures: a file name or command copied out of the PDF reads as it was written.
    QFont font(QStringLiteral("DejaVu Sans"), 10);
    font.setStyleStrategy(QFont::PreferNoShaping);
    m_doc.setDefaultFont(font);
    m_doc.setMarkdown(markdown);
    m_doc.setDocumentMargin(0);
    m_title = m_doc.firstBlock().text();
    // The version the guide describes, below its title.
    QTextCursor cursor(m_doc.firstBlock());
    cursor.movePosition(QTextCursor::EndOfBlock);
    QTextCharFormat chars;
    chars.setFontPointSize(12);
    chars.setForeground(QColor(0x44, 0x4c, 0x58));
    QTextBlockFormat below;
    below.setBottomMargin(12);
    cursor.insertBlock(below, chars);
    cursor.insertText(QStringLiteral("Version %1").arg(version));
}

bool GuideBook::write(QPdfWriter &pdf)
{
    // The book handles its own margins: the footer is drawn in the bottom one.
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    pdf.setTitle(m_title);
    pdf.setCreator(QStringLiteral("Tarvolink"));
    // Laid out in the writer's own dots, so that what is measured here is what is printed. Lengths
    // in the document's formats stay in screen pixels: the layout scales them.
    m_doc.documentLayout()->setPaintDevice(&pdf);
    const qreal dot = pdf.resolution() / 96.0; // one screen pixel
    const qreal textWidth = pdf.width() - 2 * mm(pageMarginMm, pdf);
    const qreal textPixels = textWidth / dot;
    m_pageHeight = pdf.height() - mm(headMarginMm, pdf) - mm(footMarginMm, pdf);
    style();
    // A picture takes at most two thirds of a page: a printout shown whole stays beside its text.
    if (fitPictures(QSizeF(textPixels, m_pageHeight / dot * 2 / 3)) > 0)
        return false;
    insertContents(textPixels);
    m_doc.setPageSize(QSizeF(textWidth, m_pageHeight));
    relayout();
    keepTogether();
    fillContents();
    paint(pdf, dot);
    return true;
}

void GuideBook::style()
{
    for (QTextBlock block = m_doc.begin(); block.isValid(); block = block.next()) {
        // Commands, file names and code in a typewriter face.
        QList<QPair<int, int>> fixed;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            // The Markdown reader gives code the system's fixed font, which has no display to
            // ask for here; other text keeps the document's font.
            if (it.fragment().charFormat().hasProperty(QTextFormat::FontFamily))
                fixed << qMakePair(it.fragment().position(), it.fragment().length());
        }
        QTextCharFormat mono;
        mono.setFontFamily(QStringLiteral("DejaVu Sans Mono"));
        mono.setFontStyleStrategy(QFont::PreferNoShaping);
        mono.setFontPointSize(9.5);
        for (const auto &range : qAsConst(fixed)) {
            QTextCursor cursor(&m_doc);
            cursor.setPosition(range.first);
            cursor.setPosition(range.first + range.second, QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(mono);
        }
        QTextBlockFormat blockFormat = block.blockFormat();
        const int level = blockFormat.headingLevel();
        if (level > 0) {
            // Sized here: the size step the Markdown reader marks would override a point size.
            QList<QTextFragment> fragments;
            for (auto it = block.begin(); !it.atEnd(); ++it)
                fragments << it.fragment();
            for (const QTextFragment &fragment : fragments) {
                QTextCharFormat chars = fragment.charFormat();
                chars.clearProperty(QTextFormat::FontSizeAdjustment);
                chars.setFontPointSize(level == 1 ? 24 : level == 2 ? 15 : 12);
                chars.setFontWeight(QFont::Bold);
                chars.setForeground(headingColour);
                QTextCursor cursor(&m_doc);
                cursor.setPosition(fragment.position());
                cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
                cursor.setCharFormat(chars);
            }
            blockFormat.setTopMargin(level == 1 ? 0 : 16);
            blockFormat.setBottomMargin((level == 1 ? 4 : 6));
            QTextCursor(block).setBlockFormat(blockFormat);
        } else if (!isCode(block)) {
            blockFormat.setBottomMargin(5);
            QTextCursor(block).setBlockFormat(blockFormat);
        } else {
            blockFormat.setBackground(QColor(0xf0, 0xf2, 0xf5));
            blockFormat.setLeftMargin(12);
            QTextCursor(block).setBlockFormat(blockFormat);
        }
    }
    for (QTextFrame *frame : m_doc.rootFrame()->childFrames()) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table)
            continue;
        QTextTableFormat format = table->format();
        format.setBorder(0.75);
        format.setBorderBrush(ruleColour);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setCellSpacing(0);
        format.setCellPadding(4);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setHeaderRowCount(1);
        format.setTopMargin(4);
        format.setBottomMargin(4);
        table->setFormat(format);
        for (int column = 0; column < table->columns(); ++column) {
            QTextTableCellFormat cell = table->cellAt(0, column).format().toTableCellFormat();
            cell.setBackground(QColor(0xe4, 0xe9, 0xf0));
            table->cellAt(0, column).setFormat(cell);
        }
    }
}

// Screenshots come at screen size: each is drawn as wide as the text at most, keeping its shape,
// with its description below it. Returns the number of pictures that could not be read.
int GuideBook::fitPictures(QSizeF room)
{
    int missing = 0;
    for (QTextBlock block = m_doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            if (!format.isValid())
                continue;
            const QImage image(m_pictureDir + QLatin1Char('/') + format.name());
            if (image.isNull()) {
                std::fprintf(stderr, "cannot read picture %s\n", qPrintable(format.name()));
                ++missing;
                continue;
            }
            // Handed over as a resource: the document's own lookup of relative names does not
            // reach files when it has no widget to ask.
            m_doc.addResource(QTextDocument::ImageResource, QUrl(format.name()), image);
            const QSizeF size = QSizeF(image.size())
                                    .scaled(image.width() > room.width() || image.height() > room.height()
                                            ? room
                                            : QSizeF(image.size()),
                                        Qt::KeepAspectRatio);
            format.setWidth(size.width());
            format.setHeight(size.height());
            QTextCursor cursor(&m_doc);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
        const QString caption = imageOf(block).stringProperty(QTextFormat::ImageAltText);
        if (caption.isEmpty())
            continue;
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock);
        QTextBlockFormat captionBlock;
        captionBlock.setAlignment(Qt::AlignHCenter);
        captionBlock.setBottomMargin(8);
        QTextCharFormat captionChars;
        captionChars.setFontItalic(true);
        captionChars.setFontPointSize(9);
        captionChars.setForeground(QColor(0x44, 0x4c, 0x58));
        cursor.insertBlock(captionBlock, captionChars);
        cursor.insertText(caption);
        block = cursor.block();
    }
    return missing;
}

// The contents list goes before the first chapter, which begins a page of its own.
void GuideBook::insertContents(qreal textWidth)
{
    QList<QTextBlock> chapters;
    for (QTextBlock block = m_doc.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 2)
            chapters << block;
    }
    if (chapters.isEmpty())
        return;
    // Blocks are added after the one before the first chapter, each with its own format.
    QTextCursor cursor(chapters.first().previous());
    cursor.movePosition(QTextCursor::EndOfBlock);
    const QTextBlockFormat headingFormat = chapters.first().blockFormat();
    cursor.insertBlock(headingFormat, QTextCursor(chapters.first()).charFormat());
    cursor.insertText(QStringLiteral("Contents"));
    QTextBlockFormat line;
    line.setTabPositions({ QTextOption::Tab(textWidth, QTextOption::RightTab) });
    line.setBottomMargin(headingFormat.bottomMargin() / 2);
    for (const QTextBlock &chapter : chapters) {
        cursor.insertBlock(line, QTextCharFormat());
        // The page number is filled in once the pages are laid out.
        cursor.insertText(chapter.text() + QLatin1Char('\t'));
        m_contentsBlocks << cursor.blockNumber();
    }
    cursor.movePosition(QTextCursor::NextBlock);
    // The list pushed the chapters on: they are the level-2 headings after it.
    for (QTextBlock block = cursor.block(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 2)
            m_chapterBlocks << block.blockNumber();
    }
    QTextBlockFormat breakBefore;
    breakBefore.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor(m_doc.findBlockByNumber(m_chapterBlocks.first())).mergeBlockFormat(breakBefore);
}

QList<GuideBook::Item> GuideBook::items() const
{
    QList<Item> all;
    for (auto it = m_doc.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (it.currentFrame())
            all << Item { it.currentFrame(), -1, -1 };
        else if (!it.currentBlock().isValid())
            continue;
        else if (isCode(it.currentBlock()) && !all.isEmpty() && !all.last().frame
            && isCode(m_doc.findBlockByNumber(all.last().lastBlock)))
            all.last().lastBlock = it.currentBlock().blockNumber(); // one code block, line by line
        else
            all << Item { nullptr, it.currentBlock().blockNumber(), it.currentBlock().blockNumber() };
    }
    return all;
}

// Where the item's ink begins: a block pushed to the next page keeps its place on the last one.
qreal GuideBook::top(const Item &item) const
{
    if (item.frame)
        return m_doc.documentLayout()->frameBoundingRect(item.frame).top();
    const QTextBlock block = m_doc.findBlockByNumber(item.blockNumber);
    return block.layout()->lineCount() > 0 ? lineTop(block, 0) : block.layout()->position().y();
}

qreal GuideBook::bottom(const Item &item) const
{
    if (item.frame)
        return m_doc.documentLayout()->frameBoundingRect(item.frame).bottom();
    const QTextBlock block = m_doc.findBlockByNumber(item.lastBlock);
    const int lines = block.layout()->lineCount();
    return lines > 0 ? lineBottom(block, lines - 1) : top(item);
}

// How much of an item must share the page of what leads into it: two lines of a paragraph, all of
// a table, a picture, a code block or a short paragraph.
qreal GuideBook::enoughOf(const Item &item) const
{
    if (item.frame)
        return bottom(item);
    const QTextBlock block = m_doc.findBlockByNumber(item.blockNumber);
    if (isCode(block) || block.layout()->lineCount() < 4)
        return bottom(item);
    return lineBottom(block, 1);
}

// A heading, a picture (its caption follows) and a sentence that ends in a colon lead into the
// next item.
bool GuideBook::keepsWithNext(const Item &item) const
{
    if (item.frame)
        return false;
    const QTextBlock block = m_doc.findBlockByNumber(item.blockNumber);
    return block.blockFormat().headingLevel() > 0 || !imageOf(block).name().isEmpty()
        || block.text().trimmed().endsWith(QLatin1Char(':'));
}

// Without an event loop the layout flows only part of the way after a change, and the rest
// lazily: counting the pages flows all of it, so that every block's lines can be measured.
void GuideBook::relayout()
{
    m_doc.markContentsDirty(0, m_doc.characterCount());
    m_doc.pageCount();
}

int GuideBook::pageOf(qreal y) const
{
    return int(std::floor(y / m_pageHeight));
}

// Moves the item, with the headings and lead-ins before it, to the next page. False when that
// would gain nothing: the group already begins a page.
bool GuideBook::breakBefore(const QList<Item> &all, int index)
{
    int first = index;
    while (first > 0 && keepsWithNext(all.at(first - 1)) && index - first < 2)
        --first;
    const qreal start = top(all.at(first));
    if (start - pageOf(start) * m_pageHeight < 1)
        return false;
    QTextBlockFormat pageBreak;
    if (all.at(first).frame) {
        // A table breaks through the block before it, which always exists.
        if (first == 0 || all.at(first - 1).frame)
            return false;
        pageBreak.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysAfter);
        QTextCursor(m_doc.findBlockByNumber(all.at(first - 1).blockNumber)).mergeBlockFormat(pageBreak);
    } else {
        pageBreak.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(m_doc.findBlockByNumber(all.at(first).blockNumber)).mergeBlockFormat(pageBreak);
    }
    relayout();
    return true;
}

// Walks the items in order and breaks the page before the first one that ends a page badly; the
// layout then flows again and the walk goes on from there. Every break moves text forward only.
void GuideBook::keepTogether()
{
    const QList<Item> all = items();
    for (int i = 0; i < all.size(); ++i) {
        const Item &item = all.at(i);
        const bool isWhole = item.frame || isCode(m_doc.findBlockByNumber(item.blockNumber));
        const qreal height = bottom(item) - top(item);
        if (isWhole && height < m_pageHeight && pageOf(top(item)) != pageOf(bottom(item) - 1)) {
            breakBefore(all, i);
            continue;
        }
        if (i + 1 < all.size() && keepsWithNext(item)
            && pageOf(top(item)) != pageOf(enoughOf(all.at(i + 1)) - 1)
            && enoughOf(all.at(i + 1)) - top(item) < m_pageHeight)
            breakBefore(all, i + 1);
    }
}

void GuideBook::fillContents()
{
    // Pages first: every number written makes the layout flow again.
    QStringList pages;
    for (int number : qAsConst(m_chapterBlocks))
        pages << QString::number(pageOf(lineTop(m_doc.findBlockByNumber(number), 0)) + 1);
    for (int i = 0; i < m_contentsBlocks.size(); ++i) {
        QTextCursor cursor(m_doc.findBlockByNumber(m_contentsBlocks.at(i)));
        cursor.movePosition(QTextCursor::EndOfBlock);
        cursor.insertText(pages.value(i));
    }
}

void GuideBook::paint(QPdfWriter &pdf, qreal dot)
{
    const qreal left = mm(pageMarginMm, pdf);
    const qreal head = mm(headMarginMm, pdf);
    const qreal width = m_doc.pageSize().width();
    const int pages = m_doc.pageCount();
    const QString footer = QStringLiteral("%1 %2").arg(m_title, m_version);
    QPainter painter(&pdf);
    QFont footFont(QStringLiteral("DejaVu Sans"), 8);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            pdf.newPage();
        const QRectF view(0, page * m_pageHeight, width, m_pageHeight);
        painter.save();
        painter.translate(left, head - view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        context.palette.setColor(QPalette::Text, Qt::black);
        m_doc.documentLayout()->draw(&painter, context);
        painter.restore();

        const qreal footTop = head + m_pageHeight + mm(6, pdf);
        painter.setPen(QPen(ruleColour, 0.75 * dot));
        painter.drawLine(QPointF(left, footTop), QPointF(left + width, footTop));
        painter.setFont(QFont(footFont, &pdf));
        painter.setPen(QColor(0x44, 0x4c, 0x58));
        const QRectF footRect(left, footTop + mm(1.5, pdf), width, mm(6, pdf));
        painter.drawText(footRect, Qt::AlignLeft | Qt::AlignTop, footer);
        painter.drawText(footRect, Qt::AlignRight | Qt::AlignTop,
            QStringLiteral("page %1 of %2").arg(page + 1).arg(pages));
    }
}
