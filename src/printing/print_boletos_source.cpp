#include "printing/print_boletos_source.h"

#include "model/bet_mask.h"
#include "model/euromillon_apuestas.h"
#include "report/report.h"

#include <cctype>

namespace {

// The digit at a 1-based position; 0 for anything else or past the end.
int DigitAt(const std::string &name, size_t position)
{
    if (position == 0 || position > name.size())
        return 0;
    char c = name[position - 1];
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

// The decimal integer from a 1-based position to the end; 0 when it is not one.
int NumberFrom(const std::string &name, size_t position)
{
    if (position == 0 || position > name.size())
        return 0;
    int value = 0;
    for (size_t i = position - 1; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9' || value > 100000000)
            return 0;
        value = value * 10 + (name[i] - '0');
    }
    return value;
}

// Stars run to the highest of the combination's game (9 or 12).
bool InBlockRange(int block, int value, int highestStar)
{
    return value >= 1 && value <= (block == 1 ? 50 : highestStar);
}

BetMask ValueBit(int block, int value)
{
    return block == 1 ? NumberBit(value) : StarBit(value);
}

} // namespace

TPrintBoletosSource::TPrintBoletosSource(const TEuroMillonApuestas &apuestas, const TFormatoBoleto &formato)
    : apuestas_(apuestas), formato_(formato), highestStar_(GameRules(apuestas.Edition()).HighestStar),
      scratch_(apuestas.Edition())
{
}

int32_t TPrintBoletosSource::TotalBoletos() const
{
    return TicketOfBet(apuestas_.Count());
}

int TPrintBoletosSource::BetPosition(int i) const
{
    if (i < 1 || i > formato_.ApuestasPorBoleto)
        return -1;
    int64_t position = (int64_t{boletoActual_} - 1) * formato_.ApuestasPorBoleto + i - 1;
    return position >= 0 && position < apuestas_.Count() ? static_cast<int>(position) : -1;
}

void TPrintBoletosSource::ReportGetValue(const std::string &name, TfrValue &value)
{
    std::string upper = name;
    for (char &c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));

    if (upper.starts_with("POS_"))
        AnswerPos(upper, value);
    else if (upper.starts_with("NUM_"))
        AnswerNum(upper, value);
    else if (upper.starts_with("BLOQUE_"))
        AnswerBloque(upper, value);
    else if (upper == "COMB_NAME")
        value = TfrValue(apuestas_.Name());
    else if (upper == "COMB_FILENAME")
        value = TfrValue(apuestas_.FileName());
    else if (upper.starts_with("NAPUESTA_") && upper.size() == 10) {
        // The listings number each bet as the combination does, from 1.
        const int position = BetPosition(DigitAt(upper, 10));
        value = position < 0 ? TfrValue("") : TfrValue(position + 1);
    } else if (upper == "NBOLETO")
        value = TfrValue(boletoActual_);
    else if (upper == "TOTALAPUESTAS")
        value = TfrValue(apuestas_.Count());
    else if (upper == "TOTALBOLETOS")
        value = TfrValue(TotalBoletos());
}

void TPrintBoletosSource::AnswerPos(const std::string &upper, TfrValue &value) const
{
    value = TfrValue("0");
    if (testMode_) {
        value = TfrValue("1");
        return;
    }
    const int i = DigitAt(upper, 5), block = DigitAt(upper, 9), n = NumberFrom(upper, 15);
    const int position = BetPosition(i);
    if (position < 0 || (block != 1 && block != 2) || !InBlockRange(block, n, highestStar_))
        return;
    if (apuestas_.Mask(position) & ValueBit(block, n))
        value = TfrValue("1");
}

void TPrintBoletosSource::AnswerNum(const std::string &upper, TfrValue &value) const
{
    value = TfrValue("");
    const int i = DigitAt(upper, 5), block = DigitAt(upper, 9), k = NumberFrom(upper, 15);
    const int position = BetPosition(i);
    if (position < 0 || (block != 1 && block != 2) || k < 1)
        return;
    const BetMask mask = apuestas_.Mask(position);
    int seen = 0;
    for (int n = 1; InBlockRange(block, n, highestStar_); ++n) {
        if ((mask & ValueBit(block, n)) && ++seen == k) {
            value = TfrValue(n);
            return;
        }
    }
}

void TPrintBoletosSource::AnswerBloque(const std::string &upper, TfrValue &value)
{
    value = TfrValue("");
    const int i = DigitAt(upper, 8), block = DigitAt(upper, 12);
    const int position = BetPosition(i);
    if (position < 0 || (block != 1 && block != 2))
        return;
    scratch_.FromMask(apuestas_.Mask(position));
    value = TfrValue(scratch_.Block(block).AsText());
}

void TPrintBoletosSource::Attach(TfrReport &report, const std::string &datasetName)
{
    report.OnGetValue = [this](const std::string &name, TfrValue &value) { ReportGetValue(name, value); };
    TfrUserDataset &dataset = report.CreateDataset(datasetName);
    dataset.OnFirst = [this] { First(); };
    dataset.OnNext = [this] { Next(); };
    dataset.OnPrior = [this] { Prior(); };
    dataset.OnCheckEOF = [this] { return CheckEof(); };
}
