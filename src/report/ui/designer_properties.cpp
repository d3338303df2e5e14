#include "report/ui/designer_properties.h"

#include "widgets/texts.h"

#include "report/report_units.h"
#include "report/ui/report_text_ids.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSpinBox>

#include <cmath>

namespace {

constexpr int32_t kFrameSides[4] = {frbLeft, frbTop, frbRight, frbBottom};
constexpr const char *kFrameNames[4] = {"cbFrameLeft", "cbFrameTop", "cbFrameRight", "cbFrameBottom"};
constexpr const char *kBoundNames[4] = {"sbLeft", "sbTop", "sbWidth", "sbHeight"};

template <typename T> T *Named(T *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QString Qt8(const std::string &text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

TfrDesignProperties::TfrDesignProperties(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DesignProperties"));
    auto *form = new QFormLayout(this);
    edName_ = Named(new QLineEdit(this), "edName");
    edExpression_ = Named(new QLineEdit(this), "edExpression");
    edFont_ = Named(new QLineEdit(this), "edFont");
    sbFontSize_ = Named(new QSpinBox(this), "sbFontSize");
    sbFontSize_->setRange(1, 1000);
    cbBold_ = Named(new QCheckBox(Txt(kTxtPropertyBold), this), "cbBold");
    cbItalic_ = Named(new QCheckBox(Txt(kTxtPropertyItalic), this), "cbItalic");
    cbAlignment_ = Named(new QComboBox(this), "cbAlignment");
    cbAlignment_->addItems({Txt(kTxtAlignLeft), Txt(kTxtAlignRight), Txt(kTxtAlignCentre)});
    form->addRow(Txt(kTxtPropertyName), edName_);
    form->addRow(Txt(kTxtPropertyExpression), edExpression_);
    form->addRow(Txt(kTxtPropertyFont), edFont_);
    form->addRow(Txt(kTxtPropertySize), sbFontSize_);
    auto *style = new QHBoxLayout;
    style->addWidget(cbBold_);
    style->addWidget(cbItalic_);
    form->addRow(QString(), style);
    form->addRow(Txt(kTxtPropertyAlignment), cbAlignment_);
    auto *frame = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        frame_[i] = Named(new QCheckBox(Txt(uint16_t(kTxtFrameLeft + i)), this), kFrameNames[i]);
        frame->addWidget(frame_[i]);
        connect(frame_[i], &QCheckBox::toggled, this, &TfrDesignProperties::Edited);
    }
    form->addRow(Txt(kTxtPropertyFrame), frame);
    for (int i = 0; i < 4; ++i) {
        bounds_[i] = Named(new QDoubleSpinBox(this), kBoundNames[i]);
        bounds_[i]->setDecimals(1);
        bounds_[i]->setRange(i < 2 ? -10000.0 : 0.0, 10000.0);
        bounds_[i]->setSuffix(QStringLiteral(" mm"));
        form->addRow(Txt(uint16_t(kTxtPropertyLeft + i)), bounds_[i]);
        connect(bounds_[i], &QDoubleSpinBox::editingFinished, this, &TfrDesignProperties::Edited);
    }
    for (QLineEdit *edit : {edName_, edExpression_, edFont_})
        connect(edit, &QLineEdit::editingFinished, this, &TfrDesignProperties::Edited);
    connect(sbFontSize_, &QSpinBox::editingFinished, this, &TfrDesignProperties::Edited);
    for (QCheckBox *box : {cbBold_, cbItalic_})
        connect(box, &QCheckBox::toggled, this, &TfrDesignProperties::Edited);
    connect(cbAlignment_, &QComboBox::activated, this, &TfrDesignProperties::Edited);
    Show(nullptr);
}

void TfrDesignProperties::Show(const TfrView *view)
{
    showing_ = true;
    shown_ = view ? *view : TfrView();
    const bool memo = view && view->Kind == TfrViewKind::Memo;
    const bool expression = memo || (view && view->Kind == TfrViewKind::CheckBox);
    edName_->setText(Qt8(shown_.Name));
    edExpression_->setText(Qt8(shown_.Memo));
    edFont_->setText(Qt8(shown_.Font.Family));
    sbFontSize_->setValue(shown_.Font.Size);
    cbBold_->setChecked(shown_.Font.Bold);
    cbItalic_->setChecked(shown_.Font.Italic);
    cbAlignment_->setCurrentIndex(shown_.Alignment & frtaHorizontalMask);
    const int32_t values[4] = {shown_.Left, shown_.Top, shown_.Width, shown_.Height};
    for (int i = 0; i < 4; ++i) {
        frame_[i]->setChecked((shown_.Frame & kFrameSides[i]) != 0);
        frame_[i]->setEnabled(view != nullptr);
        bounds_[i]->setValue(UnitsToMillimetres(values[i]));
        bounds_[i]->setEnabled(view != nullptr);
    }
    edName_->setEnabled(view != nullptr);
    edExpression_->setEnabled(expression);
    for (QWidget *field :
         std::initializer_list<QWidget *>{edFont_, sbFontSize_, cbBold_, cbItalic_, cbAlignment_})
        field->setEnabled(memo);
    showing_ = false;
}

void TfrDesignProperties::Edited()
{
    if (showing_ || !edName_->isEnabled())
        return;
    TfrView edited = shown_;
    edited.Name = edName_->text().toStdString();
    edited.Memo = edExpression_->text().toStdString();
    edited.Font.Family = edFont_->text().toStdString();
    edited.Font.Size = sbFontSize_->value();
    edited.Font.Bold = cbBold_->isChecked();
    edited.Font.Italic = cbItalic_->isChecked();
    edited.Alignment = (edited.Alignment & ~frtaHorizontalMask) | std::max(0, cbAlignment_->currentIndex());
    edited.Frame = 0;
    for (int i = 0; i < 4; ++i) {
        if (frame_[i]->isChecked())
            edited.Frame |= kFrameSides[i];
    }
    int32_t *targets[4] = {&edited.Left, &edited.Top, &edited.Width, &edited.Height};
    for (int i = 0; i < 4; ++i) {
        // A value the field still shows as it was keeps its exact units.
        const double shownMm = std::round(UnitsToMillimetres(*targets[i]) * 10.0) / 10.0;
        if (std::abs(bounds_[i]->value() - shownMm) > 1e-9)
            *targets[i] = int32_t(std::lround(bounds_[i]->value() * kUnitsPerMillimetre));
    }
    if (edited == shown_)
        return;
    shown_ = edited;
    if (OnEdit)
        OnEdit(edited);
}
