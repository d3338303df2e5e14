// Pictures of the real windows for one manual, in that manual's language,
// as the manual's chapters describe them: the main window and its File
// menu, a combination, the delete dialog, the generator's pages, the
// condition editor, the progress window, the wizard, the guarantee window,
// the draw editor, the prizes window and its profit chart, the print
// window, a ticket's preview, the designer, import and export.
//   qor_manual_pictures es|en|fr FOLDER
// Runs offscreen in a throw-away program folder; the language files are
// those built beside it.
#include "draws/ui/current_draws_ui_support.h"
#include "generator/generator_test_support.h"
#include "generator/ui/generator_ui_test_support.h"
#include "support/ui/shell_test_support.h"

#include "draws/draw.h"
#include "draws/ui/frm_euromillon_premios.h"
#include "draws/ui/frm_euromillon_sorteo.h"
#include "exchange/ui/frm_export.h"
#include "exchange/ui/frm_importar.h"
#include "framework/localize.h"
#include "generator/genera_comb.h"
#include "generator/ui/frm_asistente.h"
#include "generator/ui/frm_euromillon_comb.h"
#include "generator/ui/frm_garantia.h"
#include "generator/ui/frm_generating.h"
#include "generator/ui/frm_grupo_values.h"
#include "generator/ui/guarantee_panel.h"
#include "model/euromillon_apuestas.h"
#include "printing/boleto_automatico.h"
#include "printing/plantillas_incluidas.h"
#include "printing/print_boletos_source.h"
#include "printing/ui/frm_print_boletos.h"
#include "report/render/qt_text_measure.h"
#include "report/report.h"
#include "report/ui/designer_canvas.h"
#include "report/ui/report_designer.h"
#include "report/ui/report_preview.h"
#include "shell/ui/frm_apuestas.h"
#include "shell/ui/frm_del_apuestas.h"
#include "shell/ui/frm_main_mdi.h"
#include "widgets/control_euromillon_apuesta.h"
#include "widgets/dialog_service.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <deque>

namespace {

QString gFolder;
int gFailures = 0;

void Save(QWidget *widget, const char *name)
{
    if (!widget->isVisible()) {
        widget->show();
        if (!QTest::qWaitForWindowExposed(widget))
            ++gFailures;
    }
    QTest::qWait(60);
    const QString path = QDir(gFolder).filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    if (!widget->grab().save(path, "PNG")) {
        std::fprintf(stderr, "qor_manual_pictures: cannot write %s\n", qPrintable(path));
        ++gFailures;
    }
}

const int kNumbers[] = {3, 7, 12, 18, 21, 26, 30, 34, 39, 42, 45, 49};
const int kStars[] = {2, 5, 8, 9};

// The main window with two combinations, its File menu open; then the
// windows a combination opens.
void MainWindowAndCombination(const QString &code, const ShellTestFolder &folder)
{
    TFRMMainMDI window;
    window.setWindowState(Qt::WindowNoState);
    window.resize(1100, 720);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        ++gFailures;
    if (code != QLatin1String("es"))
        window.SetLanguage(folder.FilePath(code == QLatin1String("en")
                                               ? QStringLiteral("QOREuroMillonv3_english.lng")
                                               : QStringLiteral("QOREuroMillonv3_french.lng")));
    TFRMApuestas *first = OpenSampleFile(window, folder, "semana", 7);
    TFRMApuestas *opened = OpenSampleFile(window, folder, "prueba", 12);
    if (!first || !opened) {
        ++gFailures;
        return;
    }
    // Two windows overlapping, the second one active.
    const QList<QMdiSubWindow *> frames =
        window.findChild<QMdiArea *>()->subWindowList(QMdiArea::CreationOrder);
    if (frames.size() == 2) {
        frames.at(0)->move(10, 10);
        frames.at(1)->move(250, 130);
        window.findChild<QMdiArea *>()->setActiveSubWindow(frames.at(1));
    }
    Save(&window, "main");

    // The File menu with its View submenu open, drawn over the window's corner.
    auto *file = window.findChild<QMenu *>(QStringLiteral("MiArchivo"));
    auto *view = window.findChild<QMenu *>(QStringLiteral("MiVista"));
    file->popup(window.mapToGlobal(QPoint(0, 0)));
    QTest::qWait(60);
    view->popup(file->mapToGlobal(QPoint(file->width() - 4, file->actionGeometry(view->menuAction()).top())));
    QTest::qWait(60);
    {
        const QPixmap fileShot = file->grab();
        const QPixmap viewShot = view->grab();
        QPixmap picture(
            fileShot.width() + viewShot.width() - 4,
            std::max(fileShot.height(), file->actionGeometry(view->menuAction()).top() + viewShot.height()));
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.drawPixmap(0, 0, fileShot);
        painter.drawPixmap(fileShot.width() - 4, file->actionGeometry(view->menuAction()).top(), viewShot);
        painter.end();
        if (!picture.save(QDir(gFolder).filePath(QStringLiteral("menu_file.png")), "PNG"))
            ++gFailures;
    }
    view->hide();
    file->hide();

    Save(opened, "combination");
    {
        TFRMDelApuestas dialog(&window);
        dialog.SetCombination(opened->Combination());
        Save(&dialog, "delete");
    }
    {
        // A text of bets written in several ways, a comment and a bad line.
        const QString text = folder.FilePath(QStringLiteral("apuestas.txt"));
        QFile textFile(text);
        if (textFile.open(QIODevice::WriteOnly))
            textFile.write("; semana 12\r\n03 14 22 35 48 - 02 09\r\n3,15,27,41,50,2,9\r\n"
                           "05.11.17.23.38-03.07\r\n07 12 19 33\r\n");
        textFile.close();
        TFRMImportar import(&window);
        import.SetDestino(opened->Combination());
        import.ReadFile(text);
        Save(&import, "import");
    }
    {
        TFRMExport exportWindow(&window);
        exportWindow.SetDestino(opened->Combination());
        Save(&exportWindow, "export");
    }
    for (TFRMApuestas *child : window.CombinationWindows()) {
        child->Combination().SetModified(false);
        child->Release();
    }
}

void GeneratorWindows()
{
    TFRMEuroMillonComb window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        ++gFailures;
    for (int value : kNumbers)
        window.Boleto()->ToggleBox(1, value);
    for (int value : kStars)
        window.Boleto()->ToggleBox(2, value);
    window.findChild<QRadioButton *>(QStringLiteral("rbReduccionGlobal"))->click();
    window.findChild<QComboBox *>(QStringLiteral("cbRedGlobal"))->setCurrentIndex(2);
    AddPictureConditions(window.Generacion().Condiciones());
    window.RefrescarDesdeGeneracion();
    // The progress window at the end of a run, before its Accept.
    WhenReady<TFRMGenerating>([](TFRMGenerating *progress) { return progress->Finalizado(); },
                              [](TFRMGenerating *progress) {
                                  Save(progress, "progress");
                                  progress->findChild<QPushButton *>(QStringLiteral("bbCancel"))->click();
                              });
    EjecutarGeneracion(&window, window.Generacion(), true);
    window.RefrescarDesdeGeneracion();
    Trigger(&window, "ActProcesar");
    auto *pages = window.findChild<QTabWidget *>(QStringLiteral("PageControl"));
    const char *names[] = {"generator_numbers", "generator_reduction", "generator_conditions",
                           "generator_process", "generator_guarantee"};
    for (int page = 0; page < pages->count() && page < 5; ++page) {
        pages->setCurrentIndex(page);
        if (page == 2)
            window.findChild<QTableView *>(QStringLiteral("sgGrupos"))->selectRow(1);
        Save(&window, names[page]);
    }

    TEuroMillonApuestaMult reference;
    for (int value : kNumbers)
        reference.Block(1).Add(value);
    TFRMGrupoValues editor;
    editor.SetSeleccionReferencia(&reference);
    editor.CargarCondicion(Condition("Pares bajos", {12, 18, 26, 30, 34}, 3, true));
    Save(&editor, "condition_editor");

    // Today's game: twelve stars.
    TFRMEuroMillonComb current(nullptr, TGameEdition::Current);
    for (int value : {4, 9, 16, 25, 33, 47})
        current.Boleto()->ToggleBox(1, value);
    for (int value : {10, 11, 12})
        current.Boleto()->ToggleBox(2, value);
    Save(&current, "generator_current");
}

void Wizard()
{
    std::deque<TEuroMillonApuestas> made;
    TFRMAsistente wizard([&made]() -> TEuroMillonApuestas & { return made.emplace_back(); });
    wizard.show();
    if (!QTest::qWaitForWindowExposed(&wizard))
        ++gFailures;
    auto *next = wizard.findChild<QPushButton *>(QStringLiteral("bbNext"));
    wizard.findChild<QRadioButton *>(QStringLiteral("rbAsistente"))->click();
    Save(&wizard, "wizard_step1");
    next->click();
    for (int value : {5, 11, 17, 23, 38, 44})
        wizard.Boleto()->ToggleBox(1, value);
    wizard.Boleto()->ToggleBox(2, 3);
    wizard.Boleto()->ToggleBox(2, 7);
    Save(&wizard, "wizard_step2");
    next->click();
    wizard.findChild<QRadioButton *>(QStringLiteral("rbReduccionGlobal"))->click();
    wizard.findChild<QComboBox *>(QStringLiteral("cbRedGlobal"))->setCurrentIndex(1);
    Save(&wizard, "wizard_step3");
    next->click();
    wizard.findChild<QCheckBox *>(QStringLiteral("cbMinDosPares"))->click();
    wizard.findChild<QCheckBox *>(QStringLiteral("cbMax2EnDecena"))->click();
    Save(&wizard, "wizard_step4");
}

void Guarantee()
{
    TEuroMillonApuestas combination;
    const std::vector<BetMask> bets = GeneratedBets(MaskOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {1, 2, 3}),
                                                    TEuroMillonGeneraComb::kReduccionGlobal, 5);
    combination.AppendMasks(bets.data(), bets.size());
    TFRMGarantia window;
    window.SetCombination(combination);
    window.resize(1000, 500);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window) ||
        !QTest::qWaitFor([&window] { return window.Panel().HasReport(); }, 60000))
        ++gFailures;
    Save(&window, "guarantee");
    auto *pages = window.findChild<QTabWidget *>(QStringLiteral("tcGarantia"));
    if (pages)
        pages->setCurrentIndex(1);
    Save(&window, "guarantee_whole_game");
}

void Draws(const ShellTestFolder &folder)
{
    if (!InstallHistories(folder.Path()))
        ++gFailures;
    SetRangeParameters(Day(2024, 1, 1), Day(2026, 5, 19));
    TEuroMillonApuestas apuestas(TGameEdition::Current);
    FillPlayerBets(apuestas, 20260519, 12);
    TFRMEuroMillonPremios window(nullptr, TGameEdition::Current);
    window.SetApuestas(&apuestas);
    window.resize(900, 640);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        ++gFailures;
    Trigger(&window, "ActProcesar");
    auto *pages = window.findChild<QTabWidget *>(QStringLiteral("PageControl"));
    pages->setCurrentIndex(0);
    Save(&window, "prizes");
    pages->setCurrentIndex(pages->count() - 1);
    QTest::qWait(200);
    Save(&window, "prizes_chart");

    TFRMEuroMillonSorteo editor(nullptr, TGameEdition::Current);
    const int index = window.Sorteos().IndexOfFecha(Day(2026, 5, 19));
    if (index >= 0) {
        editor.Sorteo().SetInfo(window.Sorteos().Sorteo(index));
        editor.SetFecha(Day(2026, 5, 19));
    } else {
        ++gFailures;
    }
    Save(&editor, "draw_editor");
}

void Printing(const QString &code, const ShellTestFolder &folder)
{
    TEuroMillonApuestas combination;
    FillTwelveBets(combination);
    InstalarPlantillasIncluidas(folder.Path().toStdString());
    {
        TFRMPrintBoletos tickets;
        tickets.SetApuestas(combination);
        tickets.SetModoBoletos(true);
        Save(&tickets, "print_tickets");
    }
    {
        TFRMPrintBoletos listings;
        listings.SetApuestas(combination);
        listings.SetModoBoletos(false);
        Save(&listings, "print_listings");
    }
    const TTablasBoleto &tablas = TablasDePais(code == QLatin1String("fr") ? pbFrancia : pbEspana);
    {
        TfrReport report;
        TPrintBoletosSource source(combination, tablas.Formato);
        source.Attach(report, kPrintBoletosDataSet);
        ConstruirBoletoAutomatico(report, 0, tablas.Geometria, tablas.Formato, 0, 0, kPrintBoletosDataSet);
        TfrPreviewWindow preview(report.Prepare(QtTextMeasure()));
        preview.resize(840, 560);
        Save(&preview, "print_preview");
    }
    {
        TfrReport report;
        ConstruirBoletoAutomatico(report, 0, tablas.Geometria, tablas.Formato, 0, 0, kPrintBoletosDataSet);
        TfrDesignerWindow designer(report);
        designer.Canvas().Select(int(report.Page(0).Objects().size()) - 1);
        designer.resize(1100, 560);
        Save(&designer, "designer");
    }
}

// The offscreen platform warns of every feature it lacks, and of a session
// without a runtime folder; those say nothing about the pictures.
void QuietPlatformWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")) ||
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg)
        std::abort();
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(QuietPlatformWarnings);
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: qor_manual_pictures es|en|fr FOLDER\n");
        return 2;
    }
    const QString code = QString::fromLatin1(argv[1]);
    gFolder = QString::fromLocal8Bit(argv[2]);
    if (!QDir().mkpath(gFolder)) {
        std::fprintf(stderr, "qor_manual_pictures: cannot create %s\n", argv[2]);
        return 1;
    }
    DialogService::SetHeadless(true);
    ShellTestFolder folder;
    if (!folder.IsValid())
        return 1;
    folder.CopyLanguageFiles();
    if (!UseScreenshotLanguage(code)) {
        std::fprintf(stderr, "qor_manual_pictures: no language %s\n", argv[1]);
        return 1;
    }
    MainWindowAndCombination(code, folder);
    if (!UseScreenshotLanguage(code))
        return 1;
    GeneratorWindows();
    Wizard();
    Guarantee();
    Draws(folder);
    Printing(code, folder);
    Localizer().UnloadLanguage();
    if (gFailures) {
        std::fprintf(stderr, "qor_manual_pictures: %d picture(s) failed\n", gFailures);
        return 1;
    }
    return 0;
}
