#include "draws/ui/draws_picture.h"

#include "widgets/picture_shapes.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>

TDrawsPicture::TDrawsPicture(const QSize &size, QWidget *parent) : QWidget(parent)
{
    setFixedSize(size);
}

void TDrawsPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();
    QLinearGradient sky(area.topLeft(), area.bottomRight());
    sky.setColorAt(0, QColor(0, 51, 153));
    sky.setColorAt(1, QColor(0, 102, 204));
    painter.fillRect(area, sky);

    // Twelve stars in a ring, as on the European flag.
    const QPointF centre(area.width() * 0.3, area.height() / 2);
    const double room = std::min(area.width() * 0.6, area.height());
    const double ring = room * 0.36;
    const double star = ring * 0.18;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 204, 0));
    for (int k = 0; k < 12; ++k) {
        const double angle = k * 3.14159265358979 / 6;
        const QPointF at(centre.x() + ring * std::sin(angle), centre.y() - ring * std::cos(angle));
        painter.drawPath(StarPath(at, star, star * 0.4));
    }
    QFont caption = font();
    caption.setBold(true);
    const QRectF text(area.width() * 0.6, 0, area.width() * 0.38, area.height());
    // The widest line, "EuroMillon", fills the caption's width.
    caption.setPixelSize(100);
    const double wide = QFontMetricsF(caption).horizontalAdvance(QStringLiteral("EuroMillon"));
    caption.setPixelSize(std::max(8, static_cast<int>(100 * text.width() * 0.95 / wide)));
    painter.setFont(caption);
    painter.setPen(Qt::white);
    painter.drawText(text, Qt::AlignCenter | Qt::TextWordWrap, QStringLiteral("QOR\nEuroMillon"));
}
