#include "shell/ui/shell_icon_engine.h"

#include "widgets/picture_shapes.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <map>

namespace {

using Drawing = void (*)(QPainter *);

const QColor kInk(0x2E, 0x34, 0x40);
const QColor kPaper(0xFA, 0xFA, 0xF6);
const QColor kBlue(0x25, 0x5C, 0xC0);
const QColor kGold(0xF2, 0xB8, 0x00);
const QColor kGreen(0x2E, 0x9A, 0x3C);
const QColor kRed(0xC8, 0x2A, 0x2A);

QPen InkPen(double width = 1.4, const QColor &colour = kInk)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Page(QPainter *p)
{
    QPainterPath sheet;
    sheet.moveTo(5, 2.5);
    sheet.lineTo(14.5, 2.5);
    sheet.lineTo(19.5, 7.5);
    sheet.lineTo(19.5, 21.5);
    sheet.lineTo(5, 21.5);
    sheet.closeSubpath();
    p->setPen(InkPen());
    p->setBrush(kPaper);
    p->drawPath(sheet);
    p->drawPolyline(QPolygonF({QPointF(14.5, 2.5), QPointF(14.5, 7.5), QPointF(19.5, 7.5)}));
}

void Floppy(QPainter *p)
{
    QPainterPath body;
    body.moveTo(3.5, 3.5);
    body.lineTo(17.5, 3.5);
    body.lineTo(20.5, 6.5);
    body.lineTo(20.5, 20.5);
    body.lineTo(3.5, 20.5);
    body.closeSubpath();
    p->setPen(InkPen());
    p->setBrush(kBlue);
    p->drawPath(body);
    p->setBrush(kPaper);
    p->drawRect(QRectF(7, 3.5, 9, 6));
    p->drawRect(QRectF(6.5, 13, 11, 7.5));
}

void Arrow(QPainter *p, bool right, double x)
{
    // A filled triangle pointing left or right whose tip stands at x.
    const double back = right ? x - 8 : x + 8;
    p->setPen(InkPen(1.2, kBlue.darker(140)));
    p->setBrush(kBlue);
    p->drawPolygon(QPolygonF({QPointF(x, 12), QPointF(back, 5), QPointF(back, 19)}));
}

void Bar(QPainter *p, double x)
{
    p->setPen(Qt::NoPen);
    p->setBrush(kBlue.darker(130));
    p->drawRect(QRectF(x, 5, 2.5, 14));
}

void Window(QPainter *p, const QRectF &r)
{
    p->setPen(InkPen(1.2));
    p->setBrush(kPaper);
    p->drawRect(r);
    p->setBrush(kBlue);
    p->drawRect(QRectF(r.left(), r.top(), r.width(), 3));
}

void Ball(QPainter *p, QPointF c, double r)
{
    p->setPen(InkPen(1.1));
    p->setBrush(kPaper);
    p->drawEllipse(c, r, r);
}

void NewDocument(QPainter *p)
{
    Page(p);
    p->setPen(InkPen(2.2, kGreen));
    p->drawLine(QPointF(12, 11), QPointF(12, 19));
    p->drawLine(QPointF(8, 15), QPointF(16, 15));
}

void OpenFolder(QPainter *p)
{
    p->setPen(InkPen());
    p->setBrush(kGold.darker(115));
    p->drawPolygon(QPolygonF({QPointF(2.5, 5), QPointF(9, 5), QPointF(11, 7.5), QPointF(19.5, 7.5),
                              QPointF(19.5, 19.5), QPointF(2.5, 19.5)}));
    p->setBrush(kGold);
    p->drawPolygon(QPolygonF({QPointF(2.5, 19.5), QPointF(6, 11), QPointF(22, 11), QPointF(19.5, 19.5)}));
}

void FloppyAndPencil(QPainter *p)
{
    Floppy(p);
    p->setPen(InkPen(1.0));
    p->setBrush(kGold);
    p->drawPolygon(QPolygonF(
        {QPointF(13, 21), QPointF(14, 17.5), QPointF(21, 10.5), QPointF(23.5, 13), QPointF(16.5, 20)}));
}

void Printer(QPainter *p)
{
    p->setPen(InkPen());
    p->setBrush(kPaper);
    p->drawRect(QRectF(6.5, 2.5, 11, 7));
    p->setBrush(QColor(0x9A, 0xA4, 0xB4));
    p->drawRoundedRect(QRectF(2.5, 9.5, 19, 8), 1.5, 1.5);
    p->setBrush(kPaper);
    p->drawRect(QRectF(6.5, 14.5, 11, 7));
    p->drawLine(QPointF(8.5, 17.5), QPointF(15.5, 17.5));
}

void Bin(QPainter *p)
{
    p->setPen(InkPen());
    p->setBrush(QColor(0xD8, 0xDC, 0xE4));
    p->drawPolygon(QPolygonF({QPointF(6, 7), QPointF(18, 7), QPointF(16.8, 21.5), QPointF(7.2, 21.5)}));
    p->drawLine(QPointF(4, 6), QPointF(20, 6));
    p->drawLine(QPointF(10, 3.5), QPointF(14, 3.5));
    p->drawLine(QPointF(10, 10), QPointF(10, 18.5));
    p->drawLine(QPointF(14, 10), QPointF(14, 18.5));
}

void CascadedWindows(QPainter *p)
{
    Window(p, QRectF(2.5, 2.5, 12, 9));
    Window(p, QRectF(6, 7, 12, 9));
    Window(p, QRectF(9.5, 11.5, 12, 9));
}

void WindowsOneAboveTheOther(QPainter *p)
{
    Window(p, QRectF(2.5, 3, 19, 8));
    Window(p, QRectF(2.5, 13, 19, 8));
}

void WindowsSideBySide(QPainter *p)
{
    Window(p, QRectF(2.5, 3, 8.5, 18));
    Window(p, QRectF(13, 3, 8.5, 18));
}

void ToTheFirst(QPainter *p)
{
    Bar(p, 4);
    Arrow(p, false, 8);
    Arrow(p, false, 14);
}

void ToThePrevious(QPainter *p)
{
    Arrow(p, false, 8);
}

void ToTheNext(QPainter *p)
{
    Arrow(p, true, 16);
}

void ToTheLast(QPainter *p)
{
    Arrow(p, true, 10);
    Arrow(p, true, 16);
    Bar(p, 17.5);
}

void Tick(QPainter *p)
{
    p->setPen(InkPen(3.0, kGreen));
    p->drawPolyline(QPolygonF({QPointF(4, 12.5), QPointF(9.5, 18), QPointF(20, 6)}));
}

void Cross(QPainter *p)
{
    p->setPen(InkPen(3.0, kRed));
    p->drawLine(QPointF(5.5, 5.5), QPointF(18.5, 18.5));
    p->drawLine(QPointF(18.5, 5.5), QPointF(5.5, 18.5));
}

void RandomBet(QPainter *p)
{
    // Two lottery balls and a star: one bet drawn at random.
    Ball(p, QPointF(7.5, 15.5), 5);
    Ball(p, QPointF(15, 17), 4.5);
    p->setPen(InkPen(0.9, kGold.darker(140)));
    p->setBrush(kGold);
    p->drawPath(StarPath(QPointF(16.5, 7), 6, 2.6));
}

void GeneratedBets(QPainter *p)
{
    // Several balls fanning out of a star: many bets generated.
    p->setPen(InkPen(0.9, kGold.darker(140)));
    p->setBrush(kGold);
    p->drawPath(StarPath(QPointF(8, 9), 6.5, 2.8));
    Ball(p, QPointF(17.5, 6.5), 3.2);
    Ball(p, QPointF(18, 14.5), 3.2);
    Ball(p, QPointF(11.5, 19.5), 3.2);
}

void QuestionMark(QPainter *p)
{
    p->setPen(InkPen(1.2, kBlue.darker(140)));
    p->setBrush(kBlue);
    p->drawEllipse(QPointF(12, 12), 9.5, 9.5);
    p->setPen(InkPen(2.4, Qt::white));
    QPainterPath hook;
    hook.moveTo(8.8, 9.5);
    hook.cubicTo(8.8, 5.5, 15.5, 5.5, 15.2, 9.5);
    hook.cubicTo(15.0, 12, 12, 11.8, 12, 14.5);
    p->setBrush(Qt::NoBrush);
    p->drawPath(hook);
    p->drawPoint(QPointF(12, 17.8));
}

void LeavingDoor(QPainter *p)
{
    p->setPen(InkPen());
    p->setBrush(kPaper);
    p->drawRect(QRectF(3.5, 3.5, 10, 17));
    p->setPen(InkPen(2.2, kRed));
    p->drawLine(QPointF(9, 12), QPointF(21, 12));
    p->drawPolyline(QPolygonF({QPointF(17, 8), QPointF(21, 12), QPointF(17, 16)}));
}

void DetailedList(QPainter *p)
{
    p->setPen(InkPen(1.8));
    for (int row = 0; row < 4; ++row) {
        const double y = 5.5 + row * 4.5;
        p->drawPoint(QPointF(4, y));
        p->drawLine(QPointF(8, y), QPointF(20.5, y));
    }
}

// The drawings by the names of the freedesktop icon theme they stand in for.
const std::map<QString, Drawing> &Drawings()
{
    static const std::map<QString, Drawing> drawings = {
        {QStringLiteral("document-new"), NewDocument},
        {QStringLiteral("document-open"), OpenFolder},
        {QStringLiteral("document-save"), Floppy},
        {QStringLiteral("document-save-as"), FloppyAndPencil},
        {QStringLiteral("document-print"), Printer},
        {QStringLiteral("edit-delete"), Bin},
        {QStringLiteral("window-cascade"), CascadedWindows},
        {QStringLiteral("window-tile-horizontal"), WindowsOneAboveTheOther},
        {QStringLiteral("window-tile-vertical"), WindowsSideBySide},
        {QStringLiteral("go-first"), ToTheFirst},
        {QStringLiteral("go-previous"), ToThePrevious},
        {QStringLiteral("go-next"), ToTheNext},
        {QStringLiteral("go-last"), ToTheLast},
        {QStringLiteral("dialog-ok-apply"), Tick},
        {QStringLiteral("dialog-cancel"), Cross},
        {QStringLiteral("media-playlist-shuffle"), RandomBet},
        {QStringLiteral("system-run"), GeneratedBets},
        {QStringLiteral("help-contents"), QuestionMark},
        {QStringLiteral("application-exit"), LeavingDoor},
        {QStringLiteral("view-list-details"), DetailedList},
    };
    return drawings;
}

} // namespace

bool TShellIconEngine::Knows(const QString &name)
{
    return Drawings().count(name) > 0;
}

QStringList TShellIconEngine::Names()
{
    QStringList names;
    for (const auto &entry : Drawings())
        names << entry.first;
    return names;
}

void TShellIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State)
{
    const auto found = Drawings().find(name_);
    if (found == Drawings().end() || rect.isEmpty())
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    // Keep the drawing square and centred in whatever rectangle is asked.
    const double side = qMin(rect.width(), rect.height());
    painter->translate(rect.x() + (rect.width() - side) / 2.0, rect.y() + (rect.height() - side) / 2.0);
    painter->scale(side / 24.0, side / 24.0);
    if (mode == QIcon::Disabled)
        painter->setOpacity(0.35);
    found->second(painter);
    painter->restore();
}

QPixmap TShellIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    return picture;
}

QIconEngine *TShellIconEngine::clone() const
{
    return new TShellIconEngine(name_);
}

QString TShellIconEngine::key() const
{
    return QStringLiteral("TShellIconEngine");
}

QString TShellIconEngine::iconName()
{
    return name_;
}
