#include "widgets/casilla_euromillon_apuesta.h"

#include "model/euromillon_apuesta.h"
#include "model/game_constants.h"
#include "widgets/control_euromillon_apuesta.h"
#include "widgets/ticket_renderer.h"

TCasillaEuroMillonApuesta::TCasillaEuroMillonApuesta(TControlEuroMillonApuesta *owner, int block, int value)
    : owner_(owner), value_(value), frameColor_(TTicketRenderer::kFrameColour)
{
    SetBlock(block);
}

void TCasillaEuroMillonApuesta::SetBlock(int block)
{
    block_ = block;
    textColor_ = TTicketRenderer::DefaultColours(block).Text;
}

bool TCasillaEuroMillonApuesta::IsMarked() const
{
    return owner_ != nullptr && IsBlockNumber(block_) &&
           owner_->ShownBet().Block(block_).IndexOf(value_) >= 0;
}

void TCasillaEuroMillonApuesta::Paint(QPainter *painter, const TTicketRenderer &renderer) const
{
    TTicketBoxColours colours{frameColor_, Qt::white, textColor_, Qt::black};
    if (owner_ != nullptr)
        owner_->DrawBoxHook(block_, value_, colours);
    renderer.PaintBox(painter, bounds_, block_, value_, colours, IsMarked());
}

void TCasillaEuroMillonApuesta::Click()
{
    if (owner_ != nullptr)
        owner_->ToggleBox(block_, value_);
}
