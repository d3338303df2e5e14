// Every window the desktop opens, in Spanish, English and French: no
// visible text of the English or French program is Spanish, no menu shares
// a mnemonic letter between two items, no plain text shows a mnemonic's
// "&", and the window list shows readable titles. With QOR_SCREENSHOT_DIR
// set (tools/screenshot.sh) each window is saved there as
// texts_<window>_<language>.png.
#include "support/ui/shell_test_support.h"

#include "draws/ui/frm_euromillon_premios.h"
#include "draws/ui/frm_euromillon_sorteo.h"
#include "exchange/ui/frm_export.h"
#include "exchange/ui/frm_importar.h"
#include "framework/builtin_texts.h"
#include "framework/localize.h"
#include "generator/genera_comb.h"
#include "generator/ui/frm_asistente.h"
#include "generator/ui/frm_euromillon_comb.h"
#include "generator/ui/frm_garantia.h"
#include "generator/ui/frm_generating.h"
#include "generator/ui/frm_grupo_values.h"
#include "model/euromillon_apuestas.h"
#include "printing/ui/frm_print_boletos.h"
#include "report/render/qt_text_measure.h"
#include "report/report.h"
#include "report/ui/report_designer.h"
#include "report/ui/report_preview.h"
#include "shell/ui/frm_apuestas.h"
#include "shell/ui/frm_del_apuestas.h"
#include "shell/ui/frm_main_mdi.h"
#include "widgets/control_euromillon_apuesta.h"
#include "widgets/dialog_service.h"
#include "widgets/texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <deque>
#include <functional>
#include <memory>
#include <set>

namespace {

struct TShown {
    QString where; // window, then kind and object name
    QString text;
};

QString Where(const QWidget *window, const QObject *object, const char *kind)
{
    return window->objectName() + QLatin1Char('/') + QLatin1String(kind) + QLatin1Char('/') +
           object->objectName();
}

// The texts a user can read in the window: title, labels, buttons, group
// boxes, tabs, headers, combo items, actions and menus, tooltips.
QList<TShown> ShownTexts(QWidget *window)
{
    QList<TShown> shown;
    auto add = [&shown, window](const QObject *object, const char *kind, const QString &text) {
        if (!text.trimmed().isEmpty())
            shown.append({Where(window, object, kind), text});
    };
    add(window, "title", window->windowTitle());
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : widgets) {
        add(widget, "tooltip", widget->toolTip());
        if (auto *label = qobject_cast<QLabel *>(widget))
            add(label, "label", label->text());
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            add(button, "button", button->text());
        else if (auto *group = qobject_cast<QGroupBox *>(widget))
            add(group, "group", group->title());
        else if (auto *tabs = qobject_cast<QTabWidget *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs, "tab", tabs->tabText(i));
        } else if (auto *header = qobject_cast<QHeaderView *>(widget); header && header->model()) {
            const int count = header->orientation() == Qt::Horizontal ? header->model()->columnCount()
                                                                      : header->model()->rowCount();
            for (int i = 0; i < count && i < 20; ++i)
                add(header, "header", header->model()->headerData(i, header->orientation()).toString());
        } else if (auto *combo = qobject_cast<QComboBox *>(widget); combo && !combo->isEditable()) {
            for (int i = 0; i < combo->count(); ++i)
                add(combo, "item", combo->itemText(i));
        } else if (auto *menu = qobject_cast<QMenu *>(widget))
            add(menu, "menu", menu->title());
    }
    for (QAction *action : window->findChildren<QAction *>()) {
        if (action->isSeparator())
            continue;
        add(action, "action", action->text());
        add(action, "tooltip", action->toolTip());
        add(action, "statustip", action->statusTip());
    }
    return shown;
}

// A Spanish text of the built-in table, as a pattern for the shown form:
// templates take any number or text where they hold %d or %s.
QRegularExpression PatternOf(const QString &text)
{
    QString pattern = QRegularExpression::escape(WithoutMnemonic(text).trimmed());
    pattern.replace(QStringLiteral("%d"), QStringLiteral("[-0-9.,\u00A0\u202F ]+"));
    pattern.replace(QStringLiteral("%s"), QStringLiteral(".*"));
    pattern.replace(QStringLiteral("%1"), QStringLiteral(".*"));
    return QRegularExpression(QStringLiteral("^") + pattern + QStringLiteral("$"),
                              QRegularExpression::DotMatchesEverythingOption);
}

// Texts only the Spanish program may show, whatever the tables say.
const char *const kKnownSpanish[] = {"Apuesta:", "Faltan",   "Generando",   "(Nueva)",
                                     "Desfase",  "Boletos:", "Combinación", "Estrellas",
                                     "Aceptar",  "Cancelar", "Desactiva"};

// Spanish built-in texts a translation replaces, as patterns: a text that
// is the same in the language in force (a number, "Total") is left out.
std::vector<std::pair<QString, QRegularExpression>> TranslatedSpanishTexts()
{
    std::set<QString> ownTexts;
    for (const TBuiltinText &entry : BuiltinTexts())
        ownTexts.insert(WithoutMnemonic(QString::fromStdString(GetText(entry.id))).trimmed());
    std::vector<std::pair<QString, QRegularExpression>> patterns;
    for (const TBuiltinText &entry : BuiltinTexts()) {
        const QString spanish =
            WithoutMnemonic(QString::fromUtf8(entry.text.data(), qsizetype(entry.text.size())));
        const QString own = WithoutMnemonic(QString::fromStdString(GetText(entry.id)));
        if (own.trimmed() == spanish.trimmed() || ownTexts.count(spanish.trimmed()) ||
            spanish.trimmed().size() < 3)
            continue;
        patterns.emplace_back(spanish, PatternOf(spanish));
    }
    return patterns;
}

// Items of one menu (or of the menu bar) must not share a mnemonic letter,
// and each item with words has one.
void CheckMnemonics(const QString &where, const QList<QAction *> &actions, QStringList &faults)
{
    std::set<QChar> used;
    for (QAction *action : actions) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        const QString text = action->menu() ? action->menu()->title() : action->text();
        const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("&([^&])")).match(text);
        if (!match.hasMatch()) {
            faults << where + QStringLiteral(": no mnemonic in \"") + text + QLatin1Char('"');
            continue;
        }
        const QChar letter = match.captured(1).at(0).toLower();
        if (!used.insert(letter).second)
            faults << where + QStringLiteral(": mnemonic '") + letter + QStringLiteral("' twice (\"") + text +
                          QStringLiteral("\")");
    }
}

// Shown labels, buttons and group boxes whose text does not fit their room.
void CheckRoom(QWidget *window, QStringList &faults)
{
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisible())
            continue;
        const QFontMetrics metrics(widget->font());
        int needed = 0;
        int room = 0;
        QString text;
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            text = label->text();
            if (label->wordWrap() || Qt::mightBeRichText(text) || text.contains(QLatin1Char('\n')) ||
                label->minimumSizeHint().width() < label->sizeHint().width()) // elides on purpose
                continue;
            needed = metrics.horizontalAdvance(WithoutMnemonic(text));
            room = label->contentsRect().width();
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            text = button->text();
            if (text.isEmpty() || qobject_cast<QToolButton *>(widget))
                continue;
            // A push button's hint holds a minimum width; its text needs less.
            needed = qobject_cast<QPushButton *>(widget)
                         ? metrics.horizontalAdvance(WithoutMnemonic(text)) + 8
                         : button->sizeHint().width();
            room = button->width();
        } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
            text = group->title();
            needed = metrics.horizontalAdvance(WithoutMnemonic(text)) + 12;
            room = group->width();
        }
        if (!text.trimmed().isEmpty() && room + 1 < needed)
            faults << Where(window, widget, "clipped") + QStringLiteral(": \"") + text +
                          QStringLiteral("\" needs %1 px, has %2").arg(needed).arg(room);
    }
}

} // namespace

class TestScreenshotWindowTexts : public QObject {
    Q_OBJECT

    QString code_;
    QStringList faults_;
    int looked_ = 0;
    std::unique_ptr<ShellTestFolder> folder_;
    std::vector<std::pair<QString, QRegularExpression>> spanish_;

    // Checks the window's texts (and those of its menus) and saves its picture.
    void Look(QWidget *window, const QString &name)
    {
        if (!window->isVisible()) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
        }
        QTest::qWait(20);
        const QList<TShown> shown = ShownTexts(window);
        QVERIFY2(!shown.isEmpty(), qPrintable(name));
        looked_ += int(shown.size());
        for (const TShown &item : shown) {
            const QString plain = WithoutMnemonic(item.text).trimmed();
            const bool keepsMnemonic = item.where.contains(QLatin1String("/button/")) ||
                                       item.where.contains(QLatin1String("/action/")) ||
                                       item.where.contains(QLatin1String("/menu/")) ||
                                       item.where.contains(QLatin1String("/tab/")) ||
                                       item.where.contains(QLatin1String("/label/")) ||
                                       item.where.contains(QLatin1String("/group/"));
            if (!keepsMnemonic && item.text.contains(QRegularExpression(QStringLiteral("&[^&\\s]"))))
                faults_ << item.where + QStringLiteral(": shows the mnemonic in \"") + item.text +
                               QLatin1Char('"');
            if (item.text.contains(QLatin1String("[*]")) && !item.where.contains(QLatin1String("/title/")))
                faults_ << item.where + QStringLiteral(": shows \"[*]\": ") + item.text;
            if (code_ == QLatin1String("es"))
                continue;
            for (const char *known : kKnownSpanish)
                if (plain.contains(QString::fromUtf8(known)))
                    faults_ << item.where + QStringLiteral(": Spanish \"") + plain + QLatin1Char('"');
            for (const auto &[spanish, pattern] : spanish_)
                if (pattern.match(plain).hasMatch())
                    faults_ << item.where + QStringLiteral(": the Spanish built-in \"") + spanish +
                                   QStringLiteral("\" shows as \"") + plain + QLatin1Char('"');
        }
        CheckRoom(window, faults_);
        for (QMenuBar *bar : window->findChildren<QMenuBar *>())
            CheckMnemonics(name + QStringLiteral("/menubar"), bar->actions(), faults_);
        for (QMenu *menu : window->findChildren<QMenu *>())
            CheckMnemonics(name + QStringLiteral("/") + menu->objectName(), menu->actions(), faults_);
        SaveScreenshot(window, QStringLiteral("texts_") + name + QLatin1Char('_') + code_);
    }

    void MainWindowAndCombination()
    {
        TFRMMainMDI window;
        window.setWindowState(Qt::WindowNoState);
        window.resize(1366, 768);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Trigger(&window, code_ == QLatin1String("en")   ? "MiEnglish"
                         : code_ == QLatin1String("fr") ? "MiFrench"
                                                        : "MiSpanish");
        TFRMApuestas *opened = OpenSampleFile(window, *folder_, "prueba", 12);
        QVERIFY(opened);
        opened->AddRandomBet(); // modified: the window list marks it
        TFRMApuestas *fresh = window.NewCombinationWindow();
        QVERIFY(fresh);
        auto *windowMenu = window.findChild<QMenu *>(QStringLiteral("MiVentana"));
        emit windowMenu->aboutToShow();
        const QList<QAction *> items = windowMenu->actions();
        QStringList listed;
        for (QAction *item : items)
            if (item->isCheckable())
                listed << WithoutMnemonic(item->text());
        QCOMPARE(listed.size(), 2);
        QVERIFY2(listed.at(0).endsWith(QLatin1String("prueba *")), qPrintable(listed.at(0)));
        QVERIFY2(!listed.at(1).contains(QLatin1Char('*')), qPrintable(listed.at(1)));
        Look(&window, QStringLiteral("main"));
        for (QMenu *menu : opened->MergedMenus())
            CheckMnemonics(QStringLiteral("combination/") + menu->objectName(), menu->actions(), faults_);
        // The top bar keeps room for the counts of the biggest combinations.
        opened->findChild<QLabel *>(QStringLiteral("lblTotalApuestas"))
            ->setText(QStringLiteral("15.255.072"));
        opened->findChild<QLabel *>(QStringLiteral("lblNBoleto"))
            ->setText(QStringLiteral("3.051.015/3.051.015"));
        Look(opened, QStringLiteral("combination"));
        {
            TFRMDelApuestas dialog(&window);
            dialog.SetCombination(opened->Combination());
            Look(&dialog, QStringLiteral("delete"));
        }
        {
            TFRMPrintBoletos print(&window);
            print.SetApuestas(opened->Combination());
            Look(&print, QStringLiteral("print"));
        }
        {
            TFRMImportar import(&window);
            import.SetDestino(opened->Combination());
            Look(&import, QStringLiteral("import"));
        }
        {
            TFRMExport exportWindow(&window);
            exportWindow.SetDestino(opened->Combination());
            Look(&exportWindow, QStringLiteral("export"));
        }
        {
            TFRMGarantia guarantee(&window);
            guarantee.SetCombination(opened->Combination());
            Look(&guarantee, QStringLiteral("guarantee"));
        }
        {
            TFRMEuroMillonPremios prizes(&window);
            prizes.SetApuestas(&opened->Combination());
            Look(&prizes, QStringLiteral("prizes"));
        }
        opened->Combination().SetModified(false);
        for (TFRMApuestas *child : window.CombinationWindows())
            child->Release();
        if (code_ != QLatin1String("es"))
            Trigger(&window, "MiSpanish");
    }

    void GeneratorWindows()
    {
        TFRMEuroMillonComb generator;
        Look(&generator, QStringLiteral("generator_empty"));
        for (int value : {3, 7, 12, 18, 21, 26, 30})
            generator.Boleto()->ToggleBox(1, value);
        for (int value : {2, 5, 8})
            generator.Boleto()->ToggleBox(2, value);
        auto *pages = generator.findChild<QTabWidget *>(QStringLiteral("PageControl"));
        QVERIFY(pages);
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            Look(&generator, QStringLiteral("generator_page%1").arg(page + 1));
        }

        // Today's game: the marks on the small boxes of stars 10 to 12.
        TFRMEuroMillonComb current(nullptr, TGameEdition::Current);
        for (int value : {4, 9, 16, 25, 33, 47})
            current.Boleto()->ToggleBox(1, value);
        for (int value : {10, 11, 12})
            current.Boleto()->ToggleBox(2, value);
        Look(&current, QStringLiteral("generator_current"));

        TFRMGrupoValues editor;
        Look(&editor, QStringLiteral("condition_editor"));

        TFRMGenerating progress;
        Look(&progress, QStringLiteral("progress"));

        std::deque<TEuroMillonApuestas> made;
        TFRMAsistente wizard([&made]() -> TEuroMillonApuestas & { return made.emplace_back(); });
        Look(&wizard, QStringLiteral("wizard_step1"));
        auto *next = wizard.findChild<QPushButton *>(QStringLiteral("bbNext"));
        wizard.findChild<QRadioButton *>(QStringLiteral("rbAsistente"))->click();
        next->click();
        for (int value : {5, 11, 17, 23, 38})
            wizard.Boleto()->ToggleBox(1, value);
        Look(&wizard, QStringLiteral("wizard_step2"));
        for (int value : {44})
            wizard.Boleto()->ToggleBox(1, value);
        for (int value : {3, 7})
            wizard.Boleto()->ToggleBox(2, value);
        next->click();
        Look(&wizard, QStringLiteral("wizard_step3"));
        wizard.findChild<QRadioButton *>(QStringLiteral("rbNoReduccion"))->click();
        next->click();
        QCOMPARE(wizard.Paso(), 3);
        Look(&wizard, QStringLiteral("wizard_step4"));
    }

    void DrawAndReportWindows()
    {
        TFRMEuroMillonSorteo editor;
        Look(&editor, QStringLiteral("draw_editor"));

        TfrReport report;
        report.AddPage().SetMargins({36, 36, 36, 36});
        TfrDesignerWindow designer(report);
        Look(&designer, QStringLiteral("designer"));

        TfrPreviewWindow preview(report.Prepare(QtTextMeasure()));
        Look(&preview, QStringLiteral("preview"));
    }

private slots:
    void initTestCase()
    {
        DialogService::SetHeadless(true);
        folder_ = std::make_unique<ShellTestFolder>();
        QVERIFY(folder_->IsValid());
        folder_->CopyLanguageFiles();
    }

    void cleanupTestCase() { Localizer().UnloadLanguage(); }

    void everyWindow_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("spanish") << QStringLiteral("es");
        QTest::newRow("english") << QStringLiteral("en");
        QTest::newRow("french") << QStringLiteral("fr");
    }

    void everyWindow()
    {
        QFETCH(QString, code);
        code_ = code;
        faults_.clear();
        QVERIFY(UseScreenshotLanguage(code));
        spanish_ = TranslatedSpanishTexts();
        if (code != QLatin1String("es"))
            QVERIFY(spanish_.size() > 300);
        looked_ = 0;
        MainWindowAndCombination();
        QVERIFY(UseScreenshotLanguage(code)); // the main window went back to Spanish
        GeneratorWindows();
        DrawAndReportWindows();
        QVERIFY2(looked_ > 600, qPrintable(QString::number(looked_)));
        faults_.removeDuplicates();
        QVERIFY2(faults_.isEmpty(), qPrintable(faults_.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestScreenshotWindowTexts)
#include "test_screenshot_window_texts.moc"
