// The export window driven offscreen with scripted file dialogs and answers:
// text files byte for byte, separators and their settings, the overwrite
// question, write failures, and the workbook opened, saved elsewhere or saved
// as chosen.
#include "support/ui/shell_test_support.h"

#include "exchange/ui/frm_export.h"
#include "framework/parametres.h"
#include "model/euromillon_apuestas.h"
#include "model/separators.h"
#include "shell/ui/shell_tools.h"
#include "widgets/dialog_service.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

constexpr BetMask kBet =
    NumberBit(3) | NumberBit(15) | NumberBit(27) | NumberBit(41) | NumberBit(50) | StarBit(2) | StarBit(9);

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QComboBox *List(QWidget *window, const char *name)
{
    return window->findChild<QComboBox *>(QString::fromLatin1(name));
}

void Choose(QWidget *window, const char *radio)
{
    window->findChild<QRadioButton *>(QString::fromLatin1(radio))->setChecked(true);
}

std::string Stored(const char *key)
{
    return Parametres().ReadString(key, "<none>");
}

bool MarkedForSaving(const char *key)
{
    return Parametres().Entry(Parametres().IndexOf(key)).Save;
}

} // namespace

class TestExportWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ShellTestFolder> folder_;
    QByteArray savedTmpDir_;
    bool hadTmpDir_ = false;
    TEuroMillonApuestas combination_;

    QString Path(const char *name) const { return folder_->FilePath(QString::fromLatin1(name)); }

    std::unique_ptr<TFRMExport> NewWindow()
    {
        auto window = std::make_unique<TFRMExport>();
        window->SetDestino(combination_);
        return window;
    }

    // A text export with the given separators typed into the lists.
    void ExportText(TFRMExport &window, const QString &path, const QString &numbers, const QString &blocks)
    {
        Choose(&window, "rbArchivoTexto");
        List(&window, "cbSeparaNumeros")->setEditText(numbers);
        List(&window, "cbSeparaBloques")->setEditText(blocks);
        DialogService::SetNextFileName(path);
        Trigger(&window, "ActExportar");
    }

private slots:
    void init()
    {
        folder_ = std::make_unique<ShellTestFolder>();
        QVERIFY(folder_->IsValid());
        // Workbooks opened for viewing go to the temporary folder: this one.
        savedTmpDir_ = qgetenv("TMPDIR");
        hadTmpDir_ = qEnvironmentVariableIsSet("TMPDIR");
        qputenv("TMPDIR", folder_->Path().toLocal8Bit());
        Parametres().SetValor("PRM_NUMEROS_SEPARATOR", Variant(std::string(".")));
        Parametres().SetValor("PRM_BLOQUES_SEPARATOR", Variant(std::string("-")));
        combination_.Clear();
        combination_.SetName("Sorteo de Navidad 2024!");
        combination_.AppendMasks(&kBet, 1);
    }
    void cleanup()
    {
        // The next folder must not be made inside this one once it is gone.
        if (hadTmpDir_)
            qputenv("TMPDIR", savedTmpDir_);
        else
            qunsetenv("TMPDIR");
        folder_.reset();
    }

    void showsTheStoredSeparatorsAndNoChoice()
    {
        Parametres().SetValor("PRM_NUMEROS_SEPARATOR", Variant(std::string(",")));
        auto window = NewWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral("Exportar"));
        QCOMPARE(window->findChild<QGroupBox *>(QStringLiteral("gb"))->title(),
                 QStringLiteral(" Tipo de exportación: "));
        QVERIFY(!window->findChild<QRadioButton *>(QStringLiteral("rbArchivoTexto"))->isChecked());
        QVERIFY(!window->findChild<QRadioButton *>(QStringLiteral("rbExcel"))->isChecked());
        QCOMPARE(List(window.get(), "cbSeparaNumeros")->currentText(), QStringLiteral(","));
        QCOMPARE(List(window.get(), "cbSeparaBloques")->currentText(), QStringLiteral("-"));
        QStringList items;
        for (int i = 0; i < List(window.get(), "cbSeparaNumeros")->count(); ++i)
            items << List(window.get(), "cbSeparaNumeros")->itemText(i);
        QCOMPARE(items, (QStringList{QStringLiteral("TAB"), QStringLiteral(" "), QStringLiteral("."),
                                     QStringLiteral("-"), QStringLiteral(",")}));
        QCOMPARE(window->findChild<QPushButton *>(QStringLiteral("bbImportar"))->text(),
                 QStringLiteral("&Exportar"));
        QCOMPARE(window->findChild<QPushButton *>(QStringLiteral("bbGuardarLibro"))->text(),
                 QStringLiteral("&Guardar como libro..."));
    }

    void neitherChoiceIsAnError()
    {
        auto window = NewWindow();
        Trigger(window.get(), "ActExportar");
        QCOMPARE(DialogService::ShownBoxes().size(), 1);
        QCOMPARE(DialogService::ShownBoxes().constFirst().kind, DialogService::Kind::Error);
        QCOMPARE(DialogService::LastText(), QStringLiteral("No ha seleccionado ninguna opción."));
    }

    void defaultSeparatorsWriteTheLineAndStoreThem()
    {
        auto window = NewWindow();
        const QString path = Path("out.txt");
        ExportText(*window, path, QStringLiteral("."), QStringLiteral("-"));
        QCOMPARE(DialogService::ShownBoxes().constFirst().kind, DialogService::Kind::SaveFile);
        QCOMPARE(DialogService::ShownBoxes().constFirst().text,
                 QStringLiteral("Archivo de Texto *.txt|*.txt|Todos los archivos *.*|*.*"));
        QCOMPARE(FileBytes(path), QByteArray("03.15.27.41.50-02.09\r\n"));
        QCOMPARE(DialogService::ShownBoxes().constLast().kind, DialogService::Kind::Information);
        QCOMPARE(DialogService::LastText(), QStringLiteral("El archivo ha sido guardado\r\n") + path);
        QCOMPARE(window->result(), int(QDialog::Accepted));
        QVERIFY(MarkedForSaving("PRM_NUMEROS_SEPARATOR"));
        QVERIFY(MarkedForSaving("PRM_BLOQUES_SEPARATOR"));
        QCOMPARE(NumberSeparator(), std::string("."));
    }

    void tabAndBlank()
    {
        auto window = NewWindow();
        ExportText(*window, Path("out.txt"), QStringLiteral("TAB"), QStringLiteral(" "));
        QCOMPARE(FileBytes(Path("out.txt")), QByteArray("03\t15\t27\t41\t50 02\t09\r\n"));
        QCOMPARE(Stored("PRM_NUMEROS_SEPARATOR"), std::string("TAB"));
        QCOMPARE(Stored("PRM_BLOQUES_SEPARATOR"), std::string(" "));
    }

    void longSeparatorIsCutAndEmptyOneIsABlank()
    {
        auto window = NewWindow();
        ExportText(*window, Path("out.txt"), QStringLiteral("abcdefg"), QString());
        QCOMPARE(List(window.get(), "cbSeparaNumeros")->currentText(), QStringLiteral("abcde"));
        QCOMPARE(FileBytes(Path("out.txt")), QByteArray("03abcde15abcde27abcde41abcde50 02abcde09\r\n"));
        QCOMPARE(Stored("PRM_NUMEROS_SEPARATOR"), std::string("abcde"));
        QCOMPARE(Stored("PRM_BLOQUES_SEPARATOR"), std::string());
    }

    void nextWindowOffersTheSeparatorsOfTheLastTextExport()
    {
        {
            auto window = NewWindow();
            ExportText(*window, Path("out.txt"), QStringLiteral(","), QStringLiteral("TAB"));
        }
        auto next = NewWindow();
        QCOMPARE(List(next.get(), "cbSeparaNumeros")->currentText(), QStringLiteral(","));
        QCOMPARE(List(next.get(), "cbSeparaBloques")->currentText(), QStringLiteral("TAB"));
    }

    void answeringNoLeavesTheOldFileAndTheWindowOpen()
    {
        const QString path = Path("old.txt");
        WriteBytes(path, "old contents");
        auto window = NewWindow();
        DialogService::SetNextAnswer(QMessageBox::No);
        ExportText(*window, path, QStringLiteral(","), QStringLiteral(","));
        QCOMPARE(FileBytes(path), QByteArray("old contents"));
        QCOMPARE(DialogService::ShownBoxes().constLast().kind, DialogService::Kind::Question);
        QCOMPARE(DialogService::LastText(), QStringLiteral("Ya existe un archivo con el mismo nombre:\r\n") +
                                                path +
                                                QStringLiteral("\r\n¿Continuar y sobreescribir el archivo?"));
        QCOMPARE(window->result(), int(QDialog::Rejected));
        QCOMPARE(Stored("PRM_NUMEROS_SEPARATOR"), std::string("."));

        DialogService::SetNextAnswer(QMessageBox::Yes);
        ExportText(*window, path, QStringLiteral(","), QStringLiteral(","));
        QCOMPARE(FileBytes(path), QByteArray("03,15,27,41,50,02,09\r\n"));
    }

    void cancellingTheSaveDialogDoesNothing()
    {
        auto window = NewWindow();
        ExportText(*window, QString(), QStringLiteral(","), QStringLiteral(","));
        QCOMPARE(DialogService::ShownBoxes().size(), 1);
        QCOMPARE(window->result(), int(QDialog::Rejected));
        QCOMPARE(Stored("PRM_NUMEROS_SEPARATOR"), std::string("."));
    }

    void failedWriteShowsTheErrorAndChangesNoSetting()
    {
        auto window = NewWindow();
        const QString path = Path("no/folder/out.txt");
        ExportText(*window, path, QStringLiteral("TAB"), QStringLiteral(","));
        QCOMPARE(DialogService::ShownBoxes().constLast().kind, DialogService::Kind::Error);
        QCOMPARE(DialogService::LastText(), QStringLiteral("Cannot create file ") + path + QLatin1Char('.'));
        QCOMPARE(window->result(), int(QDialog::Rejected));
        QCOMPARE(NumberSeparator(), std::string("."));
        QCOMPARE(BlockSeparator(), std::string("-"));
        QCOMPARE(Stored("PRM_NUMEROS_SEPARATOR"), std::string("."));
        QVERIFY(!QFile::exists(path));
    }

    // Every workbook below the temporary folder, however deep.
    QStringList WorkbooksInTemporaryFolder() const
    {
        QStringList found;
        QDirIterator it(folder_->Path(), {QStringLiteral("*.xlsx")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            found << it.next();
        return found;
    }

    void workbookGoesToAPrivateFolderAndIsOpened()
    {
        auto window = NewWindow();
        Choose(window.get(), "rbExcel");
        List(window.get(), "cbSeparaNumeros")->setEditText(QStringLiteral(","));
        Trigger(window.get(), "ActExportar");
        const QString first = window->LastWorkbook();
        QCOMPARE(QFileInfo(first).fileName(), QStringLiteral("SorteodeNavidad2024_1.xlsx"));
        const QString privateFolder = QFileInfo(first).absolutePath();
        QCOMPARE(QFileInfo(privateFolder).absolutePath(), QFileInfo(folder_->Path()).absoluteFilePath());
        QVERIFY(FileBytes(first).startsWith("PK"));
        QCOMPARE(DialogService::ShownBoxes().size(), 1);
        QCOMPARE(DialogService::ShownBoxes().constFirst().kind, DialogService::Kind::External);
        QCOMPARE(DialogService::LastText(), first);
        QCOMPARE(window->result(), int(QDialog::Rejected)); // the window stays open
        QCOMPARE(Stored("PRM_NUMEROS_SEPARATOR"), std::string("."));

        Trigger(window.get(), "ActExportar");
        QCOMPARE(window->LastWorkbook(),
                 QDir(privateFolder).filePath(QStringLiteral("SorteodeNavidad2024_2.xlsx")));
        QCOMPARE(WorkbooksInTemporaryFolder().size(), 2);

        // The program ends: its application object takes the folder along.
        QObject *owner = QCoreApplication::instance()->findChild<QObject *>(
            QString::fromLatin1(TFRMExport::kWorkbookFolderName), Qt::FindDirectChildrenOnly);
        QVERIFY(owner);
        delete owner;
        QVERIFY(!QFileInfo::exists(privateFolder));
        QCOMPARE(WorkbooksInTemporaryFolder(), QStringList());
    }

    void workbookNothingCanOpenIsWrittenOnlyWhereTheUserSays()
    {
        auto window = NewWindow();
        Choose(window.get(), "rbExcel");
        QVERIFY(QDir().mkpath(Path("mine")));
        const QString chosen = Path("mine/kept.xlsx");
        DialogService::SetNextExternalResult(false);
        DialogService::SetNextAnswer(QMessageBox::Yes);
        DialogService::SetNextFileName(chosen);
        Trigger(window.get(), "ActExportar");
        const QList<DialogService::ShownBox> boxes = DialogService::ShownBoxes();
        QCOMPARE(boxes.size(), 3);
        QCOMPARE(boxes.at(0).kind, DialogService::Kind::Question);
        QCOMPARE(boxes.at(0).text,
                 QStringLiteral("Ningún programa de hojas de cálculo puede abrir el libro.\r\n"
                                "¿Desea guardarlo en un archivo?"));
        QCOMPARE(boxes.at(1).kind, DialogService::Kind::SaveFile);
        QCOMPARE(boxes.at(1).text, QStringLiteral("Libro de Excel *.xlsx|*.xlsx|Todos los archivos *.*|*.*"));
        QCOMPARE(boxes.at(1).name, QStringLiteral("Sorteo de Navidad 2024!.xlsx"));
        QCOMPARE(boxes.at(2).text, QStringLiteral("El archivo ha sido guardado\r\n") + chosen);
        QVERIFY(FileBytes(chosen).startsWith("PK"));
        QCOMPARE(WorkbooksInTemporaryFolder(), QStringList{chosen});

        DialogService::ClearShownBoxes();
        DialogService::SetNextExternalResult(false);
        DialogService::SetNextAnswer(QMessageBox::No);
        Trigger(window.get(), "ActExportar");
        QCOMPARE(DialogService::ShownBoxes().size(), 1);
        QCOMPARE(WorkbooksInTemporaryFolder(), QStringList{chosen});
    }

    void saveAsWorkbookWritesTheChosenPathAskingBeforeOverwriting()
    {
        auto window = NewWindow();
        const QString path = Path("mine.xlsx");
        DialogService::SetNextFileName(path);
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("bbGuardarLibro")), Qt::LeftButton);
        QVERIFY(FileBytes(path).startsWith("PK"));
        QCOMPARE(DialogService::LastText(), QStringLiteral("El archivo ha sido guardado\r\n") + path);

        WriteBytes(path, "old");
        DialogService::SetNextFileName(path);
        DialogService::SetNextAnswer(QMessageBox::No);
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("bbGuardarLibro")), Qt::LeftButton);
        QCOMPARE(FileBytes(path), QByteArray("old"));
        QCOMPARE(DialogService::ShownBoxes().constLast().kind, DialogService::Kind::Question);
    }

    void shellCommandOpensTheWindowModally()
    {
        InstallShellTools();
        QVERIFY(ShellTools().exportBets);
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto *window = qobject_cast<TFRMExport *>(QApplication::activeModalWidget());
            QVERIFY(window);
            seen = true;
            QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("bbCancelar")), Qt::LeftButton);
        });
        ShellTools().exportBets(nullptr, combination_);
        QVERIFY(seen);
    }
};

QTEST_MAIN(TestExportWindow)
#include "test_export_window.moc"
