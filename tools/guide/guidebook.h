// The user guide as a printed book: styled headings, captions under the pictures, a contents list
// with page numbers, page breaks that keep a heading with its text and a table or picture whole,
// and a footer with the guide's name and the page number on every page.
#pragma once

#include <QSizeF>
#include <QString>
#include <QTextDocument>

class QPdfWriter;
class QTextBlock;
class QTextFrame;

class GuideBook
{
public:
    // Reads the Markdown text; pictures are looked up relative to pictureDir.
    GuideBook(const QString &markdown, const QString &pictureDir, const QString &version);

    // Lays the book out on the writer's pages and writes them. Returns false, having said why on
    // standard error, when a picture cannot be read.
    bool write(QPdfWriter &pdf);

private:
    // One block or table of the top level, in reading order.
    struct Item
    {
        QTextFrame *frame = nullptr; // a table; otherwise the block
        int blockNumber = -1;
        int lastBlock = -1; // a code block is one item of many blocks
    };

    void style();
    int fitPictures(QSizeF room);
    void insertContents(qreal textWidth);
    void keepTogether();
    void fillContents();
    void paint(QPdfWriter &pdf, qreal dot);

    QList<Item> items() const;
    qreal top(const Item &item) const;
    qreal bottom(const Item &item) const;
    qreal enoughOf(const Item &item) const;
    bool keepsWithNext(const Item &item) const;
    bool breakBefore(const QList<Item> &all, int index);
    void relayout();
    int pageOf(qreal y) const;

    QTextDocument m_doc;
    QString m_pictureDir;
    QString m_version;
    QString m_title;
    QList<int> m_contentsBlocks; // the contents lines, each followed by the heading it names
    QList<int> m_chapterBlocks;
    qreal m_pageHeight = 0;
};
