#include "widgets/ticket_renderer.h"

#include "model/euromillon_apuesta.h"
#include "model/game_constants.h"
#include "model/ticket_tables.h"
#include "widgets/picture_shapes.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>

namespace {

// Colours of the ticket (the system's 0xBBGGRR values written as RGB).
const QColor kNumberText(0xFF, 0x00, 0x00);
const QColor kStarText(0x00, 0x00, 0xFF);
const QColor kStarFill(0xFF, 0xD8, 0x1C);
const QColor kStarEdge(0xC0, 0x80, 0x00);

// The design font is 8 points on a 96 dpi screen; kept in pixels so that the
// same layout prints and renders in proportion on any device.
constexpr double kBoxFontPixels = 8.0 * 96.0 / 72.0;

void PaintStar(QPainter *painter, const QRectF &bounds)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(kStarEdge, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->setBrush(kStarFill);
    painter->drawPath(StarPathIn(bounds.adjusted(0.5, 0.5, -0.5, -0.5)));
    painter->restore();
}

} // namespace

const QColor TTicketRenderer::kFrameColour(0xC0, 0xC0, 0xC0);
const QColor TTicketRenderer::kModifiedFill(0x00, 0x00, 0x80);
const QColor TTicketRenderer::kAreaPen(0xFF, 0x00, 0x00);
const QColor TTicketRenderer::kNumbersFill(0xFF, 0xFF, 0xFF);
const QColor TTicketRenderer::kStarsFill(0xFF, 0xFF, 0x00);

TTicketBoxColours TTicketRenderer::DefaultColours(int block)
{
    return TTicketBoxColours{kFrameColour, Qt::white, block == kBlockStars ? kStarText : kNumberText,
                             Qt::black};
}

QFont TTicketRenderer::BoxFont() const
{
    QFont font;
    font.setPixelSize(std::max(1, RoundHalfEven(kBoxFontPixels * layout_.FontScale())));
    font.setBold(false);
    font.setItalic(false);
    return font;
}

QFont TTicketRenderer::FittedFont() const
{
    if (fittedFont_)
        return *fittedFont_;
    QRect inner;
    for (int value = kLowestValue[kBlockNumbers]; value <= kHighestValue[kBlockNumbers]; ++value) {
        const QRect box = layout_.BoxBounds(kBlockNumbers, value).adjusted(1, 1, -1, -1);
        if (inner.isNull() || box.width() < inner.width() || box.height() < inner.height())
            inner = QRect(0, 0, inner.isNull() ? box.width() : std::min(inner.width(), box.width()),
                          inner.isNull() ? box.height() : std::min(inner.height(), box.height()));
    }
    QFont font = BoxFont();
    const double room = inner.width() - 2.0;
    int pixels = std::min(font.pixelSize(), inner.height() - 1);
    // Glyph widths do not shrink in proportion at small sizes: step down.
    for (; pixels > 1; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetricsF(font).horizontalAdvance(QStringLiteral("88")) <= room)
            break;
    }
    font.setPixelSize(std::max(1, pixels));
    fittedFont_ = font;
    return font;
}

void TTicketRenderer::PaintFrame(QPainter *painter, const QRect &client, const QColor &fill) const
{
    painter->save();
    painter->fillRect(client, fill);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(kAreaPen, 1.0));
    const auto area = [&](const QRect &r, const QColor &inside) {
        if (r.isEmpty())
            return;
        // Corner ellipses of (right edge) div 6 across, i.e. half that radius.
        const double radius = ((r.x() + r.width()) / 6) / 2.0;
        painter->setBrush(inside);
        painter->drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    };
    area(layout_.NumbersArea(), kNumbersFill);
    area(layout_.StarsArea(), kStarsFill);
    painter->restore();
}

void TTicketRenderer::PaintBox(QPainter *painter, const QRect &bounds, int block, int value,
                               const TTicketBoxColours &colours, bool marked) const
{
    if (bounds.isEmpty())
        return;
    painter->save();
    if (block == kBlockStars) {
        PaintStar(painter, bounds);
    } else {
        painter->fillRect(bounds, colours.Back);
        painter->setPen(QPen(colours.Frame, 1.0));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(bounds).adjusted(0.5, 0.5, -0.5, -0.5));
    }

    const QRect inner = bounds.adjusted(1, 1, -1, -1);
    const QFont font = FittedFont();
    const QString number = QString::number(value);
    if (marked) {
        const QRectF cross = QRectF(inner.adjusted(2, 2, -2, -2));
        painter->save();
        // In the small star boxes a whole cross would hide 10, 11 and 12: its
        // arms stop short of the number there. Number boxes keep the whole cross.
        if (block == kBlockStars) {
            const QRect text = QFontMetrics(font).boundingRect(inner, Qt::AlignCenter, number);
            painter->setClipRegion(QRegion(inner).subtracted(QRegion(text.adjusted(-1, -1, 1, 1))));
        }
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(colours.Mark, 2.0, Qt::SolidLine, Qt::SquareCap));
        painter->drawLine(cross.topLeft(), cross.bottomRight());
        painter->drawLine(cross.topRight(), cross.bottomLeft());
        painter->restore();
    }

    painter->setClipRect(inner);
    painter->setFont(font);
    painter->setPen(colours.Text);
    painter->drawText(inner, Qt::AlignCenter, number);
    painter->setClipping(false);
    painter->restore();
}

void TTicketRenderer::PaintTicket(QPainter *painter, const QRect &client, const QColor &fill,
                                  const TEuroMillonApuesta &bet, const TColourHook &hook) const
{
    PaintFrame(painter, client, fill);
    for (int block = kBlockNumbers; block <= kBlockStars; ++block) {
        for (int value = kLowestValue[block]; value <= layout_.HighestValue(block); ++value) {
            TTicketBoxColours colours = DefaultColours(block);
            if (hook)
                hook(block, value, colours);
            PaintBox(painter, layout_.BoxBounds(block, value), block, value, colours,
                     bet.Block(block).IndexOf(value) >= 0);
        }
    }
}

QImage RenderTicketImage(const TEuroMillonApuesta &bet, QSize size, qreal devicePixelRatio)
{
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    const TTicketRenderer renderer(
        TTicketLayout(EnVigor().Formato, EnVigor().Geometria, size, GameRules(bet.Edition()).HighestStar));
    renderer.PaintTicket(&painter, QRect(QPoint(0, 0), size), Qt::white, bet);
    return image;
}
