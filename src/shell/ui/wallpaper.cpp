#include "shell/ui/wallpaper.h"

#include <QPaintEvent>
#include <QPainter>

namespace {
constexpr int kRightMargin = 30;
constexpr int kBottomMargin = 20;
} // namespace

TWallPaper::TWallPaper(const QPixmap &picture) : picture_(picture) {}

QPoint TWallPaper::Position(const QSize &areaSize) const
{
    const QSize size = picture_.deviceIndependentSize().toSize();
    return {areaSize.width() - size.width() - kRightMargin,
            areaSize.height() - size.height() - kBottomMargin};
}

void TWallPaper::Paint(QPainter &painter, const QSize &areaSize) const
{
    if (!picture_.isNull())
        painter.drawPixmap(Position(areaSize), picture_);
}

TMdiClientArea::TMdiClientArea(QWidget *parent) : QMdiArea(parent) {}

TMdiClientArea::~TMdiClientArea() = default;

void TMdiClientArea::SetWallPaper(std::unique_ptr<TWallPaper> wallPaper)
{
    wallPaper_ = std::move(wallPaper);
    viewport()->update();
}

void TMdiClientArea::paintEvent(QPaintEvent *event)
{
    QMdiArea::paintEvent(event); // the normal background first
    if (!wallPaper_)
        return;
    QPainter painter(viewport());
    painter.setClipRegion(event->region());
    wallPaper_->Paint(painter, viewport()->size());
}
