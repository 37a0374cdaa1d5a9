#include "platform/proctrls/TProLabel.h"

#include "platform/proctrls/ProCtrls.h"

#include <algorithm>

namespace proctrls {

namespace {

// Appends the lines of one paragraph (text without line feeds) broken to width.
void WrapParagraph(const std::string& text, int width,
                   const std::function<int(const std::string&)>& measure,
                   std::vector<std::string>& lines) {
    const auto npos = std::string::npos;
    std::size_t pos = 0;
    for (;;) {
        // Take whole words while the line fits.
        std::size_t end = pos, next = pos;
        for (;;) {
            std::size_t wordStart = text.find_first_not_of(' ', next);
            if (wordStart == npos) break;
            std::size_t wordEnd = std::min(text.find(' ', wordStart), text.size());
            if (measure(text.substr(pos, wordEnd - pos)) > width) break;
            end = next = wordEnd;
        }
        if (end == pos) {
            std::size_t wordStart = text.find_first_not_of(' ', pos);
            if (wordStart == npos) {
                lines.push_back(text.substr(pos));
                return;
            }
            // The first word alone is too wide: break it between characters.
            end = wordStart + 1;
            while (end < text.size() && text[end] != ' ' &&
                   measure(text.substr(pos, end + 1 - pos)) <= width)
                ++end;
        }
        lines.push_back(text.substr(pos, end - pos));
        // The spaces at a break are dropped.
        pos = text.find_first_not_of(' ', end);
        if (pos == npos) return;
    }
}

}  // namespace

std::vector<std::string> LayoutLines(const std::string& text, bool wordWrap, int width,
                                     const std::function<int(const std::string&)>& measure) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find('\n', start);
        std::string paragraph = text.substr(start, end == std::string::npos ? end : end - start);
        if (!paragraph.empty() && paragraph.back() == '\r') paragraph.pop_back();
        if (wordWrap)
            WrapParagraph(paragraph, width, measure, lines);
        else
            lines.push_back(std::move(paragraph));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

TProLabel::TProLabel(vcl::TComponent* owner) : vcl::TGraphicControl(owner) {
    // Also starts the pack when a label is made before the pack's own start-up
    // ran, and keeps that start-up linked into every program that uses labels.
    StartPack();
    ParentColor = true;
    SetBounds(0, 0, 65, 13);
}

void TProLabel::Changed() { Invalidate(); }

void TProLabel::SetCaption(const std::string& caption) {
    caption_ = caption;
    Changed();
}

void TProLabel::SetWordWrap(bool wordWrap) {
    wordWrap_ = wordWrap;
    Changed();
}

void TProLabel::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Changed();
}

void TProLabel::SetAlignment(vcl::TAlignment alignment) {
    alignment_ = alignment;
    Changed();
}

bool TProLabel::ReadProperty(const vcl::DescriptionProperty& property, vcl::PropertyReader& reader) {
    const std::string& name = property.name;
    const vcl::DescriptionValue& value = property.value;
    if (name == "Caption") {
        SetCaption(reader.String(value));
    } else if (name == "WordWrap") {
        SetWordWrap(reader.Boolean(value));
    } else if (name == "Transparent") {
        SetTransparent(reader.Boolean(value));
    } else if (name == "Alignment") {
        SetAlignment(reader.Enum<vcl::TAlignment>(
            value, {{"taLeftJustify", vcl::TAlignment::taLeftJustify},
                    {"taRightJustify", vcl::TAlignment::taRightJustify},
                    {"taCenter", vcl::TAlignment::taCenter}}));
    } else {
        return vcl::TGraphicControl::ReadProperty(property, reader);
    }
    return true;
}

void TProLabel::Paint() {
    vcl::TCanvas& canvas = *Canvas();
    if (!transparent_) {
        canvas.Brush->Style = vcl::TBrushStyle::bsSolid;
        canvas.Brush->Color = Color();
        canvas.FillRect(ClientRect());
    }
    canvas.Font->Assign(*Font());
    canvas.Font->Color = TextColor();
    canvas.Brush->Style = vcl::TBrushStyle::bsClear;
    auto measure = [&canvas](const std::string& text) { return canvas.TextExtent(text).X; };
    const int lineHeight = canvas.TextExtent("Wg").Y;
    const int width = ClientWidth();
    int y = 0;
    for (const std::string& line : LayoutLines(caption_, wordWrap_, width, measure)) {
        if (y >= ClientHeight()) break;
        if (!line.empty()) {
            int x = 0;
            if (alignment_ == vcl::TAlignment::taRightJustify)
                x = width - measure(line);
            else if (alignment_ == vcl::TAlignment::taCenter)
                x = (width - measure(line)) / 2;
            canvas.TextOut(x, y, line);
        }
        y += lineHeight;
    }
}

}  // namespace proctrls
