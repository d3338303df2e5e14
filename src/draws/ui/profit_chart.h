#pragma once

#include "draws/prize_range.h"

#include <QWidget>

#include <vector>

class QChart;
class QChartView;
class QDateTimeAxis;
class QLineSeries;
class QPushButton;
class QValueAxis;

// The chart page of the prizes window: cumulative cost, cumulative prizes
// and running profit per draw date over the range of the last run, with a
// button that saves the chart as a PNG image.
class TProfitChart : public QWidget {
    Q_OBJECT

public:
    explicit TProfitChart(QWidget *parent = nullptr);

    // Replaces the plotted points (oldest first); none empties the chart.
    void Mostrar(const std::vector<TProfitPoint> &curva);
    int Puntos() const { return puntos_; }
    void ApplyTexts();

    // Asks for a file name and saves the chart there.
    void Guardar();
    // The chart as a PNG image, written through the safe save. Raises
    // Exception (45227) when the image cannot be made, and the file errors.
    void GuardarPng(const QString &path);
    QChartView *View() const { return view_; }

private:
    QChart *chart_ = nullptr;
    QChartView *view_ = nullptr;
    QLineSeries *coste_ = nullptr;
    QLineSeries *premios_ = nullptr;
    QLineSeries *beneficio_ = nullptr;
    QDateTimeAxis *fechas_ = nullptr;
    QValueAxis *importes_ = nullptr;
    QPushButton *bbGuardar = nullptr;
    int puntos_ = 0;
};
