#pragma once

#include "report/report_objects.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;

// The selected object's properties: name, expression, font, alignment,
// frame and bounds. Bounds are shown in millimetres with one decimal and
// stored in engine units. Each edit hands the whole edited object to OnEdit.
//
// Object names for tests: edName, edExpression, edFont, sbFontSize,
// cbBold, cbItalic, cbAlignment, cbFrameLeft, cbFrameTop, cbFrameRight,
// cbFrameBottom, sbLeft, sbTop, sbWidth, sbHeight.
class TfrDesignProperties : public QWidget {
    Q_OBJECT
public:
    explicit TfrDesignProperties(QWidget *parent = nullptr);

    // Shows the object (null: nothing selected, every field disabled).
    void Show(const TfrView *view);

    std::function<void(const TfrView &edited)> OnEdit;

private:
    void Edited();

    TfrView shown_;
    bool showing_ = false;
    QLineEdit *edName_ = nullptr;
    QLineEdit *edExpression_ = nullptr;
    QLineEdit *edFont_ = nullptr;
    QSpinBox *sbFontSize_ = nullptr;
    QCheckBox *cbBold_ = nullptr;
    QCheckBox *cbItalic_ = nullptr;
    QComboBox *cbAlignment_ = nullptr;
    QCheckBox *frame_[4] = {};
    QDoubleSpinBox *bounds_[4] = {};
};
