// The game's help document as the help window takes it: read from an ordinary file of bounded
// size, then built anew from the few elements a help page needs (headings, paragraphs, lists,
// tables, bold text, links within the page and the game's own pictures), so that whatever the
// file holds, the window lays out only a bounded, well-formed page and reads nothing else.
#pragma once

#include <QString>
#include <string_view>

namespace zupel {

struct HelpDocument {
    QString html;
    QString refusal;  // empty when `html` is the document; otherwise why it is not shown
};

constexpr qint64 kLargestHelpDocument = 1024 * 1024;  // a help document is a few pages
constexpr int kDeepestHelpNesting = 12;    // elements within elements; deeper ones are left out
constexpr int kLongestHelpWord = 200;      // letters before a line may break all the same
constexpr int kMostHelpElements = 5000;    // the help has a few hundred
constexpr int kMostHelpTableCells = 1000;  // each cell costs the layout far more than a line
constexpr int kMostHelpPictures = 200;
constexpr int kMostHelpLetters = 200000;  // the help has some 10,000; each costs the layout

// Reads the document at `path` and builds the page. Safe to call away from the window's thread.
HelpDocument loadHelpDocument(const QString& path);
// The page built from the HTML of a help document, or why it cannot be shown.
HelpDocument buildHelpPage(std::string_view html);

}  // namespace zupel
