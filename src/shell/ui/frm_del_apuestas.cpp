#include "shell/ui/frm_del_apuestas.h"

#include "widgets/command_guard.h"
#include "widgets/texts.h"

#include "model/euromillon_apuestas.h"
#include "model/exception.h"
#include "model/format.h"
#include "shell/ui/shell_text_ids.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace {

// A text that is not a decimal integer counts as 0.
int ToInteger(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : 0;
}

} // namespace

TFRMDelApuestas::TFRMDelApuestas(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FRMDelApuestas"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto newLabel = [this](const char *name) {
        auto *label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setMinimumWidth(111);
        return label;
    };
    auto newEdit = [this](const char *name) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 12);
        return edit;
    };
    lDesde = newLabel("lDesde");
    lHasta = newLabel("lHasta");
    ebDesde = newEdit("ebDesde");
    ebHasta = newEdit("ebHasta");
    lDesde->setBuddy(ebDesde);
    lHasta->setBuddy(ebHasta);

    bbOk = new QPushButton(this);
    bbOk->setObjectName(QStringLiteral("bbOk"));
    bbOk->setDefault(true);
    bbCancel = new QPushButton(this);
    bbCancel->setObjectName(QStringLiteral("bbCancel"));
    for (QPushButton *button : {bbOk, bbCancel})
        button->setMinimumSize(76, 26);
    connect(bbOk, &QPushButton::clicked, this, &TFRMDelApuestas::Accept);
    connect(bbCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    fields->addWidget(lDesde, 0, 0);
    fields->addWidget(ebDesde, 0, 1);
    fields->addWidget(lHasta, 1, 0);
    fields->addWidget(ebHasta, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(bbOk);
    buttons->addWidget(bbCancel);
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(12, 14, 12, 10);
    root->addLayout(fields);
    root->addSpacing(6);
    root->addLayout(buttons);
    titleWidth_ = new QSpacerItem(0, 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
    root->addSpacerItem(titleWidth_);
    root->setSizeConstraint(QLayout::SetFixedSize);

    ApplyTexts();
}

void TFRMDelApuestas::ApplyTexts()
{
    setWindowTitle(Txt(kTxtDeleteBetsCaption));
    lDesde->setText(Txt(kTxtFromBet));
    lHasta->setText(Txt(kTxtToBet));
    bbOk->setText(Txt(kTxtButtonOk));
    bbCancel->setText(Txt(kTxtButtonCancel));
    // The frame's buttons take about 140 pixels beside the title.
    titleWidth_->changeSize(fontMetrics().horizontalAdvance(windowTitle()) + 140, 0, QSizePolicy::Fixed,
                            QSizePolicy::Fixed);
    if (layout())
        layout()->invalidate();
}

void TFRMDelApuestas::SetCombination(TEuroMillonApuestas &combination)
{
    combination_ = &combination;
    const QString current = QString::number(combination.Current() + 1);
    ebDesde->setText(current);
    ebHasta->setText(current);
}

void TFRMDelApuestas::DeleteRange()
{
    const int first = ToInteger(ebDesde->text());
    const int last = ToInteger(ebHasta->text());
    if (first <= 0 || last <= 0)
        throw Exception(GetText(kTxtInvalidBetNumbers));
    if (!combination_ || last > combination_->Count())
        throw Exception(FormatText(GetText(kTxtHighestBet), {combination_ ? combination_->Count() : 0}));
    if (last < first)
        throw Exception(GetText(kTxtFromAfterTo));
    combination_->DeleteRange(first - 1, last - 1);
}

void TFRMDelApuestas::Accept()
{
    if (RunCommand(this, [this] { DeleteRange(); }))
        accept();
}
