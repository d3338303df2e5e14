#include "draws/ui/profit_chart.h"

#include "draws/ui/draw_texts.h"
#include "widgets/command_guard.h"
#include "widgets/dialog_service.h"
#include "widgets/texts.h"

#include "draws/ui/draws_text_ids.h"
#include "model/exception.h"
#include "model/file_stream.h"
#include "model/format.h"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

double Units(Currency amount)
{
    return static_cast<double>(amount) / static_cast<double>(kCurrencyScale);
}

qint64 Milliseconds(double fecha)
{
    return DateDeFecha(fecha).startOfDay().toMSecsSinceEpoch();
}

QLineSeries *NewSeries(QChart *chart, const QColor &colour)
{
    auto *series = new QLineSeries(chart);
    QPen pen(colour);
    pen.setWidthF(2);
    series->setPen(pen);
    chart->addSeries(series);
    return series;
}

} // namespace

TProfitChart::TProfitChart(QWidget *parent) : QWidget(parent)
{
    chart_ = new QChart;
    chart_->setMargins(QMargins(2, 2, 2, 2));
    chart_->legend()->setAlignment(Qt::AlignBottom);
    coste_ = NewSeries(chart_, QColor(192, 0, 0));
    premios_ = NewSeries(chart_, QColor(0, 112, 192));
    beneficio_ = NewSeries(chart_, QColor(0, 128, 0));
    fechas_ = new QDateTimeAxis(chart_);
    fechas_->setFormat(QStringLiteral("MM/yy"));
    fechas_->setTickCount(5);
    importes_ = new QValueAxis(chart_);
    importes_->setLabelFormat(QStringLiteral("%.0f"));
    chart_->addAxis(fechas_, Qt::AlignBottom);
    chart_->addAxis(importes_, Qt::AlignLeft);
    for (QLineSeries *series : {coste_, premios_, beneficio_}) {
        series->attachAxis(fechas_);
        series->attachAxis(importes_);
    }

    view_ = new QChartView(chart_, this);
    view_->setObjectName(QStringLiteral("chvBeneficio"));
    view_->setRenderHint(QPainter::Antialiasing);
    bbGuardar = new QPushButton(this);
    bbGuardar->setObjectName(QStringLiteral("bbGuardarGrafico"));
    connect(bbGuardar, &QPushButton::clicked, this, [this] { RunCommand(this, [this] { Guardar(); }); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bbGuardar);
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 2);
    root->setSpacing(2);
    root->addWidget(view_, 1);
    root->addLayout(buttons);
    ApplyTexts();
    Mostrar({});
}

void TProfitChart::ApplyTexts()
{
    chart_->setTitle(Txt(kTxtChartTitle));
    coste_->setName(Txt(kTxtChartCost));
    premios_->setName(Txt(kTxtChartPrizes));
    beneficio_->setName(Txt(kTxtChartProfit));
    bbGuardar->setText(Txt(kTxtSaveChart));
}

void TProfitChart::Mostrar(const std::vector<TProfitPoint> &curva)
{
    QList<QPointF> coste, premios, beneficio;
    double lowest = 0, highest = 1;
    for (const TProfitPoint &punto : curva) {
        const auto x = static_cast<qreal>(Milliseconds(punto.Fecha));
        coste.append({x, Units(punto.CosteAcumulado)});
        premios.append({x, Units(punto.PremiosAcumulados)});
        beneficio.append({x, Units(punto.Beneficio)});
        lowest = std::min({lowest, Units(punto.Beneficio), Units(punto.CosteAcumulado)});
        highest = std::max({highest, Units(punto.CosteAcumulado), Units(punto.PremiosAcumulados)});
    }
    coste_->replace(coste);
    premios_->replace(premios);
    beneficio_->replace(beneficio);
    puntos_ = static_cast<int>(curva.size());

    const qint64 first = curva.empty() ? Milliseconds(38030) : Milliseconds(curva.front().Fecha);
    const qint64 last = curva.empty() ? first : Milliseconds(curva.back().Fecha);
    constexpr qint64 kDay = 24LL * 3600 * 1000;
    fechas_->setRange(QDateTime::fromMSecsSinceEpoch(first - kDay),
                      QDateTime::fromMSecsSinceEpoch(last + kDay));
    fechas_->setFormat(last - first > 120 * kDay ? QStringLiteral("MM/yy") : QStringLiteral("dd/MM/yy"));
    const double margin = (highest - lowest) * 0.05;
    importes_->setRange(lowest - margin, highest + margin);
    importes_->applyNiceNumbers();
    bbGuardar->setEnabled(!curva.empty());
}

void TProfitChart::Guardar()
{
    const QString path = DialogService::SaveFileName(this, Txt(kTxtChartPngFilter), QStringLiteral("png"));
    if (path.isEmpty())
        return;
    GuardarPng(path);
    DialogService::ShowMessage(
        this, QString::fromStdString(FormatText(GetText(kTxtSavedFile), {path.toStdString()})));
}

void TProfitChart::GuardarPng(const QString &path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QPixmap picture = view_->grab();
    if (picture.isNull() || !picture.save(&buffer, "PNG"))
        throw Exception(FormatText(GetText(kTxtChartNotSaved), {path.toStdString()}));
    TSafeFileStream file(path.toStdString());
    file.Write(bytes.constData(), static_cast<size_t>(bytes.size()));
    file.Commit();
}
