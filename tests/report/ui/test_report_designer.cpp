// The report designer driven offscreen: adding, moving and resizing with the
// keys and the mouse, undo and redo, the property panel in millimetres,
// saving and reading back, a damaged template, and the print window's
// design button saving an automatic ticket under its free name.
#include "support/ui/shell_test_support.h"

#include "model/euromillon_apuestas.h"
#include "model/ticket_tables.h"
#include "printing/boleto_automatico.h"
#include "printing/ui/frm_print_boletos.h"
#include "report/report.h"
#include "report/ui/designer_canvas.h"
#include "report/ui/report_designer.h"
#include "widgets/dialog_service.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

void A4WithMargins(TfrReport &report)
{
    report.Clear();
    report.AddPage().SetMargins({36, 36, 36, 36});
}

QPoint CentreOf(TfrDesignCanvas &canvas, const TfrView &view)
{
    const double s = canvas.Scale();
    return QPoint(int(12 + (view.Left + view.Width / 2.0) * s), int(12 + (view.Top + view.Height / 2.0) * s));
}

} // namespace

class TestReportDesigner : public QObject {
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

    void addMoveUndoRedoSaveAndReadBack()
    {
        TfrReport report;
        A4WithMargins(report);
        TfrDesignerWindow designer(report);
        designer.show();
        Trigger(&designer, "ActAddText");
        QCOMPARE(report.Page(0).Objects().size(), size_t(1));
        const TfrView added = report.Page(0).Objects()[0];
        QCOMPARE(added.Kind, TfrViewKind::Memo);
        QCOMPARE(added.Left, 36);
        QCOMPARE(added.Top, 36);
        QCOMPARE(designer.Canvas().Selected(), 0);

        TfrDesignCanvas &canvas = designer.Canvas();
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(&canvas, Qt::Key_Right);
        QTest::keyClick(&canvas, Qt::Key_Down);
        QTest::keyClick(&canvas, Qt::Key_Down);
        QTest::keyClick(&canvas, Qt::Key_Right, Qt::ShiftModifier);
        const TfrView *memo = &report.Page(0).Objects()[0];
        QCOMPARE(memo->Left, 39);
        QCOMPARE(memo->Top, 38);
        QCOMPARE(memo->Width, added.Width + 1);

        Trigger(&designer, "ActUndo");
        Trigger(&designer, "ActUndo");
        memo = &report.Page(0).Objects()[0];
        QCOMPARE(memo->Width, added.Width);
        QCOMPARE(memo->Top, 37);
        Trigger(&designer, "ActRedo");
        memo = &report.Page(0).Objects()[0];
        QCOMPARE(memo->Top, 38);

        const QString path = folder_->FilePath(QStringLiteral("mio.frf"));
        DialogService::SetNextFileName(path);
        Trigger(&designer, "ActSaveAs");
        QCOMPARE(DialogService::ShownBoxes().size(), 1);
        QVERIFY(designer.UndoStack().isClean());
        TfrReport again;
        again.LoadFromFile(path.toStdString());
        const TfrView *read = again.Page(0).FindObject(memo->Name);
        QVERIFY(read);
        QCOMPARE(*read, *memo);
        QCOMPARE(read->Left, 39);
        QCOMPARE(read->Top, 38);
    }

    void mouseMovesAndResizes()
    {
        TfrReport report;
        A4WithMargins(report);
        TfrDesignerWindow designer(report);
        designer.show();
        Trigger(&designer, "ActAddCheckBox");
        TfrDesignCanvas &canvas = designer.Canvas();
        canvas.Select(-1);
        const TfrView box = report.Page(0).Objects()[0];
        const QPoint from = CentreOf(canvas, box);
        const int step = int(std::lround(36 * canvas.Scale()));
        QTest::mousePress(&canvas, Qt::LeftButton, {}, from);
        QCOMPARE(canvas.Selected(), 0);
        QTest::mouseMove(&canvas, from + QPoint(step, 0));
        QTest::mouseRelease(&canvas, Qt::LeftButton, {}, from + QPoint(step, 0));
        QVERIFY(std::abs(report.Page(0).Objects()[0].Left - (box.Left + 36)) <= 1);
        QCOMPARE(report.Page(0).Objects()[0].Top, box.Top);
        QCOMPARE(designer.UndoStack().count(), 2);
    }

    void propertiesShowMillimetresAndStoreUnits()
    {
        TfrReport report;
        A4WithMargins(report);
        TfrDesignerWindow designer(report);
        Trigger(&designer, "ActAddText");
        auto *left = designer.findChild<QDoubleSpinBox *>(QStringLiteral("sbLeft"));
        QCOMPARE(left->value(), 10.0); // 36 units
        left->setValue(20.0);
        emit left->editingFinished();
        QCOMPARE(report.Page(0).Objects()[0].Left, 72);
        auto *expression = designer.findChild<QLineEdit *>(QStringLiteral("edExpression"));
        expression->setText(QStringLiteral("Boleto [NBOLETO]"));
        emit expression->editingFinished();
        QCOMPARE(report.Page(0).Objects()[0].Memo, std::string("Boleto [NBOLETO]"));
        Trigger(&designer, "ActUndo");
        QCOMPARE(report.Page(0).Objects()[0].Memo, std::string("[COMB_NAME]"));
        QCOMPARE(expression->text(), QStringLiteral("[COMB_NAME]"));
    }

    void damagedTemplateIsAnErrorAndTheDesignerGoesOn()
    {
        const QString damaged = folder_->FilePath(QStringLiteral("roto.frf"));
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("QFRF\x02\x01\x01\x01", 8);
        file.close();
        TfrReport report;
        A4WithMargins(report);
        TfrDesignerWindow designer(report);
        designer.show();
        Trigger(&designer, "ActAddText");
        DialogService::SetNextFileName(damaged);
        Trigger(&designer, "ActOpen");
        QCOMPARE(DialogService::ShownBoxes().constLast().kind, DialogService::Kind::Error);
        QCOMPARE(report.Page(0).Objects().size(), size_t(1));
        QVERIFY(designer.isVisible());
        Trigger(&designer, "ActAddBand");
        QCOMPARE(report.Page(0).Objects().size(), size_t(2));
    }

    void pictureIsAddedAndDeleted()
    {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::red);
        const QString png = folder_->FilePath(QStringLiteral("logo.png"));
        QVERIFY(image.save(png));
        TfrReport report;
        A4WithMargins(report);
        TfrDesignerWindow designer(report);
        DialogService::SetNextFileName(png);
        Trigger(&designer, "ActAddPicture");
        QCOMPARE(report.Page(0).Objects().size(), size_t(1));
        QCOMPARE(report.Page(0).Objects()[0].Kind, TfrViewKind::Picture);
        QCOMPARE(QByteArray::fromStdString(report.Page(0).Objects()[0].Picture), FileBytes(png));
        Trigger(&designer, "ActDelete");
        QVERIFY(report.Page(0).Objects().empty());
        Trigger(&designer, "ActUndo");
        QCOMPARE(report.Page(0).Objects().size(), size_t(1));
    }

    void closingWithChangesAsks()
    {
        TfrReport report;
        A4WithMargins(report);
        TfrDesignerWindow designer(report);
        designer.show();
        Trigger(&designer, "ActAddText");
        DialogService::SetNextAnswer(QMessageBox::Cancel);
        designer.reject();
        QVERIFY(designer.isVisible());
        DialogService::SetNextAnswer(QMessageBox::No);
        designer.reject();
        QVERIFY(!designer.isVisible());
    }

    void printWindowDesignSavesTheAutomaticTicketUnderItsName()
    {
        TEuroMillonApuestas combination;
        const BetMask bet = NumberBit(1) | NumberBit(2) | NumberBit(3) | NumberBit(4) | NumberBit(5) |
                            StarBit(1) | StarBit(2);
        combination.AppendMasks(&bet, 1);
        TFRMPrintBoletos window;
        window.SetApuestas(combination);
        window.SetModoBoletos(true);
        QTimer::singleShot(0, [] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                if (auto *designer = qobject_cast<TfrDesignerWindow *>(widget);
                    designer && designer->isVisible()) {
                    Trigger(designer, "ActSave");
                    designer->reject();
                }
            }
        });
        window.findChild<QPushButton *>(QStringLiteral("bbDesign"))->click();
        const QString saved = folder_->FilePath(QStringLiteral("Boletos/Boleto_Automatico_1.frf"));
        QVERIFY(QFile::exists(saved));
        QCOMPARE(window.findChild<QComboBox *>(QStringLiteral("cbGuardados"))
                     ->findText(QStringLiteral("Boleto_Automatico_1.frf")),
                 0);
        TfrReport read;
        read.LoadFromFile(saved.toStdString());
        QCOMPARE(read.Page(0).Objects().size(), size_t(298));
    }

    // The automatic ticket turned 90 degrees: its two texts are narrow and
    // tall; each is drawn turned and stays in its frame, off the boxes.
    void rotatedTextsArePaintedTurnedWithinTheirFrames()
    {
        TfrReport report;
        const TTablasBoleto &tablas = TablasDePais(pbEspana);
        ConstruirBoletoAutomatico(report, 1, tablas.Geometria, tablas.Formato, 0, 0, kPrintBoletosDataSet);
        TfrDesignerWindow designer(report);
        designer.show();
        TfrDesignCanvas &canvas = designer.Canvas();
        canvas.Select(-1);
        QImage image(canvas.size(), QImage::Format_RGB32);
        canvas.render(&image);
        const double s = canvas.Scale();
        std::vector<QRect> frames;
        for (const char *name : {"NBOLETO", "COMB_NAME"}) {
            const TfrView *view = report.Page(0).FindObject(name);
            QVERIFY(view && (view->Alignment & frtaVertical) && view->Height > 4 * view->Width);
            frames.push_back(
                QRectF(12 + view->Left * s, 12 + view->Top * s, view->Width * s, view->Height * s)
                    .toAlignedRect());
        }
        // Text is black; the boxes, frames and margins are drawn in greys.
        std::vector<QRect> ink(frames.size());
        long stray = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) >= 80)
                    continue;
                const auto inside = std::find_if(frames.begin(), frames.end(),
                                                 [x, y](const QRect &r) { return r.contains(x, y); });
                if (inside == frames.end())
                    ++stray;
                else
                    ink[size_t(inside - frames.begin())] |= QRect(x, y, 1, 1);
            }
        }
        QCOMPARE(stray, 0L);
        for (const QRect &r : ink) {
            QVERIFY(!r.isEmpty());
            QVERIFY2(r.height() > 3 * r.width(), "the text runs up its frame");
        }
    }
};

QTEST_MAIN(TestReportDesigner)
#include "test_report_designer.moc"
