// Turns a Markdown manual into a PDF: a title page, a table of contents
// with the page of every chapter and section (each entry a link to it), each chapter on a new page,
// page numbers at the foot, text kept as text (selectable, searchable).
//   qor_make_manual INPUT.md OUTPUT.pdf CONTENTS_TITLE PICTURES_FOLDER
// The first level-1 heading is the title; every later one starts a chapter.
// CONTENTS_TITLE heads the table of contents ("Índice"). Pictures are named
// by file name in PICTURES_FOLDER (the windows grabbed in the manual's
// language); a missing one is an error.
#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

struct Heading {
    int level = 0;
    QString text;
    int page = 0; // body page from 0
};

const QFont &BodyFont()
{
    // No ligatures: text copied or searched in the PDF reads "fi", not one glyph.
    static const QFont font = [] {
        QFont base(QStringLiteral("DejaVu Sans"), 11);
        base.setStyleStrategy(QFont::PreferNoShaping);
        return base;
    }();
    return font;
}

void Prepare(QTextDocument &doc, QPdfWriter &writer, const QSizeF &page)
{
    doc.documentLayout()->setPaintDevice(&writer);
    doc.setDefaultFont(BodyFont());
    doc.setPageSize(page);
    doc.setDocumentMargin(0);
}

// Pictures (screenshots of the windows) at four fifths of their size on a
// screen, never wider than the page. Picture sizes are in screen pixels
// (96 per inch); the layout scales them to the writer's resolution.
void ScalePictures(QTextDocument &doc, const QUrl &base, qreal pageWidth, int resolution)
{
    const qreal scale = 0.8;
    pageWidth = pageWidth * 96.0 / resolution;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            const QImage picture(base.resolved(QUrl(format.name())).toLocalFile());
            if (picture.isNull())
                continue;
            const qreal width = std::min(pageWidth, picture.width() * scale);
            format.setWidth(width);
            format.setHeight(width * picture.height() / picture.width());
            QTextCursor cursor(&doc);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
}

// Every chapter after the first starts on a new page; returns the chapter
// and section headings of the body.
std::vector<Heading> MarkChapters(QTextDocument &body)
{
    std::vector<Heading> headings;
    for (QTextBlock block = body.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level < 1 || level > 2)
            continue;
        if (level == 1 && block != body.begin()) {
            QTextCursor cursor(block);
            QTextBlockFormat format = block.blockFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            cursor.setBlockFormat(format);
        }
        headings.push_back({level, block.text(), 0});
    }
    return headings;
}

// The body page (from 0) on which each heading stands.
void FindPages(QTextDocument &body, std::vector<Heading> &headings, qreal pageHeight)
{
    size_t next = 0;
    for (QTextBlock block = body.begin(); block.isValid() && next < headings.size(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level < 1 || level > 2)
            continue;
        const qreal top = body.documentLayout()->blockBoundingRect(block).top();
        headings[next++].page = static_cast<int>(std::floor(top / pageHeight + 1e-6));
    }
}

// The link to a page as written in the table of contents, turned into an
// internal jump once the PDF is written (see LinkPagesInPlace).
QString PageLinkTarget(int page)
{
    return QStringLiteral("#qor-page-%1-%2")
        .arg(page, 4, 10, QLatin1Char('0'))
        .arg(QString(24, QLatin1Char('x')));
}

// Qt writes a link as a web address; the table of contents' links become
// jumps to their pages here. Each replacement keeps the object's length
// (padded with spaces), so the file's cross-reference offsets stay right.
bool LinkPagesInPlace(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray pdf = file.readAll();
    const qsizetype pagesAt = pdf.indexOf("/Type /Pages");
    const qsizetype open = pdf.indexOf('[', pagesAt);
    const qsizetype close = pdf.indexOf(']', open);
    if (pagesAt < 0 || open < 0 || close < 0)
        return false;
    const QList<QByteArray> kids = pdf.mid(open + 1, close - open - 1).simplified().split(' ');
    QList<QByteArray> pageObjects;
    for (qsizetype i = 0; i + 2 < kids.size(); i += 3)
        pageObjects << kids.at(i);
    static const QByteArray marker = "/S /URI\n/URI (#qor-page-";
    for (qsizetype at = pdf.indexOf(marker); at >= 0; at = pdf.indexOf(marker, at + 1)) {
        const qsizetype end = pdf.indexOf(')', at);
        const int page = pdf.mid(at + marker.size(), 4).toInt();
        if (end < 0 || page < 1 || page > pageObjects.size())
            return false;
        QByteArray jump = "/S /GoTo /D [" + pageObjects.at(page - 1) + " 0 R /XYZ null null null]";
        const qsizetype length = end + 1 - at;
        if (jump.size() > length)
            return false;
        jump.append(QByteArray(length - jump.size(), ' '));
        pdf.replace(at, length, jump);
    }
    return file.seek(0) && file.write(pdf) == pdf.size();
}

QString TableOfContents(const QString &title, const std::vector<Heading> &headings, int firstBodyPage)
{
    QString html = QStringLiteral("<h1>%1</h1><table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\">")
                       .arg(title.toHtmlEscaped());
    for (const Heading &heading : headings) {
        const QString indent = heading.level == 1 ? QString() : QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;");
        const QString text = heading.level == 1
                                 ? QStringLiteral("<b>%1</b>").arg(heading.text.toHtmlEscaped())
                                 : heading.text.toHtmlEscaped();
        const int page = heading.page + firstBodyPage;
        html += QStringLiteral("<tr><td>%1<a href=\"%2\" style=\"color:#000000; "
                               "text-decoration:none\">%3</a></td><td align=\"right\">%4</td></tr>")
                    .arg(indent, PageLinkTarget(page), text)
                    .arg(page);
    }
    return html + QStringLiteral("</table>");
}

// Draws every page of doc, each followed by its number at the foot.
void DrawPages(QPainter &painter, QPdfWriter &writer, QTextDocument &doc, const QSizeF &page, int &pageNumber,
               bool &firstPage)
{
    const int pages = doc.pageCount();
    for (int i = 0; i < pages; ++i) {
        if (!firstPage)
            writer.newPage();
        firstPage = false;
        painter.save();
        painter.translate(0, -i * page.height());
        // A line that opens the next page starts right at this page's edge: the
        // rectangle stops a hair short, so a picture there is not drawn (nor
        // stored) on this page as well.
        const QRectF visible(0, i * page.height(), page.width(), page.height() - 1);
        doc.drawContents(&painter, visible);
        painter.restore();
        painter.setFont(BodyFont());
        const QRectF foot(0, page.height(), page.width(), writer.resolution() / 2.0);
        painter.drawText(foot, Qt::AlignHCenter | Qt::AlignBottom, QString::number(pageNumber));
        ++pageNumber;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: qor_make_manual INPUT.md OUTPUT.pdf CONTENTS_TITLE PICTURES_FOLDER\n");
        return 2;
    }
    QFile input(QString::fromLocal8Bit(argv[1]));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "qor_make_manual: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString markdown = QString::fromUtf8(input.readAll());
    // The opening (title and introduction) runs up to the first chapter.
    const QRegularExpression chapter(QStringLiteral("^# "), QRegularExpression::MultilineOption);
    const qsizetype title = markdown.indexOf(chapter);
    const qsizetype firstChapter = markdown.indexOf(chapter, title < 0 ? 0 : title + 1);
    if (title < 0 || firstChapter < 0) {
        std::fprintf(stderr, "qor_make_manual: %s has no title and chapters\n", argv[1]);
        return 1;
    }

    const QUrl base =
        QUrl::fromLocalFile(QFileInfo(QString::fromLocal8Bit(argv[4])).absoluteFilePath() + QLatin1Char('/'));
    // Every picture is checked before the PDF is started, so a failed run leaves none behind.
    const QRegularExpression pictureReference(QStringLiteral("!\\[[^\\]]*\\]\\(([^)\\s]+)\\)"));
    for (auto it = pictureReference.globalMatch(markdown); it.hasNext();) {
        const QString path = base.resolved(QUrl(it.next().captured(1))).toLocalFile();
        if (QImage(path).isNull()) {
            std::fprintf(stderr, "qor_make_manual: cannot read the picture %s\n", qPrintable(path));
            return 1;
        }
    }

    QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 20, 20, 25), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setCreator(QStringLiteral("QOR-EuroMillon"));
    const QRect paint = writer.pageLayout().paintRectPixels(writer.resolution());
    const QSizeF page(paint.width(), paint.height());

    QTextDocument opening;
    Prepare(opening, writer, page);
    opening.setBaseUrl(base);
    opening.setMarkdown(markdown.left(firstChapter));
    writer.setTitle(opening.begin().text());

    QTextDocument body;
    Prepare(body, writer, page);
    body.setBaseUrl(base);
    body.setMarkdown(markdown.mid(firstChapter));
    ScalePictures(body, base, page.width(), writer.resolution());
    std::vector<Heading> headings = MarkChapters(body);
    FindPages(body, headings, page.height());

    const QString contentsTitle = QString::fromUtf8(argv[3]);
    QTextDocument contents;
    Prepare(contents, writer, page);
    contents.setHtml(TableOfContents(contentsTitle, headings, 0));
    const int firstBodyPage = opening.pageCount() + contents.pageCount() + 1;
    contents.setHtml(TableOfContents(contentsTitle, headings, firstBodyPage));

    QPainter painter(&writer);
    int pageNumber = 1;
    bool firstPage = true;
    DrawPages(painter, writer, opening, page, pageNumber, firstPage);
    DrawPages(painter, writer, contents, page, pageNumber, firstPage);
    DrawPages(painter, writer, body, page, pageNumber, firstPage);
    painter.end();
    if (!LinkPagesInPlace(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "qor_make_manual: cannot link the contents of %s\n", argv[2]);
        return 1;
    }
    return 0;
}
