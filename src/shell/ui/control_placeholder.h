#pragma once

// TEMPORARY stand-in for the bet ticket control until it lands: the same
// calls, the bet shown as text.
#include "model/euromillon_apuesta.h"

#include <QWidget>

#include <functional>
#include <memory>

class TControlEuroMillonApuesta : public QWidget {
    Q_OBJECT
public:
    using TBeforeMarkEvent = std::function<void(TControlEuroMillonApuesta *sender, int value, int block, bool &mark)>;
    explicit TControlEuroMillonApuesta(QWidget *parent = nullptr);
    ~TControlEuroMillonApuesta() override;
    TEuroMillonApuestaMult &ShownBet() { return *shownBet_; }
    bool Modified() const { return modified_; }
    void SetModified(bool modified);
    int32_t BetIndex() const { return betIndex_; }
    void SetBetIndex(int32_t index) { betIndex_ = index; }
    uint8_t ViewMode() const { return viewMode_; }
    void SetViewMode(uint8_t mode) { viewMode_ = mode; update(); }
    void SetOnBeforeMark(TBeforeMarkEvent handler) { onBeforeMark_ = std::move(handler); }
    void Relayout() { update(); }
    bool ToggleBox(int block, int value);
    QSize sizeHint() const override { return {111, 216}; }

signals:
    void Changed();
    void ModifiedChanged(bool modified);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::unique_ptr<TEuroMillonApuestaMult> shownBet_;
    TBeforeMarkEvent onBeforeMark_;
    bool modified_ = false;
    int32_t betIndex_ = 0;
    uint8_t viewMode_ = 0;
};
