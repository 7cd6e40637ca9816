#include "help_document.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

#include "small_file.h"

namespace zupel {
namespace {

// Elements that hold nothing, and those the parser closes by itself when the next one opens:
// neither makes the document any deeper.
bool addsNoDepth(std::string_view name) {
    static constexpr std::array<std::string_view, 20> kFlat = {
        "area",  "base",   "br",    "col", "embed", "hr", "img", "input", "link", "meta",
        "param", "source", "track", "wbr", "p",     "li", "dt",  "dd",    "td",   "th"};
    return std::find(kFlat.begin(), kFlat.end(), name) != kFlat.end();
}

bool breaksLine(unsigned char byte) {
    // Spaces, and the lead byte of a character from U+3000 on (kana, kanji, full-width forms),
    // between which the layout may break a line.
    return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\r' || byte >= 0xE3;
}

}  // namespace

std::string stallingShape(std::string_view html) {
    int depth = 0;
    int word = 0;  // letters since the last place to break
    for (std::size_t i = 0; i < html.size(); ++i) {
        const auto byte = static_cast<unsigned char>(html[i]);
        if (byte == '<') {
            const std::size_t end = html.find('>', i);
            if (end == std::string_view::npos) break;
            const std::string_view tag = html.substr(i + 1, end - i - 1);
            i = end;
            const bool closing = tag.starts_with('/');
            std::string name;
            for (char c : tag.substr(closing ? 1 : 0)) {
                if (!std::isalnum(static_cast<unsigned char>(c))) break;
                name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            }
            if (name.empty() || addsNoDepth(name) || tag.ends_with('/')) continue;
            depth = closing ? std::max(0, depth - 1) : depth + 1;
            if (depth > kDeepestHelpNesting) {
                return "its elements nest more than " + std::to_string(kDeepestHelpNesting) +
                       " deep";
            }
            continue;
        }
        if (breaksLine(byte)) {
            word = 0;
        } else if ((byte & 0xC0) != 0x80 && ++word > kLongestHelpWord) {
            return "it holds a word of more than " + std::to_string(kLongestHelpWord) + " letters";
        }
    }
    return {};
}

HelpDocument loadHelpDocument(const QString& path) {
    const SmallFile file = readSmallFile(path, kLargestHelpDocument);
    std::string refusal = file.refusal;
    if (refusal.empty())
        refusal = stallingShape({file.bytes.constData(), std::size_t(file.bytes.size())});
    if (!refusal.empty()) return {{}, QString::fromStdString(refusal)};
    return {QString::fromUtf8(file.bytes), {}};
}

}  // namespace zupel
