#include "model/euromillon_apuesta.h"
#include "model/exception.h"
#include "model/ticket_tables.h"
#include "shell/ui/shell_icons.h"
#include "shell/ui/shell_pictures.h"
#include "widgets/casilla_euromillon_apuesta.h"
#include "widgets/control_euromillon_apuesta.h"
#include "widgets/dialog_service.h"
#include "widgets/edit_bloque_numero.h"
#include "widgets/ticket_renderer.h"

#include <QClipboard>
#include <QDialog>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <vector>

namespace {

std::vector<int> Values(const TEuroMillonApuesta &bet, int block)
{
    const TEuroMillonNums &values = bet.Block(block);
    return std::vector<int>(values.Values().begin(), values.Values().end());
}

// Clicks the centre of a value's box as the user would.
void ClickBox(TControlEuroMillonApuesta &control, int block, int value)
{
    const QRect bounds = control.Layout().BoxBounds(block, value);
    QVERIFY2(!bounds.isEmpty(), "the value has a box");
    QTest::mouseClick(&control, Qt::LeftButton, Qt::NoModifier, bounds.center());
}

void ClickAll(TControlEuroMillonApuesta &control, int block, std::initializer_list<int> values)
{
    for (int value : values)
        ClickBox(control, block, value);
}

// Shows a window with the keyboard focus (also without a window manager).
bool ShowActive(QWidget &window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// Number of pixels of an image close to a colour.
int CountPixels(const QImage &image, const QRect &area, const QColor &colour, int tolerance = 40)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <=
                tolerance)
                ++count;
        }
    }
    return count;
}

} // namespace

class TestTicketControl : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        DialogService::SetHeadless(true);
        DialogService::ClearScript();
        DialogService::ClearShownBoxes();
        PonerPais(pbEspana);
    }

    void cleanupTestCase() { PonerPais(pbEspana); }

    void spanishBoxesStandWhereTheTicketHasThem()
    {
        TControlEuroMillonApuesta control;
        control.resize(107, 212);
        QCOMPARE(control.Box(1, 1)->Bounds(), QRect(5, 13, 13, 13));
        QCOMPARE(control.Box(1, 10)->Bounds().topLeft(), QPoint(20, 13));
        QCOMPARE(control.Box(1, 50)->Bounds().topLeft(), QPoint(82, 72));
        QCOMPARE(control.Box(2, 1)->Bounds(), QRect(14, 161, 20, 14));
        QCOMPARE(control.Box(2, 9)->Bounds().topLeft(), QPoint(75, 191));
        QCOMPARE(control.NumbersArea().y() + control.NumbersArea().height(), 153);
        QCOMPARE(control.StarsArea().y(), 154);
        QCOMPARE(control.StarsArea().y() + control.StarsArea().height(), 212);
        QCOMPARE(control.Boxes().size(), size_t(59));
    }

    void frenchBoxesStandWhereTheTicketHasThem()
    {
        PonerPais(pbFrancia);
        TControlEuroMillonApuesta control;
        control.resize(107, 212);
        QCOMPARE(control.Box(1, 2)->Bounds(), QRect(21, 14, 15, 12));
        QCOMPARE(control.Box(1, 50)->Bounds().topLeft(), QPoint(21, 111));
        QCOMPARE(control.Box(2, 4)->Bounds(), QRect(15, 163, 21, 17));
    }

    void relayoutFollowsTheTablesInForce()
    {
        TControlEuroMillonApuesta control;
        control.resize(107, 212);
        QCOMPARE(control.Box(1, 2)->Bounds().topLeft(), QPoint(5, 28));
        PonerPais(pbFrancia);
        QCOMPARE(control.Box(1, 2)->Bounds().topLeft(), QPoint(5, 28)); // Spain's until told
        control.Relayout();
        QCOMPARE(control.Box(1, 2)->Bounds().topLeft(), QPoint(21, 14));
    }

    void clickingABoxMarksAndUnmarksIt_data()
    {
        QTest::addColumn<bool>("france");
        QTest::newRow("Spain") << false;
        QTest::newRow("France") << true;
    }

    void clickingABoxMarksAndUnmarksIt()
    {
        QFETCH(bool, france);
        PonerPais(france ? pbFrancia : pbEspana);
        TControlEuroMillonApuesta control;
        control.resize(107, 212);
        QSignalSpy changed(&control, &TControlEuroMillonApuesta::Changed);

        ClickAll(control, 1, {1, 9, 10, 46, 50});
        ClickAll(control, 2, {1, 9});
        QCOMPARE(Values(control.ShownBet(), 1), (std::vector<int>{1, 9, 10, 46, 50}));
        QCOMPARE(Values(control.ShownBet(), 2), (std::vector<int>{1, 9}));
        QVERIFY(control.Modified());
        QCOMPARE(changed.count(), 7);
        QVERIFY(control.Box(1, 46)->IsMarked());
        QVERIFY(!control.Box(1, 45)->IsMarked());

        // The owner clears Modified; unmarking sets it again.
        control.SetModified(false);
        ClickBox(control, 1, 46);
        QCOMPARE(Values(control.ShownBet(), 1), (std::vector<int>{1, 9, 10, 50}));
        QVERIFY(control.Modified());
        ClickBox(control, 1, 46);
        QVERIFY(control.Modified());
        QCOMPARE(Values(control.ShownBet(), 1), (std::vector<int>{1, 9, 10, 46, 50}));

        // Between the boxes nothing happens.
        QTest::mouseClick(&control, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
        QTest::mouseClick(&control, Qt::LeftButton, Qt::NoModifier,
                          control.StarsArea().topLeft() + QPoint(3, 3));
        QCOMPARE(changed.count(), 9);
    }

    void pressAndReleaseMustBeOnTheSameBox()
    {
        TControlEuroMillonApuesta control;
        control.resize(107, 212);
        QTest::mousePress(&control, Qt::LeftButton, Qt::NoModifier, control.Box(1, 1)->Bounds().center());
        QTest::mouseRelease(&control, Qt::LeftButton, Qt::NoModifier, control.Box(1, 2)->Bounds().center());
        QCOMPARE(control.ShownBet().Block(1).Count(), 0);
        QTest::mouseClick(&control, Qt::RightButton, Qt::NoModifier, control.Box(1, 1)->Bounds().center());
        QCOMPARE(control.ShownBet().Block(1).Count(), 0);
    }

    void theHandShowsOverTheBoxesOnly()
    {
        TControlEuroMillonApuesta control;
        control.resize(107, 212);
        control.show();
        QVERIFY(QTest::qWaitForWindowExposed(&control));
        QTest::mouseMove(&control, control.Box(2, 5)->Bounds().center());
        QTRY_COMPARE(control.cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseMove(&control, QPoint(1, 1));
        QTRY_COMPARE(control.cursor().shape(), Qt::ArrowCursor);
    }

    void beforeMarkHookDecides()
    {
        TControlEuroMillonApuesta control;
        control.resize(107, 212);
        struct Call {
            int value;
            int block;
            bool mark;
        };
        std::vector<Call> calls;
        bool allow = false;
        control.SetOnBeforeMark([&](TControlEuroMillonApuesta *sender, int value, int block, bool &mark) {
            QCOMPARE(sender, &control);
            calls.push_back({value, block, mark});
            if (!allow)
                mark = !mark;
        });
        ClickBox(control, 1, 17);
        QCOMPARE(calls.size(), size_t(1));
        QCOMPARE(calls[0].value, 17);
        QCOMPARE(calls[0].block, 1);
        QVERIFY(calls[0].mark);
        QCOMPARE(control.ShownBet().Block(1).Count(), 0);
        QVERIFY(!control.Modified());

        allow = true;
        ClickBox(control, 2, 3);
        QCOMPARE(Values(control.ShownBet(), 2), (std::vector<int>{3}));
        ClickBox(control, 2, 3);
        QVERIFY(!calls.back().mark);
        QCOMPARE(control.ShownBet().Block(2).Count(), 0);
    }

    void anErrorOfTheHookAbandonsTheClickAndIsShown()
    {
        TControlEuroMillonApuesta control;
        control.resize(107, 212);
        control.SetOnBeforeMark([](TControlEuroMillonApuesta *, int, int, bool &) {
            throw Exception("Debe marcar la PRIMER APUESTA EN BLANCO");
        });
        ClickBox(control, 1, 5);
        QCOMPARE(control.ShownBet().Block(1).Count(), 0);
        QVERIFY(!control.Modified());
        QCOMPARE(DialogService::ShownBoxes().size(), 1);
        QCOMPARE(DialogService::ShownBoxes().at(0).kind, DialogService::Kind::Error);
        QCOMPARE(DialogService::LastText(), QStringLiteral("Debe marcar la PRIMER APUESTA EN BLANCO."));
    }

    void plainBetRefusesAnExtraMarkSelectionDoesNot()
    {
        TControlEuroMillonApuesta plain;
        plain.resize(107, 212);
        plain.SetSimpleBetOnly(true);
        int asked = 0;
        plain.SetOnBeforeMark([&](TControlEuroMillonApuesta *, int, int, bool &) { ++asked; });
        ClickAll(plain, 1, {3, 14, 25, 36, 47, 48});
        ClickAll(plain, 2, {1, 2, 3});
        QCOMPARE(Values(plain.ShownBet(), 1), (std::vector<int>{3, 14, 25, 36, 47}));
        QCOMPARE(Values(plain.ShownBet(), 2), (std::vector<int>{1, 2}));
        QCOMPARE(asked, 7); // the refused marks ask nobody
        // A full block still unmarks, and then takes another value.
        ClickAll(plain, 1, {3, 48});
        QCOMPARE(Values(plain.ShownBet(), 1), (std::vector<int>{14, 25, 36, 47, 48}));

        TControlEuroMillonApuesta selection;
        selection.resize(107, 212);
        for (int value = 1; value <= 50; ++value)
            ClickBox(selection, 1, value);
        for (int value = 1; value <= 9; ++value)
            ClickBox(selection, 2, value);
        QCOMPARE(selection.ShownBet().Block(1).Count(), 50);
        QCOMPARE(selection.ShownBet().Block(2).Count(), 9);
    }

    void controlFollowsTheBetItShows()
    {
        TControlEuroMillonApuesta control;
        control.resize(107, 212);
        int told = 0;
        control.SetOnChange([&](TControlEuroMillonApuesta *sender) {
            QCOMPARE(sender, &control);
            ++told;
        });
        TEuroMillonApuesta bet;
        for (int value : {4, 8, 15, 16, 23})
            bet.Block(1).Add(value);
        bet.Block(2).Add(4);
        bet.Block(2).Add(2);
        control.ShownBet().Assign(bet);
        QCOMPARE(told, 1);
        QVERIFY(control.Box(1, 15)->IsMarked());
        QVERIFY(control.Box(2, 2)->IsMarked());
        QVERIFY(!control.Box(2, 3)->IsMarked());
        QVERIFY(!control.Modified()); // the owner's changes are not edits

        control.SetViewMode(TControlEuroMillonApuesta::kNumbersView);
        QCOMPARE(control.Field(1, 3)->text(), QStringLiteral("15"));
        control.ShownBet().Block(1).Remove(4);
        QCOMPARE(control.Field(1, 1)->text(), QStringLiteral("8"));
        QCOMPARE(control.Field(1, 5)->text(), QString());
        control.ShownBet().Clear();
        QCOMPARE(control.Field(2, 1)->text(), QString());
        QCOMPARE(told, 3);
    }

    void switchingTheViewKeepsTheBet()
    {
        TControlEuroMillonApuesta control;
        control.resize(107, 212);
        ClickAll(control, 1, {2, 20, 30});
        ClickBox(control, 2, 7);
        control.SetViewMode(TControlEuroMillonApuesta::kNumbersView);
        QVERIFY(control.Boxes().empty());
        QCOMPARE(control.Fields().size(), size_t(7));
        QCOMPARE(control.Field(1, 2)->text(), QStringLiteral("20"));
        QCOMPARE(control.Field(2, 1)->text(), QStringLiteral("7"));
        QVERIFY(control.Field(1, 1)->geometry().x() == 36); // a third of 107 across
        control.SetViewMode(TControlEuroMillonApuesta::kTicketView);
        QVERIFY(control.Fields().empty());
        QVERIFY(control.Box(1, 30)->IsMarked());
        QCOMPARE(Values(control.ShownBet(), 1), (std::vector<int>{2, 20, 30}));
    }

    void typingIntoTheFields()
    {
        QWidget window;
        auto *control = new TControlEuroMillonApuesta(&window);
        control->setGeometry(2, 2, 107, 212);
        control->SetViewMode(TControlEuroMillonApuesta::kNumbersView);
        QVERIFY(ShowActive(window));

        TEditBloqueNumero *first = control->Field(1, 1);
        TEditBloqueNumero *second = control->Field(1, 2);
        first->setFocus();
        QTRY_VERIFY(first->hasFocus());
        QTest::keyClicks(first, QStringLiteral("7"));
        QTest::keyClick(first, Qt::Key_Tab);
        QTRY_VERIFY(second->hasFocus());
        QCOMPARE(Values(control->ShownBet(), 1), (std::vector<int>{7}));
        QVERIFY(control->Modified());
        QTest::keyClicks(second, QStringLiteral("3"));
        QTest::keyClick(second, Qt::Key_Return); // commits and moves on
        QTRY_VERIFY(control->Field(1, 3)->hasFocus());
        QCOMPARE(first->text(), QStringLiteral("3"));
        QCOMPARE(second->text(), QStringLiteral("7"));
        QCOMPARE(Values(control->ShownBet(), 1), (std::vector<int>{3, 7}));

        // Letters are swallowed, a value out of range empties the field.
        TEditBloqueNumero *third = control->Field(1, 3);
        QTest::keyClicks(third, QStringLiteral("a-b"));
        QCOMPARE(third->text(), QString());
        QTest::keyClicks(third, QStringLiteral("55"));
        QTest::keyClick(third, Qt::Key_Enter);
        QCOMPARE(third->text(), QString());
        QCOMPARE(Values(control->ShownBet(), 1), (std::vector<int>{3, 7}));

        // A repeated value is shown once, in the earlier field.
        TEditBloqueNumero *fourth = control->Field(1, 4);
        fourth->setFocus();
        QTest::keyClicks(fourth, QStringLiteral("7"));
        QTest::keyClick(fourth, Qt::Key_Return);
        QCOMPARE(fourth->text(), QString());
        QCOMPARE(Values(control->ShownBet(), 1), (std::vector<int>{3, 7}));

        // Stars take 1 to 9 only.
        TEditBloqueNumero *star = control->Field(2, 1);
        star->setFocus();
        QTest::keyClicks(star, QStringLiteral("12"));
        QCOMPARE(star->text(), QStringLiteral("12"));
        QTest::keyClick(star, Qt::Key_Return);
        QCOMPARE(star->text(), QString());
        QTest::keyClicks(control->Field(2, 2), QStringLiteral("9"));
        QTest::keyClick(control->Field(2, 2), Qt::Key_Return);
        QCOMPARE(Values(control->ShownBet(), 2), (std::vector<int>{9}));
        QCOMPARE(star->text(), QStringLiteral("9"));

        // Backspace edits; the emptied field removes its value.
        first->setFocus();
        QTest::keyClick(first, Qt::Key_End);
        QTest::keyClick(first, Qt::Key_Backspace);
        QTest::keyClick(first, Qt::Key_Return);
        QCOMPARE(Values(control->ShownBet(), 1), (std::vector<int>{7}));
        QCOMPARE(first->text(), QStringLiteral("7"));
    }

    void pendingTypingIsCommittedOnRequestAndSurvivesDestruction()
    {
        QWidget window;
        auto *control = new TControlEuroMillonApuesta(&window);
        control->setGeometry(2, 2, 107, 212);
        control->SetViewMode(TControlEuroMillonApuesta::kNumbersView);
        QVERIFY(ShowActive(window));
        TEditBloqueNumero *star = control->Field(2, 2);
        star->setFocus();
        QTRY_VERIFY(star->hasFocus());
        QTest::keyClicks(star, QStringLiteral("4"));
        QCOMPARE(control->ShownBet().Block(2).Count(), 0);
        control->CommitFields();
        QCOMPARE(Values(control->ShownBet(), 2), (std::vector<int>{4}));
        QCOMPARE(control->Field(2, 1)->text(), QStringLiteral("4"));

        // A control going away while its focused field holds typing.
        QTest::keyClicks(control->Field(1, 1), QStringLiteral("9"));
        control->Field(1, 1)->setFocus();
        QTest::keyClicks(control->Field(1, 1), QStringLiteral("1"));
        delete control;
        QCOMPARE(DialogService::ShownBoxes().size(), 0);
    }

    void fieldsStandWhereTheNumbersViewHasThem()
    {
        TControlEuroMillonApuesta control;
        control.resize(107, 212);
        control.SetViewMode(TControlEuroMillonApuesta::kNumbersView);
        const int h = control.Field(1, 1)->height();
        QVERIFY(h >= TEditBloqueNumero::kDesignHeight);
        // A third of the width across, rows of 3 x (153 / 16) apart.
        QCOMPARE(control.Field(1, 1)->geometry(), QRect(36, 10, 36, h));
        QCOMPARE(control.Field(1, 5)->geometry().topLeft(), QPoint(36, 124));
        // Stars: fifths of the width, centred in the stars area (154 to 212).
        QCOMPARE(control.Field(2, 1)->geometry(), QRect(21, 154 + (58 - h) / 2, 21, h));
        QCOMPARE(control.Field(2, 2)->geometry().x(), 64);
        for (TEditBloqueNumero *field : control.Fields())
            QVERIFY(control.rect().contains(field->geometry()));
    }

    void escapeAndPasteInAField()
    {
        QDialog dialog;
        auto *control = new TControlEuroMillonApuesta(&dialog);
        control->setGeometry(2, 2, 107, 212);
        control->SetViewMode(TControlEuroMillonApuesta::kNumbersView);
        QVERIFY(ShowActive(dialog));
        TEditBloqueNumero *field = control->Field(1, 1);
        field->setFocus();
        QTRY_VERIFY(field->hasFocus());

        QGuiApplication::clipboard()->setText(QStringLiteral("ab"));
        QTest::keySequence(field, QKeySequence::Paste);
        QCOMPARE(field->text(), QString());
        QGuiApplication::clipboard()->setText(QStringLiteral("42"));
        QTest::keySequence(field, QKeySequence::Paste);
        QCOMPARE(field->text(), QStringLiteral("42"));

        QSignalSpy rejected(&dialog, &QDialog::rejected);
        QTest::keyClick(field, Qt::Key_Escape);
        QCOMPARE(rejected.count(), 1);
    }

    void committingAnUnchangedBetIsNoEdit()
    {
        TControlEuroMillonApuesta control;
        control.resize(107, 212);
        control.SetViewMode(TControlEuroMillonApuesta::kNumbersView);
        TEditBloqueNumero *field = control.Field(1, 1);
        field->setText(QStringLiteral("4"));
        field->setText(QString());
        field->Commit();
        QVERIFY(!control.Modified());
        QCOMPARE(control.ShownBet().Block(1).Count(), 0);
    }

    void hitTestingHoldsAtOtherSizes_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("france");
        QTest::newRow("double, Spain") << QSize(214, 424) << false;
        QTest::newRow("double, France") << QSize(214, 424) << true;
        QTest::newRow("wide panel") << QSize(400, 300) << false;
        QTest::newRow("tall panel") << QSize(150, 500) << true;
        QTest::newRow("panel less margin") << QSize(107, 212) << false;
    }

    void hitTestingHoldsAtOtherSizes()
    {
        QFETCH(QSize, size);
        QFETCH(bool, france);
        PonerPais(france ? pbFrancia : pbEspana);
        TControlEuroMillonApuesta control;
        control.resize(size);
        const QRect bet = control.Layout().BetRect();
        QVERIFY(QRect(QPoint(0, 0), size).contains(bet));
        // The design proportion is kept.
        QVERIFY(std::abs(bet.width() * 212.0 / bet.height() - 107.0) < 1.0);
        for (int block = 1; block <= 2; ++block) {
            const int last = block == 1 ? 50 : 9;
            for (int value = 1; value <= last; ++value) {
                const QRect box = control.Box(block, value)->Bounds();
                QVERIFY(bet.contains(box));
                QCOMPARE(control.BoxAt(box.center()), control.Box(block, value));
                ClickBox(control, block, value);
                QVERIFY(control.Box(block, value)->IsMarked());
            }
        }
        QCOMPARE(control.ShownBet().Block(1).Count(), 50);
        QCOMPARE(control.ShownBet().Block(2).Count(), 9);
    }

    // Two digits keep a pixel from the border of every box, at every size.
    void numbersFitTheirBoxesAtAnySize()
    {
        for (bool france : {false, true}) {
            PonerPais(france ? pbFrancia : pbEspana);
            for (QSize size : {QSize(80, 160), QSize(107, 212), QSize(131, 250), QSize(150, 300),
                               QSize(214, 424), QSize(400, 300), QSize(300, 800)}) {
                const TTicketLayout layout(EnVigor().Formato, EnVigor().Geometria, size);
                const TTicketRenderer renderer(layout);
                const QFontMetricsF metrics(renderer.FittedFont());
                for (int value = 10; value <= 50; ++value) {
                    const QRect inner = layout.BoxBounds(1, value).adjusted(1, 1, -1, -1);
                    QVERIFY2(
                        metrics.horizontalAdvance(QString::number(value)) <= inner.width() - 2,
                        qPrintable(
                            QStringLiteral("%1 in %2x%3").arg(value).arg(size.width()).arg(size.height())));
                }
            }
        }
        PonerPais(pbEspana);
    }

    void rendererDrawsMarksColoursAndTheModifiedBackground()
    {
        TControlEuroMillonApuesta control;
        control.resize(107, 212);
        control.SetOnDrawBox(
            [](TControlEuroMillonApuesta *, int block, int value, TTicketBoxColours &colours) {
                if (block == 1 && value == 20)
                    colours.Back = QColor(0, 200, 0);
            });
        ClickBox(control, 1, 33);
        const QImage marked = control.grab().toImage();
        const QRect box = control.Box(1, 33)->Bounds();
        QVERIFY(CountPixels(marked, box.adjusted(3, 3, -3, -3), Qt::black, 80) >= 8); // the cross
        QVERIFY(CountPixels(marked, QRect(0, 0, 3, 3), TTicketRenderer::kModifiedFill) == 9);
        const QRect green = control.Box(1, 20)->Bounds().adjusted(1, 1, -1, -1);
        QVERIFY(CountPixels(marked, green, QColor(0, 200, 0)) > green.width() * green.height() / 3);

        control.SetModified(false);
        const QImage clean = control.grab().toImage();
        QCOMPARE(CountPixels(clean, QRect(0, 0, 3, 3), TTicketRenderer::kModifiedFill), 0);

        // The same drawing off screen, sharp at a device pixel ratio of 2.
        TEuroMillonApuesta bet;
        bet.Block(1).Add(33);
        const QImage dense = RenderTicketImage(bet, QSize(107, 212), 2.0);
        QCOMPARE(dense.size(), QSize(214, 424));
        const QRect dense33(box.x() * 2, box.y() * 2, box.width() * 2, box.height() * 2);
        QVERIFY(CountPixels(dense, dense33.adjusted(6, 6, -6, -6), Qt::black, 80) >= 20);
    }

    void picturesAndIconsAreBuiltIn()
    {
        const QPixmap wallpaper = EuroMillonWallpaper();
        QCOMPARE(wallpaper.size(), QSize(100, 100));
        QVERIFY(wallpaper.toImage().pixelColor(50, 50).alpha() > 0);
        const QPixmap dense = EuroMillonWallpaper(2.0);
        QCOMPARE(dense.size(), QSize(200, 200));
        QCOMPARE(dense.deviceIndependentSize(), QSizeF(100, 100));

        QVERIFY(ShellIconNames().contains(QStringLiteral("document-open")));
        for (const QString &name : ShellIconNames()) {
            const QIcon icon = ShellIcon(name);
            QVERIFY2(!icon.isNull(), qPrintable(name));
            const QImage picture = BuiltInShellIcon(name).pixmap(QSize(24, 24)).toImage();
            int painted = 0;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    painted += picture.pixelColor(x, y).alpha() > 0 ? 1 : 0;
            QVERIFY2(painted > 20, qPrintable(name));
        }
        QVERIFY(BuiltInShellIcon(QStringLiteral("no-such-icon")).isNull());
    }
};

QTEST_MAIN(TestTicketControl)
#include "test_ticket_control.moc"
