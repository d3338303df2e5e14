// The import window driven offscreen with scripted file dialogs and answers:
// the log and counters of a read, the Importar action's state, appending to
// the target, unreadable files, and the shell's import command.
#include "support/ui/shell_test_support.h"

#include "exchange/ui/frm_importar.h"
#include "model/euromillon_apuestas.h"
#include "shell/ui/shell_tools.h"
#include "widgets/dialog_service.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

QString WriteText(const ShellTestFolder &folder, const QString &name, const QByteArray &bytes)
{
    const QString path = folder.FilePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

QString FourLineLog(const QString &path)
{
    return QStringLiteral("Archivo: ") + path +
           QStringLiteral("\n\nEl archivo contiene 4 lineas\nEncontradas 1 apuestas válidas\n\n"
                          "Encontradas 1 lineas en blanco\nEncontradas 1 lineas con apuesta válida\n"
                          "Encontradas 1 lineas de comentarios\nEncontradas 1 lineas con errores");
}

} // namespace

class TestImportWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ShellTestFolder> folder_;

    QString FourLines()
    {
        return WriteText(*folder_, QStringLiteral("four.txt"),
                         "03.15.27.41.50-02.09\r\n\r\n; weekly\r\n1 2 3 4 55\r\n");
    }

private slots:
    void init()
    {
        folder_ = std::make_unique<ShellTestFolder>();
        QVERIFY(folder_->IsValid());
    }
    void cleanup() { folder_.reset(); }

    void startsWithAnEmptyLogAndImportDisabled()
    {
        TFRMImportar window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Importar"));
        QCOMPARE(window.LogText(), QString());
        QVERIFY(!window.ActImportar->isEnabled());
        auto *import = window.findChild<QPushButton *>(QStringLiteral("bbImportar"));
        QVERIFY(import && !import->isEnabled());
        QCOMPARE(import->text(), QStringLiteral("&Importar"));
        QCOMPARE(window.findChild<QPushButton *>(QStringLiteral("bbSelArchivo"))->text(),
                 QStringLiteral("&Seleccionar Archivo"));
        QCOMPARE(window.findChild<QPushButton *>(QStringLiteral("bbCancelar"))->text(),
                 QStringLiteral("&Cancelar"));
        QVERIFY(window.findChild<QPlainTextEdit *>(QStringLiteral("mInformacionArchivo"))->isReadOnly());
    }

    void fourLinesOneOfEachClassAreLogged()
    {
        const QString path = FourLines();
        TFRMImportar window;
        DialogService::SetNextFileName(path);
        Trigger(&window, "ActLeerArchivo");
        QCOMPARE(DialogService::ShownBoxes().constFirst().kind, DialogService::Kind::OpenFile);
        QCOMPARE(DialogService::ShownBoxes().constFirst().text,
                 QStringLiteral("Archivo de Texto *.txt|*.txt|Todos los archivos *.*|*.*"));
        QCOMPARE(window.LogText(), FourLineLog(path));
        QCOMPARE(window.ApuestasLeidas().Count(), 1);
        QVERIFY(window.ActImportar->isEnabled());
        QVERIFY(window.findChild<QPushButton *>(QStringLiteral("bbImportar"))->isEnabled());
    }

    void lastLineWithoutAnEndIsRead()
    {
        TFRMImportar window;
        window.ReadFile(WriteText(*folder_, QStringLiteral("t.txt"), "1 2 3 4 5 6 7\n8 9 10 11 12 1 2"));
        QCOMPARE(window.Counts().lines, int64_t{2});
        QCOMPARE(window.ApuestasLeidas().Count(), 2);
    }

    // Written by a program that saves text as UTF-16 with its byte-order mark.
    void wideTextIsReadAsItsCharacters()
    {
        QByteArray bytes("\xFF\xFE", 2);
        for (const char c : QByteArrayLiteral("10 20 30 40 50 1 9\r\n; nota\r\n"))
            if (c != '\0')
                bytes.append(c).append('\0');
        TFRMImportar window;
        window.ReadFile(WriteText(*folder_, QStringLiteral("wide.txt"), bytes));
        QCOMPARE(window.Counts().lines, int64_t{2});
        QCOMPARE(window.ApuestasLeidas().Count(), 1);
        QCOMPARE(window.ApuestasLeidas().Bet(0).AsText(), std::string("10.20.30.40.50-01.09"));
        QVERIFY(window.ActImportar->isEnabled());
    }

    void fileWithoutBetsLeavesImportDisabled()
    {
        TFRMImportar window;
        window.ReadFile(FourLines());
        QVERIFY(window.ActImportar->isEnabled());
        window.ReadFile(WriteText(*folder_, QStringLiteral("none.txt"), "; only a comment\n1 2 3\n"));
        QVERIFY(!window.ActImportar->isEnabled());
        QVERIFY(window.LogText().contains(QStringLiteral("Encontradas 0 apuestas válidas")));
    }

    void unreadableFileShowsTheErrorWithAnEmptyLog()
    {
        TFRMImportar window;
        window.ReadFile(FourLines());
        const QString missing = folder_->FilePath(QStringLiteral("missing.txt"));
        DialogService::ClearShownBoxes();
        DialogService::SetNextFileName(missing);
        Trigger(&window, "ActLeerArchivo");
        QCOMPARE(DialogService::ShownBoxes().constLast().kind, DialogService::Kind::Error);
        QCOMPARE(DialogService::LastText(), QStringLiteral("Cannot open file ") + missing + QLatin1Char('.'));
        QCOMPARE(window.LogText(), QString());
        QVERIFY(!window.ActImportar->isEnabled());
        QCOMPARE(window.ApuestasLeidas().Count(), 0);
    }

    void cancellingTheFileDialogKeepsTheLastRead()
    {
        const QString path = FourLines();
        TFRMImportar window;
        window.ReadFile(path);
        DialogService::SetNextFileName(QString());
        Trigger(&window, "ActLeerArchivo");
        QCOMPARE(window.LogText(), FourLineLog(path));
        QVERIFY(window.ActImportar->isEnabled());
        QCOMPARE(window.ApuestasLeidas().Count(), 1);
    }

    void importAppendsInOrderAndTellsHowMany()
    {
        const QString path = WriteText(*folder_, QStringLiteral("three.txt"),
                                       "10 20 30 40 50 8 9\n11 21 31 41 49 1 9\n1 2 3 4 5 6 7\n");
        TEuroMillonApuestas destino;
        destino.WorkingBet().FromMask(NumberBit(5) | NumberBit(6) | NumberBit(7) | NumberBit(8) |
                                      NumberBit(9) | StarBit(1) | StarBit(2));
        destino.Store(-1);
        int changes = 0;
        std::vector<int> stored;
        destino.OnChange = [&changes](void *) { ++changes; };
        destino.OnBeforeStore = [&stored](void *, int position) { stored.push_back(position); };

        TFRMImportar window;
        window.SetDestino(destino);
        window.ReadFile(path);
        DialogService::ClearShownBoxes();
        Trigger(&window, "ActImportar");
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(destino.Count(), 4);
        QCOMPARE(destino.Mask(1), NumberBit(10) | NumberBit(20) | NumberBit(30) | NumberBit(40) |
                                      NumberBit(50) | StarBit(8) | StarBit(9));
        QCOMPARE(destino.Mask(3), NumberBit(1) | NumberBit(2) | NumberBit(3) | NumberBit(4) | NumberBit(5) |
                                      StarBit(6) | StarBit(7));
        QCOMPARE(changes, 1);
        QCOMPARE(stored, (std::vector<int>{1, 2, 3}));
        QCOMPARE(DialogService::ShownBoxes().size(), 1);
        QCOMPARE(DialogService::ShownBoxes().constFirst().kind, DialogService::Kind::Information);
        QCOMPARE(DialogService::ShownBoxes().constFirst().title, DialogService::ApplicationTitle());
        QCOMPARE(DialogService::LastText(),
                 QStringLiteral("Se han importado un total de 3 apuestas a la combinación"));
    }

    void shellCommandOpensTheWindowModallyOverTheCombination()
    {
        const QString path = FourLines();
        InstallShellTools();
        QVERIFY(ShellTools().importBets);
        TEuroMillonApuestas combination;
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto *window = qobject_cast<TFRMImportar *>(QApplication::activeModalWidget());
            QVERIFY(window);
            seen = true;
            window->ReadFile(path);
            Trigger(window, "ActImportar");
        });
        ShellTools().importBets(nullptr, combination);
        QVERIFY(seen);
        QCOMPARE(combination.Count(), 1);
    }

    void cancelAddsNothing()
    {
        TEuroMillonApuestas combination;
        QTimer::singleShot(0, this, [&] {
            auto *window = qobject_cast<TFRMImportar *>(QApplication::activeModalWidget());
            QVERIFY(window);
            window->ReadFile(FourLines());
            QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("bbCancelar")), Qt::LeftButton);
        });
        ShowImportWindow(nullptr, combination);
        QCOMPARE(combination.Count(), 0);
    }
};

QTEST_MAIN(TestImportWindow)
#include "test_import_window.moc"
