#include "report/prepared_report.h"

uint16_t TfrPreparedReport::FontIndex(const TfrFont &font)
{
    for (size_t i = 0; i < Fonts.size(); ++i) {
        if (Fonts[i] == font)
            return static_cast<uint16_t>(i);
    }
    // Indexes are 16-bit; a template with more distinct fonts shares the last one.
    if (Fonts.size() > 0xFFFF)
        return 0xFFFF;
    Fonts.push_back(font);
    return static_cast<uint16_t>(Fonts.size() - 1);
}
