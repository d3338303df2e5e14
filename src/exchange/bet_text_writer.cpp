#include "exchange/bet_text_writer.h"

#include "model/apuesta_multiple.h"
#include "model/cp1252.h"
#include "model/file_stream.h"
#include "model/separators.h"
#include "model/stream.h"

namespace {

constexpr size_t kFlushSize = 1 << 18;

} // namespace

void WriteBetText(TStream &stream, const std::vector<BetMask> &bets, const std::string &numberSeparator,
                  const std::string &blockSeparator)
{
    TSeparatorScope separators(numberSeparator, blockSeparator);
    std::string buffer;
    buffer.reserve(kFlushSize + 256);
    for (BetMask mask : bets) {
        buffer += Utf8ToCp1252(MaskToText(mask));
        buffer += "\r\n";
        if (buffer.size() >= kFlushSize) {
            stream.WriteBuffer(buffer.data(), buffer.size());
            buffer.clear();
        }
    }
    stream.WriteBuffer(buffer.data(), buffer.size());
}

void WriteBetTextFile(const std::string &path, const std::vector<BetMask> &bets,
                      const std::string &numberSeparator, const std::string &blockSeparator)
{
    SaveFileSafely(path,
                   [&](TStream &stream) { WriteBetText(stream, bets, numberSeparator, blockSeparator); });
}
