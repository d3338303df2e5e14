// The ticket control for bets of today's game: twelve star boxes.
#include "model/euromillon_apuesta.h"
#include "model/game_rules.h"
#include "model/ticket_tables.h"
#include "widgets/casilla_euromillon_apuesta.h"
#include "widgets/control_euromillon_apuesta.h"
#include "widgets/dialog_service.h"
#include "widgets/edit_bloque_numero.h"
#include "widgets/ticket_renderer.h"

#include <QTest>

#include <algorithm>
#include <vector>

namespace {

std::vector<int> Stars(const TControlEuroMillonApuesta &control)
{
    const TEuroMillonNums &values = control.ShownBet().Block(2);
    return std::vector<int>(values.Values().begin(), values.Values().end());
}

void ClickBox(TControlEuroMillonApuesta &control, int block, int value)
{
    const QRect bounds = control.Layout().BoxBounds(block, value);
    QVERIFY2(!bounds.isEmpty(), "the value has a box");
    QTest::mouseClick(&control, Qt::LeftButton, Qt::NoModifier, bounds.center());
}

bool ShowActive(QWidget &window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

} // namespace

class TestTicketControlCurrent : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        DialogService::SetHeadless(true);
        PonerPais(pbEspana);
        SetEditionInForce(TGameEdition::Classic);
    }

    void cleanupTestCase()
    {
        PonerPais(pbEspana);
        SetEditionInForce(TGameEdition::Classic);
    }

    void aControlStartsInTheEditionInForce()
    {
        TControlEuroMillonApuesta classic;
        QCOMPARE(classic.Edition(), TGameEdition::Classic);
        QCOMPARE(classic.Boxes().size(), size_t(59));
        SetEditionInForce(TGameEdition::Current);
        TControlEuroMillonApuesta current;
        QCOMPARE(current.Edition(), TGameEdition::Current);
        QCOMPARE(current.Boxes().size(), size_t(62));
        QCOMPARE(current.ShownBet().Edition(), TGameEdition::Current);
        QCOMPARE(current.FullBet().Block(2).Count(), 12);
    }

    void twelveStarBoxesInsideTheStarsArea_data()
    {
        QTest::addColumn<bool>("france");
        QTest::newRow("Spain") << false;
        QTest::newRow("France") << true;
    }

    void twelveStarBoxesInsideTheStarsArea()
    {
        QFETCH(bool, france);
        PonerPais(france ? pbFrancia : pbEspana);
        TControlEuroMillonApuesta control;
        control.SetEdition(TGameEdition::Current);
        control.resize(107, 212);
        const QRect stars = control.StarsArea();
        std::vector<QRect> boxes;
        for (int star = 1; star <= 12; ++star) {
            const TCasillaEuroMillonApuesta *box = control.Box(2, star);
            QVERIFY(box != nullptr);
            const QRect bounds = box->Bounds();
            QVERIFY2(stars.contains(bounds), qPrintable(QStringLiteral("star %1 inside").arg(star)));
            for (const QRect &other : boxes)
                QVERIFY2(!other.intersects(bounds), qPrintable(QStringLiteral("star %1 apart").arg(star)));
            boxes.push_back(bounds);
        }
        QVERIFY(control.Box(2, 13) == nullptr);
        // Numbers stand where the ticket has them, whatever the game.
        QCOMPARE(control.Box(1, 1)->Bounds(), france ? QRect(5, 14, 15, 12) : QRect(5, 13, 13, 13));
        // Stars keep the ticket's order: 1, 2, 3 run the way the ticket runs.
        const QPoint first = boxes[0].topLeft(), second = boxes[1].topLeft();
        QVERIFY(france ? second.x() > first.x() && second.y() == first.y()
                       : second.y() > first.y() && second.x() == first.x());
    }

    // Spain's stars run down three rows: a fourth column, the columns closer
    // together and the grid centred across the bet.
    void spanishStarsOfTodaysGameStandInFourColumns()
    {
        TControlEuroMillonApuesta control;
        control.SetEdition(TGameEdition::Current);
        control.resize(107, 212);
        QCOMPARE(control.Box(2, 1)->Bounds(), QRect(3, 161, 20, 14));
        QCOMPARE(control.Box(2, 3)->Bounds().topLeft(), QPoint(3, 191));
        QCOMPARE(control.Box(2, 4)->Bounds().topLeft(), QPoint(30, 161));
        QCOMPARE(control.Box(2, 10)->Bounds().topLeft(), QPoint(83, 161));
        QCOMPARE(control.Box(2, 12)->Bounds(), QRect(83, 191, 20, 14));
    }

    // France's stars run along three columns: a fourth row, the rows closer
    // together and the grid centred in the stars part.
    void frenchStarsOfTodaysGameStandInFourRows()
    {
        PonerPais(pbFrancia);
        const TGeometriaBloque grid = ScreenStarGrid(EnVigor().Formato, EnVigor().Geometria.Bloque(2), 12);
        QCOMPARE(grid.Columnas, 3);
        QCOMPARE(grid.Filas, 4);
        QCOMPARE(grid.PasoX, EnVigor().Geometria.Bloque(2).PasoX);
        QCOMPARE(grid.PasoY, (632.0 - 391.0 - 16.0 - 50.0) / 3);
        QCOMPARE(grid.OrigenYPantalla, 391.0 + 8.0 + 10.0);
    }

    void theClassicGridStaysAsTheTicketHasIt()
    {
        TControlEuroMillonApuesta control;
        control.resize(107, 212);
        QCOMPARE(control.Box(2, 1)->Bounds(), QRect(14, 161, 20, 14));
        QCOMPARE(control.Box(2, 9)->Bounds().topLeft(), QPoint(75, 191));
        QVERIFY(control.Box(2, 10) == nullptr);
        const TTicketLayout layout(EnVigor().Formato, EnVigor().Geometria, QSize(107, 212), 9);
        QCOMPARE(ScreenStarGrid(EnVigor().Formato, EnVigor().Geometria.Bloque(2), 9),
                 EnVigor().Geometria.Bloque(2));
        QVERIFY(layout.BoxBounds(2, 10).isEmpty());
    }

    void clickingStarElevenSetsIt()
    {
        TControlEuroMillonApuesta control;
        control.SetEdition(TGameEdition::Current);
        control.resize(107, 212);
        ClickBox(control, 2, 11);
        QCOMPARE(Stars(control), (std::vector<int>{11}));
        QVERIFY(control.Box(2, 11)->IsMarked());
        QVERIFY(control.Modified());
        ClickBox(control, 2, 10);
        ClickBox(control, 2, 12);
        QCOMPARE(Stars(control), (std::vector<int>{10, 11, 12}));
        ClickBox(control, 2, 11);
        QCOMPARE(Stars(control), (std::vector<int>{10, 12}));
    }

    void typingStarsTenToTwelve()
    {
        QWidget window;
        auto *control = new TControlEuroMillonApuesta(&window);
        control->SetEdition(TGameEdition::Current);
        control->setGeometry(2, 2, 107, 212);
        control->SetViewMode(TControlEuroMillonApuesta::kNumbersView);
        QVERIFY(ShowActive(window));

        TEditBloqueNumero *star = control->Field(2, 1);
        star->setFocus();
        QTRY_VERIFY(star->hasFocus());
        QTest::keyClicks(star, QStringLiteral("12"));
        QTest::keyClick(star, Qt::Key_Return);
        QCOMPARE(Stars(*control), (std::vector<int>{12}));
        TEditBloqueNumero *other = control->Field(2, 2);
        other->setFocus();
        QTest::keyClicks(other, QStringLiteral("13"));
        QTest::keyClick(other, Qt::Key_Return);
        QCOMPARE(other->text(), QString());
        QTest::keyClicks(other, QStringLiteral("10"));
        QTest::keyClick(other, Qt::Key_Return);
        QCOMPARE(Stars(*control), (std::vector<int>{10, 12}));
        QCOMPARE(control->Field(2, 1)->text(), QStringLiteral("10"));
        QCOMPARE(control->Field(2, 2)->text(), QStringLiteral("12"));
    }

    void theClassicFieldsRefuseStarTen()
    {
        QWidget window;
        auto *control = new TControlEuroMillonApuesta(&window);
        control->setGeometry(2, 2, 107, 212);
        control->SetViewMode(TControlEuroMillonApuesta::kNumbersView);
        QVERIFY(ShowActive(window));
        TEditBloqueNumero *star = control->Field(2, 1);
        star->setFocus();
        QTest::keyClicks(star, QStringLiteral("10"));
        QTest::keyClick(star, Qt::Key_Return);
        QCOMPARE(star->text(), QString());
        QVERIFY(Stars(*control).empty());
    }

    void changingTheEditionDropsStarsItLacks()
    {
        TControlEuroMillonApuesta control;
        control.SetEdition(TGameEdition::Current);
        control.resize(107, 212);
        TEuroMillonApuesta bet(TGameEdition::Current);
        bet.Block(1).Add(1);
        bet.Block(2).Add(3);
        bet.Block(2).Add(11);
        control.ShownBet().Assign(bet);
        QCOMPARE(Stars(control), (std::vector<int>{3, 11}));
        control.SetEdition(TGameEdition::Classic);
        QCOMPARE(Stars(control), (std::vector<int>{3}));
        QCOMPARE(control.Boxes().size(), size_t(59));
        QVERIFY(control.Box(2, 11) == nullptr);
        control.SetEdition(TGameEdition::Current);
        QCOMPARE(control.Boxes().size(), size_t(62));
    }

    void theRenderedTicketDrawsTheTwelfthStar()
    {
        TEuroMillonApuesta bet(TGameEdition::Current);
        bet.Block(2).Add(12);
        const QImage marked = RenderTicketImage(bet, QSize(107, 212));
        bet.Block(2).Remove(12);
        const QImage blank = RenderTicketImage(bet, QSize(107, 212));
        const QRect box =
            TTicketLayout(EnVigor().Formato, EnVigor().Geometria, QSize(107, 212), 12).BoxBounds(2, 12);
        QVERIFY(!box.isEmpty());
        QVERIFY(marked.copy(box) != blank.copy(box));
    }

    // The number of a marked star box keeps most of its ink: the mark does
    // not cover 10, 11 and 12 in the small boxes of a twelve-star ticket.
    void aMarkedStarKeepsItsNumberReadable()
    {
        // The star numbers are blue on yellow: a pixel is ink when blue clearly leads.
        const auto inkIn = [](const QImage &image, const QRect &box) {
            int count = 0;
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x) {
                    const QRgb pixel = image.pixel(x, y);
                    count += qBlue(pixel) - std::max(qRed(pixel), qGreen(pixel)) > 60 ? 1 : 0;
                }
            return count;
        };
        for (const QSize size : {QSize(107, 212), QSize(160, 320)}) {
            const TTicketLayout layout(EnVigor().Formato, EnVigor().Geometria, size, 12);
            for (int star : {9, 10, 11, 12}) {
                TEuroMillonApuesta bet(TGameEdition::Current);
                const QImage blank = RenderTicketImage(bet, size);
                bet.Block(2).Add(star);
                const QImage marked = RenderTicketImage(bet, size);
                const QRect box = layout.BoxBounds(2, star);
                const int before = inkIn(blank, box);
                QVERIFY(before > 0);
                QVERIFY2(inkIn(marked, box) * 10 >= before * 9, qPrintable(QString::number(star)));
                // The cross stops short of the number: its centre, where the
                // arms would cross the digits, shows none of the mark's black.
                const QRect centre(box.center() - QPoint(1, 1), QSize(3, 3));
                for (int y = centre.top(); y <= centre.bottom(); ++y)
                    for (int x = centre.left(); x <= centre.right(); ++x) {
                        const QRgb pixel = marked.pixel(x, y);
                        QVERIFY2(std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) > 90,
                                 qPrintable(QString::number(star)));
                    }
            }
        }
    }
};

QTEST_MAIN(TestTicketControlCurrent)
#include "test_ticket_control_current.moc"
