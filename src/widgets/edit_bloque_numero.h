#pragma once

#include <QLineEdit>

class TControlEuroMillonApuesta;

// One typing field of the numbers view: a number (block 1) or a star (block 2)
// at a position of its block. It takes digits, Backspace and Enter (which
// commits and moves to the next field); other typed characters are ignored,
// while editing and navigation keys work as usual (Escape reaches the dialog).
// Pasted text is taken only when it is at most two digits. Leaving an edited field or
// pressing Enter commits it: a value outside its block's range empties it, and
// the owner then rebuilds its shown bet from all fields.
class TEditBloqueNumero : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int kDesignHeight = 17;

    TEditBloqueNumero(TControlEuroMillonApuesta *owner, int block, int position, QWidget *parent);

    int Block() const { return block_; }
    int Position() const { return position_; }
    int Value() const { return value_; }
    bool Edited() const { return edited_; }

    // Sets the value (0 = empty; one out of range counts as 0) and shows it;
    // unless the field is being reloaded, the owner rebuilds its shown bet.
    void SetValue(int value);
    // Parses the text (a text that is no number counts as 0) and sets it.
    void Commit();
    // Shows the value at this field's position of the owner's shown bet, or
    // empties the field when the bet holds fewer values.
    void LoadFromBet();
    // The owner going away: the field stops telling it anything.
    void DetachOwner() { owner_ = nullptr; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void TextChanged();
    void KeyWithOwnersLeave(QKeyEvent *event);

    TControlEuroMillonApuesta *owner_;
    int block_;
    int value_ = 0;
    int position_;
    bool setting_ = false;
    bool loading_ = false;
    bool restoring_ = false;
    bool edited_ = false;
};
