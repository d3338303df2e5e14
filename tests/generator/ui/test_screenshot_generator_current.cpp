// Pictures of the generator with today's game (stars 1 to 12), in Spanish
// and in French: the generator window's selection and guarantee pages after
// a run over stars 9 to 12, the condition editor on stars 10 to 12 and the
// guarantee window. With QOR_SCREENSHOT_DIR set they are saved there;
// otherwise the grabs are only checked.
#include "generator_ui_test_support.h"
#include "support/ui/shell_test_support.h"

#include "framework/localize.h"
#include "generator/genera_comb.h"
#include "generator/ui/frm_euromillon_comb.h"
#include "generator/ui/frm_garantia.h"
#include "generator/ui/frm_grupo_values.h"
#include "generator/ui/guarantee_panel.h"
#include "model/euromillon_apuestas.h"
#include "widgets/control_euromillon_apuesta.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {

constexpr TGameEdition kCurrent = TGameEdition::Current;

BetMask Selection()
{
    BetMask mask = 0;
    for (int value : {3, 7, 12, 18, 21, 26, 30, 34, 39})
        mask |= NumberBit(value);
    for (int value : {9, 10, 11, 12})
        mask |= StarBit(value);
    return mask;
}

} // namespace

class TestScreenshotGeneratorCurrent : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ShellTestFolder> folder_;

    // "es" the built-in texts, "fr" French.
    static void Save(QWidget *widget, const QString &name, const QString &suffix)
    {
        QVERIFY2(SaveScreenshot(widget, name + QLatin1Char('_') + suffix), qPrintable(name));
    }

    void GeneratorPages(const QString &suffix)
    {
        TFRMEuroMillonComb window(nullptr, kCurrent);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.Boleto()->ShownBet().FromMask(Selection());
        window.findChild<QRadioButton *>(QStringLiteral("rbReduccionGlobal"))->click();
        window.findChild<QComboBox *>(QStringLiteral("cbRedGlobal"))->setCurrentIndex(2);
        TEuroMillonCondicionGrupo high = CondicionGrupoDefecto;
        high.Bloque = 2;
        high.Numeros = {10, 11, 12};
        high.AciertosMin = 1;
        high.Nombre = "Estrellas altas";
        window.Generacion().Condiciones().Add(high);
        window.RefrescarDesdeGeneracion();
        Trigger(&window, "ActProcesar");
        QVERIFY(window.EstadisticasValidas());
        auto *pages = window.findChild<QTabWidget *>(QStringLiteral("PageControl"));
        const std::pair<int, const char *> shown[] = {{0, "generator_current_numbers"},
                                                      {2, "generator_current_conditions"},
                                                      {4, "generator_current_guarantee"}};
        for (const auto &[page, name] : shown) {
            pages->setCurrentIndex(page);
            QTest::qWait(50);
            Save(&window, QString::fromLatin1(name), suffix);
        }
    }

    void ConditionEditor(const QString &suffix)
    {
        TFRMGrupoValues editor;
        editor.SetEdition(kCurrent);
        TEuroMillonCondicionGrupo high = CondicionGrupoDefecto;
        high.Bloque = 2;
        high.Numeros = {10, 11, 12};
        high.AciertosMin = 1;
        high.Nombre = "Estrellas altas";
        editor.CargarCondicion(high);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QTest::qWait(50);
        Save(&editor, QStringLiteral("condition_editor_current"), suffix);
    }

    void GuaranteeWindow(const QString &suffix)
    {
        TEuroMillonGeneraComb settings(kCurrent);
        settings.Seleccion().FromMask(Selection());
        settings.SetTipoReduccion(TEuroMillonGeneraComb::kReduccionGlobal);
        settings.SetReduccionGlobal(5);
        settings.Generar();
        TFRMGarantia window;
        window.SetCombination(settings.Apuestas());
        window.resize(980, 560);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(window.Panel().HasReport());
        QCOMPARE(window.Panel().Report().All.Categories, 13);
        QTest::qWait(50);
        Save(&window, QStringLiteral("guarantee_current"), suffix);
    }

private slots:
    void initTestCase()
    {
        folder_ = std::make_unique<ShellTestFolder>();
        QVERIFY(folder_->IsValid());
    }

    void cleanupTestCase() { Localizer().UnloadLanguage(); }

    void pictures_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("spanish") << QStringLiteral("es");
        QTest::newRow("french") << QStringLiteral("fr");
    }

    void pictures()
    {
        QFETCH(QString, suffix);
        QVERIFY(UseScreenshotLanguage(suffix));
        GeneratorPages(suffix);
        ConditionEditor(suffix);
        GuaranteeWindow(suffix);
    }
};

QTEST_MAIN(TestScreenshotGeneratorCurrent)
#include "test_screenshot_generator_current.moc"
