// The group condition editor: the default condition, the hint labels, block
// switching, the checks of "Aceptar" with their confirmation, the greyed
// boxes of a reference selection, and a damaged block.
#include "generator_ui_test_support.h"
#include "support/ui/shell_test_support.h"

#include "generator/ui/frm_grupo_values.h"
#include "model/euromillon_apuesta.h"
#include "widgets/control_euromillon_apuesta.h"
#include "widgets/dialog_service.h"
#include "widgets/ticket_renderer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

QString Hints(TFRMGrupoValues &editor)
{
    QStringList hints;
    for (const char *name : {"lblAciertosMin", "lblAciertosMax", "lblSumaMin", "lblSumaMax", "lblParesMin",
                             "lblParesMax", "lblImparesMin", "lblImparesMax"})
        hints << LabelText(&editor, name);
    return hints.join(QLatin1Char(' '));
}

QString Edit(TFRMGrupoValues &editor, const char *name)
{
    return Child<QLineEdit>(&editor, name)->text();
}

void Press(TFRMGrupoValues &editor, const char *button)
{
    Child<QPushButton>(&editor, button)->click();
}

} // namespace

class TestConditionEditor : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ShellTestFolder> folder_;

private slots:
    void init()
    {
        folder_ = std::make_unique<ShellTestFolder>();
        QVERIFY(folder_->IsValid());
    }

    void cleanup() { folder_.reset(); }

    void opensOnTheDefaultConditionAndWarnsOfNoNumber()
    {
        TFRMGrupoValues editor;
        editor.show();
        QCOMPARE(editor.windowTitle(), QStringLiteral("Condición Grupo"));
        QCOMPARE(editor.BloqueActual(), 1);
        QCOMPARE(Child<QComboBox>(&editor, "cbBloque")->currentText(), QStringLiteral("Bloque Números"));
        QVERIFY(Child<QCheckBox>(&editor, "cbCondicionActiva")->isChecked());
        QCOMPARE(Edit(editor, "ebNombre"), QString());
        QCOMPARE(editor.Boleto()->ShownBet().AsText(), std::string());
        QCOMPARE(Edit(editor, "ebSumMin") + QLatin1Char(' ') + Edit(editor, "ebSumMax"),
                 QStringLiteral("0 240"));
        for (const char *name : {"ebAciertosMin", "ebParesMin", "ebImparesMin"})
            QCOMPARE(Edit(editor, name), QStringLiteral("0"));
        for (const char *name : {"ebAciertosMax", "ebParesMax", "ebImparesMax"})
            QCOMPARE(Edit(editor, name), QStringLiteral("5"));
        QCOMPARE(Hints(editor), QStringLiteral("0 0 0 0 0 0 0 0"));

        Press(editor, "bbAceptar"); // no answer scripted: No, the dialog stays
        QCOMPARE(DialogService::ShownBoxes().size(), 1);
        QCOMPARE(DialogService::LastText(),
                 QStringLiteral("Atención, se han encontrado los siguientes Errores:\n\n"
                                "- No ha seleccionado NINGUN NUMERO\n\n"
                                "¿Desea confirmar estos valores?"));
        QCOMPARE(DialogService::ShownBoxes().constFirst().kind, DialogService::Kind::Question);
        QVERIFY(editor.isVisible());
        QCOMPARE(editor.result(), 0);
    }

    void hintsOfFiveMarkedNumbers()
    {
        TFRMGrupoValues editor;
        for (int value : {10, 20, 30, 45, 50})
            editor.Boleto()->ToggleBox(1, value);
        QCOMPARE(Hints(editor), QStringLiteral("0 5 10 155 0 4 0 1"));
    }

    void hintsAreLimitedToFive()
    {
        TFRMGrupoValues editor;
        for (int value = 1; value <= 7; ++value)
            editor.Boleto()->ToggleBox(1, value);
        // Sum of the five largest: 3 + 4 + 5 + 6 + 7.
        QCOMPARE(Hints(editor), QStringLiteral("0 5 1 25 0 3 0 4"));
    }

    void switchingToStarsRemovesTheNumbers()
    {
        TFRMGrupoValues editor;
        editor.show();
        editor.Boleto()->ToggleBox(1, 4);
        editor.Boleto()->ToggleBox(1, 9);
        auto *block = Child<QComboBox>(&editor, "cbBloque");
        block->setFocus();
        QTest::keyClick(block, Qt::Key_Down);
        QCOMPARE(editor.BloqueActual(), 2);
        QCOMPARE(editor.Boleto()->ShownBet().Block(1).Count(), 0);
        // A number can no longer be marked; stars can.
        QVERIFY(!editor.Boleto()->ToggleBox(1, 12));
        editor.Boleto()->ToggleBox(2, 3);
        editor.Boleto()->ToggleBox(2, 8);
        QCOMPARE(LabelText(&editor, "lblSumaMin") + QLatin1Char(' ') + LabelText(&editor, "lblSumaMax"),
                 QStringLiteral("3 11"));
        QCOMPARE(LabelText(&editor, "lblAciertosMax"), QStringLiteral("2"));
        const TEuroMillonCondicionGrupo read = editor.LeerCondicion();
        QCOMPARE(read.Bloque, 2);
        QCOMPARE(read.Numeros, (TEuroMillonNumeros{3, 8}));
    }

    void lettersInAMaximumReadAsZero()
    {
        TFRMGrupoValues editor;
        editor.Boleto()->ToggleBox(1, 1);
        Child<QLineEdit>(&editor, "ebParesMax")->setText(QStringLiteral("abc"));
        QCOMPARE(editor.LeerCondicion().ParesMax, 0);
        Press(editor, "bbAceptar");
        QVERIFY(DialogService::LastText().contains(
            QStringLiteral("\n- Ha introducido un valor MAXIMO igual a 0\n")));
    }

    void maximumBelowMinimumIsReported()
    {
        TFRMGrupoValues editor;
        editor.Boleto()->ToggleBox(1, 1);
        Child<QLineEdit>(&editor, "ebSumMin")->setText(QStringLiteral("50"));
        Child<QLineEdit>(&editor, "ebSumMax")->setText(QStringLiteral("40"));
        const QString errors = editor.Errores(editor.LeerCondicion());
        QCOMPARE(errors,
                 QStringLiteral("- Alguno de los valores MAXIMOS es inferior al MINIMO, revise los valores"));
    }

    void impossibleHitsConfirmedWithYes()
    {
        TFRMGrupoValues editor;
        editor.show();
        editor.Boleto()->ToggleBox(1, 5);
        editor.Boleto()->ToggleBox(1, 6);
        Child<QLineEdit>(&editor, "ebAciertosMin")->setText(QStringLiteral("3"));
        Child<QLineEdit>(&editor, "ebNombre")->setText(QStringLiteral("Nunca"));
        Child<QCheckBox>(&editor, "cbCondicionActiva")->setChecked(false);
        // Several entries are joined by a line feed and a carriage return.
        Child<QLineEdit>(&editor, "ebImparesMax")->setText(QStringLiteral("0"));
        QCOMPARE(editor.Errores(editor.LeerCondicion()),
                 QStringLiteral("- Ha introducido un valor MAXIMO igual a 0\n\r"
                                "- La cantidad mínima de aciertos es MAYOR que los numeros seleccionados.\n"
                                "   Esta condición NO SE CUMPLIRÁ NUNCA"));
        Child<QLineEdit>(&editor, "ebImparesMax")->setText(QStringLiteral("5"));
        DialogService::SetNextAnswer(QMessageBox::Yes);
        Press(editor, "bbAceptar");
        QVERIFY(DialogService::LastText().contains(QStringLiteral("NO SE CUMPLIRÁ NUNCA")));
        QCOMPARE(editor.result(), int(QDialog::Accepted));
        const TEuroMillonCondicionGrupo read = editor.LeerCondicion();
        QCOMPARE(read.AciertosMin, 3);
        QCOMPARE(read.Numeros, (TEuroMillonNumeros{5, 6}));
        QCOMPARE(read.Nombre, std::string("Nunca"));
        QVERIFY(!read.Activa);
    }

    void aGoodConditionIsAcceptedWithoutQuestion()
    {
        TFRMGrupoValues editor;
        editor.show();
        editor.Boleto()->ToggleBox(1, 5);
        Press(editor, "bbAceptar");
        QVERIFY(DialogService::ShownBoxes().isEmpty());
        QCOMPARE(editor.result(), int(QDialog::Accepted));
    }

    void referenceSelectionGreysTheRestButAllowsMarking()
    {
        TEuroMillonApuestaMult reference;
        for (int value = 1; value <= 10; ++value)
            reference.Block(1).Add(value);
        reference.Block(2).Add(1);
        reference.Block(2).Add(2);
        TFRMGrupoValues editor;
        editor.SetSeleccionReferencia(&reference);
        auto colours = [&editor](int block, int value) {
            TTicketBoxColours c{QColor(Qt::blue), QColor(Qt::white), QColor(Qt::red), QColor(Qt::black)};
            editor.Boleto()->DrawBoxHook(block, value, c);
            return c;
        };
        const TTicketBoxColours inside = colours(1, 10);
        QCOMPARE(inside.Back, QColor(Qt::white));
        QCOMPARE(inside.Text, QColor(Qt::red));
        const TTicketBoxColours outside = colours(1, 11);
        QCOMPARE(outside.Back, QColor(192, 192, 192));
        QCOMPARE(outside.Frame, QColor(128, 128, 128));
        QCOMPARE(outside.Text, QColor(128, 128, 128));
        QCOMPARE(colours(2, 3).Back, QColor(192, 192, 192));
        QVERIFY(editor.Boleto()->ToggleBox(1, 50));
        QCOMPARE(editor.LeerCondicion().Numeros, (TEuroMillonNumeros{50}));
    }

    void markAllAndClearAll()
    {
        TFRMGrupoValues editor;
        Press(editor, "sbMarcarTodos");
        QCOMPARE(editor.Boleto()->ShownBet().Block(1).Count(), 50);
        QCOMPARE(Hints(editor), QStringLiteral("0 5 1 240 0 5 0 5"));
        Press(editor, "sbBorrarTodos");
        QCOMPARE(editor.Boleto()->ShownBet().Block(1).Count(), 0);
        editor.SeleccionarBloque(2);
        Press(editor, "sbMarcarTodos");
        QCOMPARE(editor.Boleto()->ShownBet().Block(2).Count(), 9);
        QCOMPARE(editor.Boleto()->ShownBet().Block(1).Count(), 0);
    }

    void loadingAConditionShowsIt()
    {
        TEuroMillonCondicionGrupo condicion = CondicionGrupoDefecto;
        condicion.Bloque = 2;
        condicion.Numeros = {2, 9};
        condicion.SumMin = 4;
        condicion.ParesMax = 1;
        condicion.Nombre = "Estrellas";
        condicion.Activa = false;
        TFRMGrupoValues editor;
        editor.CargarCondicion(condicion);
        QCOMPARE(editor.BloqueActual(), 2);
        QCOMPARE(Child<QComboBox>(&editor, "cbBloque")->currentIndex(), 1);
        QVERIFY(!Child<QCheckBox>(&editor, "cbCondicionActiva")->isChecked());
        QCOMPARE(Edit(editor, "ebSumMin"), QStringLiteral("4"));
        QCOMPARE(Edit(editor, "ebNombre"), QStringLiteral("Estrellas"));
        QCOMPARE(editor.Boleto()->ShownBet().AsText(), std::string("02.09"));
        QCOMPARE(editor.LeerCondicion(), condicion);
    }

    void aDamagedBlockIsEditedAsBlockOne()
    {
        TEuroMillonCondicionGrupo condicion = CondicionGrupoDefecto;
        condicion.Bloque = 7;
        condicion.Numeros = {3, 60};
        TFRMGrupoValues editor;
        editor.CargarCondicion(condicion);
        QCOMPARE(editor.BloqueActual(), 1);
        const TEuroMillonCondicionGrupo read = editor.LeerCondicion();
        QCOMPARE(read.Bloque, 1);
        QCOMPARE(read.Numeros, (TEuroMillonNumeros{3})); // 60 is no number of the block
    }
};

QTEST_MAIN(TestConditionEditor)
#include "test_condition_editor.moc"
