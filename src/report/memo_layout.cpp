#include "report/memo_layout.h"

#include <algorithm>

namespace {

std::vector<std::string> Paragraphs(const std::string &text)
{
    std::vector<std::string> paragraphs(1);
    for (char c : text) {
        if (c == '\n')
            paragraphs.emplace_back();
        else if (c != '\r')
            paragraphs.back() += c;
    }
    return paragraphs;
}

// Greedy breaking at blanks; a word longer than the line stays whole. Widths
// are added word by word, so a long text costs one measure per word.
void WrapParagraph(const std::string &paragraph, const TfrFont &font, double length,
                   const TfrTextMeasure &measure, std::vector<std::string> &lines)
{
    std::string line;
    double lineWidth = 0;
    size_t position = 0;
    while (true) {
        const size_t blank = paragraph.find(' ', position);
        const std::string word =
            paragraph.substr(position, blank == std::string::npos ? std::string::npos : blank - position);
        const double wordWidth = measure.Width(font, word);
        const double joined = line.empty() ? wordWidth : lineWidth + measure.Width(font, " " + word);
        if (!line.empty() && joined > length) {
            lines.push_back(line);
            line = word;
            lineWidth = wordWidth;
        } else {
            if (!line.empty())
                line += ' ';
            line += word;
            lineWidth = joined;
        }
        if (blank == std::string::npos)
            break;
        position = blank + 1;
    }
    lines.push_back(line);
}

} // namespace

void LayoutMemo(const TfrView &memo, double left, double top, const std::string &text, uint16_t fontIndex,
                const TfrTextMeasure &measure, std::vector<TfrPreparedItem> &out)
{
    const bool vertical = (memo.Alignment & frtaVertical) != 0;
    const bool autoWidth = (memo.Flags & flAutoWidth) != 0;
    const bool wrap = (memo.Flags & flWordWrap) != 0 && !autoWidth;
    const int32_t horizontal = memo.Alignment & frtaHorizontalMask;
    // Along: the direction the text runs; across: the direction lines stack.
    const double along = vertical ? memo.Height : memo.Width;
    const double across = vertical ? memo.Width : memo.Height;

    std::vector<std::string> lines;
    for (const std::string &paragraph : Paragraphs(text)) {
        if (wrap)
            WrapParagraph(paragraph, memo.Font, along, measure, lines);
        else
            lines.push_back(paragraph);
    }
    const double lineHeight = measure.LineHeight(memo.Font);
    size_t fitting = lines.size();
    if (!autoWidth)
        fitting = std::min(fitting, static_cast<size_t>(std::max(0.0, across / lineHeight + 1e-9)));
    // A memo drawn for one font and printed with a taller one would otherwise
    // print nothing at all: its first line shows, cut by the frame.
    const bool clipped = fitting == 0 && !lines.empty() && across > 0;
    if (clipped)
        fitting = 1;
    const double block = static_cast<double>(fitting) * lineHeight;
    double start = 0;
    if (memo.Alignment & frtaMiddle)
        start = (across - block) / 2;
    else if (memo.Alignment & frtaDown)
        start = across - block;

    for (size_t i = 0; i < fitting; ++i) {
        if (lines[i].empty())
            continue;
        double lineStart = 0, lineLength = along;
        if (autoWidth) {
            double needed = measure.Width(memo.Font, lines[i]);
            if (needed > along) {
                if (horizontal == frtaCenter)
                    lineStart = (along - needed) / 2;
                else if (horizontal == frtaRight)
                    lineStart = along - needed;
                lineLength = needed;
            }
        }
        TfrPreparedItem item;
        item.Kind = TfrItemKind::Text;
        item.Style = static_cast<uint8_t>((horizontal == frtaHorizontalMask ? frtaLeft : horizontal) |
                                          (vertical ? kTextVertical : 0) | (autoWidth ? kTextNoClip : 0));
        item.Index = fontIndex;
        item.Text = lines[i];
        double offset = start + static_cast<double>(i) * lineHeight;
        double thickness = lineHeight;
        if (clipped) {
            // The box is the memo's own; the painter places the line in it.
            offset = 0;
            thickness = across;
            if (!(memo.Alignment & frtaMiddle))
                item.Style |= (memo.Alignment & frtaDown) ? kTextAcrossBottom : kTextAcrossTop;
        }
        if (vertical) {
            // Read bottom to top: the text's start is at the bottom of the box.
            item.X = static_cast<float>(left + offset);
            item.Y = static_cast<float>(top + along - lineStart - lineLength);
            item.W = static_cast<float>(thickness);
            item.H = static_cast<float>(lineLength);
        } else {
            item.X = static_cast<float>(left + lineStart);
            item.Y = static_cast<float>(top + offset);
            item.W = static_cast<float>(lineLength);
            item.H = static_cast<float>(thickness);
        }
        out.push_back(std::move(item));
    }
}
