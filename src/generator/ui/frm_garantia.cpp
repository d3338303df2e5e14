#include "generator/ui/frm_garantia.h"

#include "generator/ui/guarantee_panel.h"
#include "widgets/command_guard.h"
#include "widgets/texts.h"

#include "generator/guarantee_report.h"
#include "generator/selection_text.h"
#include "generator/ui/generator_text_ids.h"
#include "model/euromillon_apuestas.h"
#include "model/exception.h"
#include "model/format.h"
#include "model/game_constants.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TFRMGarantia::TFRMGarantia(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FRMGarantia"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMaximizeButtonHint);
    auto label = [this](const char *name) {
        auto *newLabel = new QLabel(this);
        newLabel->setObjectName(QString::fromLatin1(name));
        return newLabel;
    };
    auto edit = [this](const char *name) {
        auto *newEdit = new QLineEdit(this);
        newEdit->setObjectName(QString::fromLatin1(name));
        return newEdit;
    };
    auto button = [this](const char *name) {
        auto *newButton = new QPushButton(this);
        newButton->setObjectName(QString::fromLatin1(name));
        newButton->setMinimumSize(76, 26);
        newButton->setAutoDefault(false);
        return newButton;
    };
    lNumeros = label("lNumeros");
    lEstrellas = label("lEstrellas");
    ebNumeros = edit("ebNumeros");
    ebEstrellas = edit("ebEstrellas");
    ebEstrellas->setMaximumWidth(
        ebEstrellas->fontMetrics().horizontalAdvance(QStringLiteral("1,2,3,4,5,6,7,8,9")) + 16);
    lNumeros->setBuddy(ebNumeros);
    lEstrellas->setBuddy(ebEstrellas);
    bbCalcular = button("bbCalcular");
    bbCerrar = button("bbCerrar");
    panel_ = new TGuaranteePanel(this);
    connect(bbCalcular, &QPushButton::clicked, this, [this] { RunCommand(this, [this] { Calculate(); }); });
    connect(bbCerrar, &QPushButton::clicked, this, &TFRMGarantia::reject);
    for (QLineEdit *field : {ebNumeros, ebEstrellas})
        connect(field, &QLineEdit::returnPressed, bbCalcular, &QPushButton::click);

    auto *selection = new QHBoxLayout;
    selection->addWidget(lNumeros);
    selection->addWidget(ebNumeros, 1);
    selection->addSpacing(8);
    selection->addWidget(lEstrellas);
    selection->addWidget(ebEstrellas);
    selection->addSpacing(8);
    selection->addWidget(bbCalcular);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bbCerrar);
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(12, 12, 12, 10);
    root->addLayout(selection);
    root->addSpacing(4);
    root->addWidget(panel_, 1);
    root->addLayout(buttons);
    ApplyTexts();
}

void TFRMGarantia::ApplyTexts()
{
    setWindowTitle(Txt(kTxtGuaranteeCaption));
    lNumeros->setText(Txt(kTxtGuaranteeNumbers));
    lEstrellas->setText(Txt(kTxtGuaranteeStars));
    bbCalcular->setText(Txt(kTxtGuaranteeCalculate));
    bbCerrar->setText(Txt(kTxtGuaranteeClose));
    panel_->ApplyTexts();
}

void TFRMGarantia::SetCombination(const TEuroMillonApuestas &combination)
{
    bets_ = combination.Masks();
    edition_ = combination.Edition();
    const BetMask own = SelectionOfBets(bets_);
    ebNumeros->setText(QString::fromStdString(SelectionValuesText(own, kBlockNumbers, edition_)));
    ebEstrellas->setText(QString::fromStdString(SelectionValuesText(own, kBlockStars, edition_)));
    panel_->SetEdition(edition_);
    panel_->Clear();
    if (edition_ == TGameEdition::Current)
        ebEstrellas->setMaximumWidth(
            ebEstrellas->fontMetrics().horizontalAdvance(QStringLiteral("1,2,4,5,7,8,10,11")) + 16);
    calculated_ = false;
}

BetMask TFRMGarantia::ReadSelection() const
{
    BetMask selection = 0;
    for (auto [field, block] : {std::pair{ebNumeros, kBlockNumbers}, std::pair{ebEstrellas, kBlockStars}}) {
        const std::string text = field->text().toStdString();
        const std::optional<BetMask> values = ParseSelectionValues(text, block, edition_);
        if (!values) {
            field->setFocus();
            throw Exception(FormatText(GetText(kTxtGuaranteeInvalidList), {text}));
        }
        selection |= *values;
    }
    if (CountNumbers(selection) < 5 || CountStars(selection) < 2)
        throw Exception(GetText(kTxtGuaranteeSelectionTooSmall));
    return selection;
}

bool TFRMGarantia::Calculate()
{
    calculated_ = true;
    const BetMask selection = ReadSelection();
    bbCalcular->setEnabled(false);
    bool completed = false;
    try {
        completed = panel_->Analyse(bets_, selection);
    } catch (...) {
        bbCalcular->setEnabled(true);
        throw;
    }
    bbCalcular->setEnabled(true);
    return completed;
}

void TFRMGarantia::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!calculated_) {
        calculated_ = true;
        QTimer::singleShot(0, this, [this] { RunCommand(this, [this] { Calculate(); }); });
    }
}

void TFRMGarantia::reject()
{
    // The analysis runs below this call on the stack: stop it first and let
    // the window close once it has returned.
    if (panel_->Busy()) {
        panel_->Cancel();
        QTimer::singleShot(0, this, &TFRMGarantia::reject);
        return;
    }
    QDialog::reject();
}

void ShowGuaranteeWindow(QWidget *owner, const TEuroMillonApuestas &combination)
{
    TFRMGarantia window(owner);
    window.SetCombination(combination);
    window.resize(980, 520);
    window.exec();
}
