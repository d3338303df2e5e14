#include "widgets/ticket_layout.h"

#include "model/game_constants.h"
#include "model/ticket_tables.h"

#include <algorithm>
#include <cmath>

int RoundHalfEven(double value)
{
    // nearbyint rounds in the current mode, which is to nearest, ties to even.
    return static_cast<int>(std::nearbyint(value));
}

namespace {

// Room kept between the star grid and the edges of the part it stands in.
constexpr double kStarGridMargin = 8.0;

// The step from one cell to the next along an axis where `cells` boxes of
// `box` must fit in `room`, no wider than the ticket's own step.
double FittingStep(double step, double box, double room, int cells)
{
    if (cells <= 1)
        return step;
    return std::min(step, (room - 2 * kStarGridMargin - box) / (cells - 1));
}

} // namespace

TGeometriaBloque ScreenStarGrid(const TFormatoBoleto &format, const TGeometriaBloque &stars, int highestStar)
{
    if (stars.Columnas <= 0 || stars.Filas <= 0 || highestStar <= stars.Columnas * stars.Filas)
        return stars;
    TGeometriaBloque grid = stars;
    if (grid.Orden == obColumnas) {
        // Values run down the columns: one column more per row count of stars.
        grid.Columnas = (highestStar + grid.Filas - 1) / grid.Filas;
        const double room = format.AnchoApuesta;
        const double extent = grid.OrigenXPantalla - (grid.AnchoCasillaPantalla - grid.AnchoCasilla) / 2 +
                              (grid.Columnas - 1) * grid.PasoX + grid.AnchoCasillaPantalla;
        if (extent > room - kStarGridMargin) {
            grid.PasoX = FittingStep(grid.PasoX, grid.AnchoCasillaPantalla, room, grid.Columnas);
            const double width = (grid.Columnas - 1) * grid.PasoX + grid.AnchoCasillaPantalla;
            grid.OrigenXPantalla = (room - width) / 2 + (grid.AnchoCasillaPantalla - grid.AnchoCasilla) / 2;
        }
    } else {
        // Values run along the rows: one row more per column count of stars.
        grid.Filas = (highestStar + grid.Columnas - 1) / grid.Columnas;
        const double top = format.AltoNumeros;
        const double room = format.AltoApuesta - format.AltoNumeros;
        const double extent = grid.OrigenYPantalla - (grid.AltoCasillaPantalla - grid.AltoCasilla) / 2 +
                              (grid.Filas - 1) * grid.PasoY + grid.AltoCasillaPantalla;
        if (extent > format.AltoApuesta - kStarGridMargin) {
            grid.PasoY = FittingStep(grid.PasoY, grid.AltoCasillaPantalla, room, grid.Filas);
            const double height = (grid.Filas - 1) * grid.PasoY + grid.AltoCasillaPantalla;
            grid.OrigenYPantalla =
                top + (room - height) / 2 + (grid.AltoCasillaPantalla - grid.AltoCasilla) / 2;
        }
    }
    return grid;
}

TTicketLayout::TTicketLayout(const TFormatoBoleto &format, const TGeometriaBoleto &geometry,
                             QSize controlSize, int highestStar)
    : geometry_(geometry), highestStar_(highestStar), controlSize_(controlSize)
{
    geometry_.Bloques[1] = ScreenStarGrid(format, geometry.Bloque(kBlockStars), highestStar);

    const int width = std::max(0, controlSize.width());
    const int height = std::max(0, controlSize.height());

    // The largest design-shaped rectangle that fits, centred.
    int betWidth = width;
    int betHeight = height;
    if (static_cast<long long>(width) * kDesignHeight > static_cast<long long>(height) * kDesignWidth)
        betWidth = std::min(width, RoundHalfEven(height * double(kDesignWidth) / kDesignHeight));
    else
        betHeight = std::min(height, RoundHalfEven(width * double(kDesignHeight) / kDesignWidth));
    betRect_ = QRect((width - betWidth) / 2, (height - betHeight) / 2, betWidth, betHeight);
    fontScale_ = betHeight / double(kDesignHeight);

    scaleX_ = format.AnchoApuesta > 0 ? betWidth / format.AnchoApuesta : 0.0;
    scaleY_ = format.AltoApuesta > 0 ? betHeight / format.AltoApuesta : 0.0;

    const int left = betRect_.x();
    const int top = betRect_.y();
    const int numbersBottom =
        top +
        (format.AltoApuesta > 0 ? RoundHalfEven(betHeight * format.AltoNumeros / format.AltoApuesta) : 0) - 1;
    numbersArea_ = QRect(left, top, betWidth, std::max(0, numbersBottom - top));
    const int starsTop = numbersBottom + 1;
    starsArea_ = QRect(left, starsTop, betWidth, std::max(0, top + betHeight - starsTop));
}

int TTicketLayout::HighestValue(int block) const
{
    return block == kBlockStars ? highestStar_ : kHighestValue[kBlockNumbers];
}

QRect TTicketLayout::BoxBounds(int block, int value) const
{
    if (!IsBlockNumber(block) || value < kLowestValue[block] || value > HighestValue(block))
        return QRect();
    // The cell is computed for any value; its answer on the range is that of
    // the classic game, which the check above replaces.
    int32_t column = -1;
    int32_t row = -1;
    CeldaDeValor(geometry_, block, value, column, row);
    if (column < 0 || row < 0)
        return QRect();
    const TGeometriaBloque &grid = geometry_.Bloque(block);
    // Both blocks are measured from the top left corner of the bet.
    const double left =
        grid.OrigenXPantalla - (grid.AnchoCasillaPantalla - grid.AnchoCasilla) / 2 + column * grid.PasoX;
    const double top =
        grid.OrigenYPantalla - (grid.AltoCasillaPantalla - grid.AltoCasilla) / 2 + row * grid.PasoY;
    return QRect(betRect_.x() + RoundHalfEven(left * scaleX_), betRect_.y() + RoundHalfEven(top * scaleY_),
                 RoundHalfEven(grid.AnchoCasillaPantalla * scaleX_),
                 RoundHalfEven(grid.AltoCasillaPantalla * scaleY_));
}

bool TTicketLayout::BoxAt(QPoint point, int &block, int &value) const
{
    for (int b = kBlockNumbers; b <= kBlockStars; ++b) {
        for (int v = kLowestValue[b]; v <= HighestValue(b); ++v) {
            if (BoxBounds(b, v).contains(point)) {
                block = b;
                value = v;
                return true;
            }
        }
    }
    return false;
}

QRect TTicketLayout::FieldBounds(int block, int position, int fieldHeight) const
{
    if (block == kBlockNumbers) {
        const double third = numbersArea_.width() / 3.0;
        const double h = numbersArea_.height() / 16.0;
        const double top = numbersArea_.y() + h + 3 * h * (position - 1);
        return QRect(RoundHalfEven(numbersArea_.x() + third), RoundHalfEven(top), RoundHalfEven(third),
                     fieldHeight);
    }
    const double w = starsArea_.width() / 5.0;
    const double left = starsArea_.x() + w + 2 * w * (position - 1);
    const double top = starsArea_.y() + (starsArea_.height() - fieldHeight) / 2.0;
    return QRect(RoundHalfEven(left), RoundHalfEven(top), RoundHalfEven(w), fieldHeight);
}
