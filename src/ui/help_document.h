// The game's help document as the help window takes it: read from an ordinary file of bounded
// size, and only when its layout cannot stall the window. Nesting thousands of elements deep, or
// a word of many thousand letters, costs the text layout time that grows with the square of it,
// and no help page needs either.
#pragma once

#include <QString>
#include <string_view>

namespace zupel {

struct HelpDocument {
    QString html;
    QString refusal;  // empty when `html` is the document; otherwise why it is not shown
};

constexpr qint64 kLargestHelpDocument = 1024 * 1024;  // a help document is a few pages
constexpr int kDeepestHelpNesting = 200;              // elements within elements
constexpr int kLongestHelpWord = 4000;                // letters without a place to break

// Reads and vets the document at `path`. Safe to call away from the window's thread.
HelpDocument loadHelpDocument(const QString& path);
// Why HTML of this shape would stall the layout; empty when it would not.
std::string stallingShape(std::string_view html);

}  // namespace zupel
