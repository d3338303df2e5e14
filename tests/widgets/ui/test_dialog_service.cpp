#include "framework/abort_error.h"
#include "model/exception.h"
#include "widgets/command_guard.h"
#include "widgets/dialog_service.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <stdexcept>

class TestDialogService : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        DialogService::SetHeadless(true);
        DialogService::ClearScript();
        DialogService::ClearShownBoxes();
    }

    void fullStopAppendedAfterCharactersSortingAfterIt()
    {
        QCOMPARE(DialogService::WithFullStop(QStringLiteral("Error")), QStringLiteral("Error."));
        QCOMPARE(DialogService::WithFullStop(QStringLiteral("la apuesta: 7")),
                 QStringLiteral("la apuesta: 7."));
        QCOMPARE(DialogService::WithFullStop(QStringLiteral("¿Seguro?")), QStringLiteral("¿Seguro?."));
        QCOMPARE(DialogService::WithFullStop(QStringLiteral("Done.")), QStringLiteral("Done."));
        QCOMPARE(DialogService::WithFullStop(QStringLiteral("(8)")), QStringLiteral("(8)"));
        QCOMPARE(DialogService::WithFullStop(QStringLiteral("Wait!")), QStringLiteral("Wait!"));
        QCOMPARE(DialogService::WithFullStop(QStringLiteral("a - ")), QStringLiteral("a - "));
        QCOMPARE(DialogService::WithFullStop(QString()), QString());
    }

    void pipeFiltersBecomeQtFilters()
    {
        QCOMPARE(DialogService::QtFilter(QStringLiteral(
                     "Archivos Apuestas EuroMillon (*.aem)|*.aem|Todos los Archivos (*.*)|*.*")),
                 QStringLiteral("Archivos Apuestas EuroMillon (*.aem);;Todos los Archivos (*)"));
        QCOMPARE(DialogService::QtFilter(QStringLiteral("Texto|*.txt;*.csv")),
                 QStringLiteral("Texto (*.txt *.csv)"));
        QCOMPARE(DialogService::QtFilter(QStringLiteral("plain")), QStringLiteral("plain"));
    }

    void scriptedAnswersAreTakenInOrderThenEscape()
    {
        QWidget window;
        DialogService::SetNextAnswer(QMessageBox::Yes);
        DialogService::SetNextAnswer(QMessageBox::No);
        const auto buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        QCOMPARE(DialogService::Ask(&window, QStringLiteral("one"), buttons), QMessageBox::Yes);
        QCOMPARE(DialogService::Ask(&window, QStringLiteral("two"), buttons), QMessageBox::No);
        QCOMPARE(DialogService::Ask(&window, QStringLiteral("three"), buttons), QMessageBox::Cancel);
        QCOMPARE(DialogService::Ask(&window, QStringLiteral("four"), QMessageBox::Yes | QMessageBox::No),
                 QMessageBox::No);
        QCOMPARE(DialogService::ShownBoxes().size(), 4);
        QCOMPARE(DialogService::ShownBoxes().at(0).title, QStringLiteral("QOR-EuroMillon v3"));
        QCOMPARE(DialogService::Ask(&window, QStringLiteral("t"), QMessageBox::Ok, QMessageBox::Information,
                                    QStringLiteral("Caption")),
                 QMessageBox::Ok);
        QCOMPARE(DialogService::ShownBoxes().constLast().title, QStringLiteral("Caption"));
    }

    void scriptedFileNamesAndInputs()
    {
        DialogService::SetNextFileName(QStringLiteral("/tmp/a.aem"));
        QCOMPARE(DialogService::OpenFileName(nullptr, QStringLiteral("A|*.aem"), QStringLiteral("aem")),
                 QStringLiteral("/tmp/a.aem"));
        QVERIFY(
            DialogService::SaveFileName(nullptr, QStringLiteral("A|*.aem"), QStringLiteral("aem")).isEmpty());

        QString value = QStringLiteral("old");
        DialogService::SetNextInput(QStringLiteral("new"));
        QVERIFY(DialogService::InputText(nullptr, QStringLiteral("T"), QStringLiteral("P"), value));
        QCOMPARE(value, QStringLiteral("new"));
        DialogService::SetNextInput(QStringLiteral("ignored"), false);
        QVERIFY(!DialogService::InputText(nullptr, QStringLiteral("T"), QStringLiteral("P"), value));
        QCOMPARE(value, QStringLiteral("new"));
        QVERIFY(!DialogService::InputText(nullptr, QStringLiteral("T"), QStringLiteral("P"), value));
    }

    // A short message still makes a box wide enough for the title bar to
    // show the whole application title.
    void aShortBoxLeavesRoomForItsTitle()
    {
        DialogService::SetHeadless(false);
        int width = 0;
        int needed = 0;
        auto *timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [&] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<QMessageBox *>(widget);
                if (!box || !box->isVisible())
                    continue;
                width = box->width();
                needed = box->fontMetrics().horizontalAdvance(box->windowTitle()) + 100;
                box->accept();
            }
        });
        timer->start(10);
        DialogService::ShowError(nullptr, QStringLiteral("No"));
        delete timer;
        DialogService::SetHeadless(true);
        QVERIFY(width > 0);
        QVERIFY2(width >= needed, qPrintable(QStringLiteral("%1 < %2").arg(width).arg(needed)));
    }

    void commandErrorsBecomeOneErrorBox()
    {
        QWidget window;
        QVERIFY(RunCommand(&window, [] {}));
        QVERIFY(DialogService::ShownBoxes().isEmpty());
        QVERIFY(!RunCommand(&window, [] { throw Exception("No es un formato de archivo válido"); }));
        QCOMPARE(DialogService::ShownBoxes().size(), 1);
        QCOMPARE(DialogService::ShownBoxes().at(0).kind, DialogService::Kind::Error);
        QCOMPARE(DialogService::LastText(), QStringLiteral("No es un formato de archivo válido."));
        QVERIFY(!RunCommand(&window, [] { throw std::runtime_error("plain"); }));
        QCOMPARE(DialogService::LastText(), QStringLiteral("plain."));
        QVERIFY(!RunCommand(&window, [] { throw EAbort(); }));
        QCOMPARE(DialogService::ShownBoxes().size(), 2);
    }
};

QTEST_MAIN(TestDialogService)
#include "test_dialog_service.moc"
