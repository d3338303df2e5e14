#pragma once

#include "model/game_rules.h"
#include "widgets/ticket_layout.h"

#include <QColor>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TCasillaEuroMillonApuesta;
class TEditBloqueNumero;
class TEuroMillonApuestaMult;
struct TTicketBoxColours;

// One bet shown as it is marked on a paper ticket (ticket view: a box for
// each number 1-50 and each star of the control's edition, 1-9 or 1-12,
// placed by the ticket tables in force and marked with the mouse) or as
// seven typing fields (numbers view: five numbers, two stars). The
// combination window puts one per bet of a ticket; the generator, the
// condition editor and the wizard use one for a selection; the draw editor
// one in numbers view for the winning bet.
//
// The control shows ShownBet, a selection without upper count, which it owns;
// the owner assigns the bet to show through ShownBet().Assign(...) and reads
// it back the same way. Every change of ShownBet, by the user or the owner,
// repaints the control or reloads its fields, then calls OnChange and emits
// Changed(). A change made by the user sets Modified, which only the owner
// clears (SetModified(false)); while it is set the background is navy.
//
// Hooks (each may be empty):
//  - OnBeforeMark(sender, value, block, mark): before a box's mark changes,
//    with the intended new state; it may change `mark`, or raise an Exception
//    to refuse the click: the error is shown in the program's error box and
//    nothing changes. Not asked in numbers view.
//  - OnBeforeEdit(sender): in numbers view, before a key changes a typing
//    field; an Exception refuses the key: the error is shown and the field
//    keeps the text it had.
//  - OnDrawBox(sender, block, value, colours): before each box is drawn.
//  - OnChange(sender): after the shown bet changed.
class TControlEuroMillonApuesta : public QWidget {
    Q_OBJECT
public:
    using TBeforeMarkEvent =
        std::function<void(TControlEuroMillonApuesta *sender, int value, int block, bool &mark)>;
    using TDrawBoxEvent = std::function<void(TControlEuroMillonApuesta *sender, int block, int value,
                                             TTicketBoxColours &colours)>;
    using TChangeEvent = std::function<void(TControlEuroMillonApuesta *sender)>;
    using TBeforeEditEvent = std::function<void(TControlEuroMillonApuesta *sender)>;

    static constexpr uint8_t kTicketView = 0;
    static constexpr uint8_t kNumbersView = 1;

    // The control starts in the edition in force; an owner showing bets of
    // another game sets it (SetEdition).
    explicit TControlEuroMillonApuesta(QWidget *parent = nullptr);
    ~TControlEuroMillonApuesta() override;

    // The game whose bets the control shows: its stars run 1 to 9 (classic)
    // or 1 to 12 (today's game). Changing it re-creates the boxes and the
    // shown and full bets in the new edition (a star the new one lacks is
    // dropped from the shown bet), then lays the control out again.
    TGameEdition Edition() const { return edition_; }
    void SetEdition(TGameEdition edition);
    // The highest value of a block in the control's edition (50, 9 or 12).
    int HighestValue(int block) const;

    TEuroMillonApuestaMult &ShownBet() { return *shownBet_; }
    const TEuroMillonApuestaMult &ShownBet() const { return *shownBet_; }
    // Every number and every star: a value is marked only when it is in it.
    const TEuroMillonApuestaMult &FullBet() const { return *fullBet_; }

    bool Modified() const { return modified_; }
    void SetModified(bool modified);
    // Position in the combination of the bet on display; kept for the owner.
    int32_t BetIndex() const { return betIndex_; }
    void SetBetIndex(int32_t index) { betIndex_ = index; }

    // 0 ticket view, 1 numbers view. Changing it rebuilds the children; the
    // shown bet stays.
    uint8_t ViewMode() const { return viewMode_; }
    void SetViewMode(uint8_t mode);

    // Plain bets only (off at creation): a further mark by the mouse in a
    // block already holding the values of a simple bet (5 numbers, 2 stars) is
    // refused before the before-mark hook is asked. Off, any count is marked
    // (a selection) and a plain bet's owner refuses extra values when it
    // stores the bet.
    bool SimpleBetOnly() const { return simpleBetOnly_; }
    void SetSimpleBetOnly(bool on) { simpleBetOnly_ = on; }

    void SetOnBeforeMark(TBeforeMarkEvent handler) { onBeforeMark_ = std::move(handler); }
    void SetOnBeforeEdit(TBeforeEditEvent handler) { onBeforeEdit_ = std::move(handler); }
    // Asks OnBeforeEdit; false, with its error shown, when it refuses.
    bool MayEdit();
    void SetOnDrawBox(TDrawBoxEvent handler);
    void SetOnChange(TChangeEvent handler) { onChange_ = std::move(handler); }

    // Creates the children of the view mode (and drops the other mode's),
    // then Relayout.
    void Rebuild();
    // Lays the children out again with the ticket tables in force and the
    // control's size, and repaints. The owner calls it after the tables in
    // force changed; a resize does it by itself.
    void Relayout();

    // The layout in use (scales, the two areas, box bounds): that of the last
    // Relayout, redone first when the control's size changed since (a hidden
    // control gets no resize events).
    const TTicketLayout &Layout() const;
    double ScaleX() const { return Layout().ScaleX(); }
    double ScaleY() const { return Layout().ScaleY(); }
    QRect NumbersArea() const { return Layout().NumbersArea(); }
    QRect StarsArea() const { return Layout().StarsArea(); }

    // Ticket view children: the box of a value (null when absent, as in
    // numbers view) and the box under a point of the control (null when none).
    TCasillaEuroMillonApuesta *Box(int block, int value) const;
    TCasillaEuroMillonApuesta *BoxAt(QPoint point) const;
    const std::vector<std::unique_ptr<TCasillaEuroMillonApuesta>> &Boxes() const { return boxes_; }
    // Numbers view children: the field of a block's position (1-based; null
    // when absent, as in ticket view).
    TEditBloqueNumero *Field(int block, int position) const;
    const std::vector<TEditBloqueNumero *> &Fields() const { return fields_; }

    // Toggles a box's mark as a click does: asks the before-mark hook, then
    // adds or removes the value. Returns true when the shown bet changed.
    // Errors from the hook are shown in the error box and end the click.
    bool ToggleBox(int block, int value);

    // For the children.
    void DrawBoxHook(int block, int value, TTicketBoxColours &colours);
    void RebuildFromFields();

    // Commits every typing field holding typed text not yet committed (a
    // field commits by itself on Enter and when it loses focus; an owner
    // reading the bet from a shortcut that moves no focus calls this first).
    void CommitFields();

    // 107 x 212, the size the ticket tables' screen boxes were made for.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // After the shown bet changed (after OnChange).
    void Changed();
    // Modified went on or off.
    void ModifiedChanged(bool modified);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void BetChanged();
    void ReleaseBoxes();
    void ReleaseFields();
    int FieldHeight() const;
    void ApplyLayout(const TTicketLayout &layout);
    void FillFullBet();

    TGameEdition edition_;
    TTicketLayout layout_;
    std::vector<std::unique_ptr<TCasillaEuroMillonApuesta>> boxes_;
    std::vector<TEditBloqueNumero *> fields_;
    TBeforeMarkEvent onBeforeMark_;
    TBeforeEditEvent onBeforeEdit_;
    TChangeEvent onChange_;
    std::unique_ptr<TEuroMillonApuestaMult> shownBet_;
    std::unique_ptr<TEuroMillonApuestaMult> fullBet_;
    TDrawBoxEvent onDrawBox_;
    bool modified_ = false;
    int32_t betIndex_ = 0;
    uint8_t viewMode_ = kTicketView;
    bool simpleBetOnly_ = false;
    TCasillaEuroMillonApuesta *pressedBox_ = nullptr;
};
