#pragma once

#include <QIconEngine>
#include <QString>

// Icon engine drawing one of the shell's built-in icons with QPainter on a
// 24 x 24 design grid, scaled to whatever size is asked.
class TShellIconEngine : public QIconEngine {
public:
    explicit TShellIconEngine(const QString &name) : name_(name) {}

    // True when `name` has a built-in drawing.
    static bool Knows(const QString &name);
    static QStringList Names();

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QString key() const override;
    QString iconName() override;

private:
    QString name_;
};
