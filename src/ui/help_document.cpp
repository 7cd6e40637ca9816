#include "help_document.h"

#include <QFile>
#include <algorithm>
#include <cctype>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "small_file.h"

namespace zupel {
namespace {

// The elements a help page is made of. Everything else in a document is left out, its text kept:
// styles, scripts, frames, forms, fonts, stylesheets and pictures from anywhere else.
enum class Tag { p, h1, h2, h3, ul, ol, li, table, tr, td, th, a, b, strong, i, em, br, hr, img };

constexpr std::pair<std::string_view, Tag> kTags[] = {
    {"p", Tag::p},   {"h1", Tag::h1},         {"h2", Tag::h2},   {"h3", Tag::h3},
    {"ul", Tag::ul}, {"ol", Tag::ol},         {"li", Tag::li},   {"table", Tag::table},
    {"tr", Tag::tr}, {"td", Tag::td},         {"th", Tag::th},   {"a", Tag::a},
    {"b", Tag::b},   {"strong", Tag::strong}, {"i", Tag::i},     {"em", Tag::em},
    {"br", Tag::br}, {"hr", Tag::hr},         {"img", Tag::img},
};

// Elements whose content is not text of the page: skipped whole, up to their end tag.
constexpr std::string_view kSkippedWhole[] = {"script",   "style",    "title",    "textarea",
                                              "xmp",      "iframe",   "noembed",  "noframes",
                                              "noscript", "template", "plaintext"};

std::optional<Tag> knownTag(std::string_view name) {
    for (const auto& [known, tag] : kTags) {
        if (known == name) return tag;
    }
    return std::nullopt;
}

std::string_view nameOf(Tag tag) {
    for (const auto& [name, known] : kTags) {
        if (known == tag) return name;
    }
    return {};
}

bool isVoid(Tag tag) {
    return tag == Tag::br || tag == Tag::hr || tag == Tag::img;
}

bool flowsInText(Tag tag) {
    return tag == Tag::a || tag == Tag::b || tag == Tag::strong || tag == Tag::i ||
           tag == Tag::em || tag == Tag::br || tag == Tag::img;
}

// Whether an element may hold `child` directly; no parent stands for the page itself.
bool mayHold(std::optional<Tag> parent, Tag child) {
    if (!parent)
        return child != Tag::li && child != Tag::tr && child != Tag::td && child != Tag::th;
    switch (*parent) {
        case Tag::ul:
        case Tag::ol:
            return child == Tag::li;
        case Tag::table:
            return child == Tag::tr;
        case Tag::tr:
            return child == Tag::td || child == Tag::th;
        case Tag::li:
        case Tag::td:
        case Tag::th:
            return flowsInText(child) || child == Tag::p || child == Tag::ul || child == Tag::ol ||
                   child == Tag::hr;
        default:  // paragraphs, headings and the elements of running text
            return flowsInText(child);
    }
}

bool holdsText(std::optional<Tag> parent) {
    return !parent || (*parent != Tag::ul && *parent != Tag::ol && *parent != Tag::table &&
                       *parent != Tag::tr);
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithNoCase(std::string_view text, std::size_t at, std::string_view prefix) {
    if (text.size() - at < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (lower(text[at + i]) != prefix[i]) return false;
    }
    return true;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else {
        out += QString::fromUcs4(&c, 1).toStdString();
    }
}

// The character an entity such as "&amp;" or "&#x3042;" at the start of `text` stands for, and
// its length; nullopt when it is none the help needs (it then reads as it is written).
std::optional<std::pair<char32_t, std::size_t>> entity(std::string_view text) {
    const std::size_t end = text.substr(0, 12).find(';');
    if (end == std::string_view::npos || end < 2) return std::nullopt;
    const std::string_view name = text.substr(1, end - 1);
    constexpr std::pair<std::string_view, char32_t> kNamed[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", 0xA0}};
    for (const auto& [known, c] : kNamed) {
        if (name == known) return std::pair{c, end + 1};
    }
    if (name[0] != '#') return std::nullopt;
    const bool hex = name.size() > 1 && lower(name[1]) == 'x';
    const std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty()) return std::nullopt;
    char32_t c = 0;
    for (char d : digits) {
        const char l = lower(d);
        const int value = l >= '0' && l <= '9'          ? l - '0'
                          : hex && l >= 'a' && l <= 'f' ? l - 'a' + 10
                                                        : -1;
        if (value < 0) return std::nullopt;
        c = c * (hex ? 16 : 10) + static_cast<char32_t>(value);
        if (c > 0x10FFFF) return std::nullopt;
    }
    // Only characters text can hold.
    if (c < 0x20 || (c >= 0x7F && c < 0xA0) || (c >= 0xD800 && c < 0xE000)) return std::nullopt;
    return std::pair{c, end + 1};
}

// A place within the page ("#buttons"), as a link or an anchor names it.
bool isPlaceName(std::string_view name) {
    return !name.empty() && name.size() <= 64 && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_' || c == '-' || c == '.';
    });
}

// One of the game's own pictures, named as the help names them ("qrc:/pictures/x.xpm").
bool isGamePicture(std::string_view source) {
    constexpr std::string_view kFolder = "qrc:/pictures/";
    if (!source.starts_with(kFolder) || !source.ends_with(".xpm")) return false;
    const std::string_view name = source.substr(kFolder.size());
    if (name.size() > 64 || !std::all_of(name.begin(), name.end() - 4, [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
        }))
        return false;
    return QFile::exists(QString::fromUtf8(source.substr(3).data(), qsizetype(source.size() - 3)));
}

// A whole number from `low` to `high`; a larger one is cut to `high`.
std::optional<int> boundedNumber(std::string_view text, int low, int high) {
    if (text.empty() || text.size() > 6 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::clamp(std::stoi(std::string(text)), low, high);
}

struct Attribute {
    std::string name;
    std::string_view value;
};

// Builds the page in one pass over the document, keeping its own list of open elements, so that
// what it writes is always well formed however the document nests or fails to close.
class PageBuilder {
public:
    explicit PageBuilder(std::string_view html) : in_(html) {}

    HelpDocument build() {
        std::size_t at = 0;
        while (at < in_.size() && refusal_.empty()) {
            const std::size_t tag = in_.find('<', at);
            const std::size_t textEnd = tag == std::string_view::npos ? in_.size() : tag;
            if (textEnd > at) text(in_.substr(at, textEnd - at));
            at = textEnd == in_.size() ? textEnd : markup(textEnd);
        }
        while (!open_.empty()) closeTop();
        if (!refusal_.empty()) return {{}, QString::fromStdString(refusal_)};
        if (!shows_) return {{}, "there is nothing in it to show"};
        return {QString::fromUtf8(out_.data(), qsizetype(out_.size())), {}};
    }

private:
    std::optional<Tag> top() const {
        return open_.empty() ? std::nullopt : std::optional<Tag>(open_.back());
    }

    // The markup that starts at `at` ("<..."); returns where the text after it begins.
    std::size_t markup(std::size_t at) {
        if (in_.substr(at).starts_with("<!--")) {
            const std::size_t end = in_.find("-->", at + 4);
            return end == std::string_view::npos ? in_.size() : end + 3;
        }
        const char next = at + 1 < in_.size() ? in_[at + 1] : '\0';
        if (next == '!' || next == '?') {  // a document type or a declaration
            const std::size_t end = in_.find('>', at);
            return end == std::string_view::npos ? in_.size() : end + 1;
        }
        const bool closing = next == '/';
        std::size_t i = at + (closing ? 2 : 1);
        std::string name;
        while (i < in_.size() && std::isalnum(static_cast<unsigned char>(in_[i]))) {
            if (name.size() < 16) name += lower(in_[i]);
            ++i;
        }
        // A "<" that opens no tag ("<3", "a < b") is a letter of the text.
        if (name.empty() || !std::isalpha(static_cast<unsigned char>(name[0]))) {
            text(in_.substr(at, 1));
            return at + 1;
        }
        std::vector<Attribute> attributes;
        i = readAttributes(i, attributes);
        if (i >= in_.size()) return in_.size();  // a tag cut off by the end of the file
        if (!closing && std::find(std::begin(kSkippedWhole), std::end(kSkippedWhole), name) !=
                            std::end(kSkippedWhole))
            return skipWhole(name, i + 1);
        if (const std::optional<Tag> tag = knownTag(name)) {
            if (closing) {
                close(*tag);
            } else {
                open(*tag, attributes);
            }
        }
        return i + 1;
    }

    // Reads the attributes of a tag up to its ">"; returns where that ">" is, or the end.
    std::size_t readAttributes(std::size_t i, std::vector<Attribute>& attributes) {
        while (i < in_.size() && in_[i] != '>') {
            if (isSpace(in_[i]) || in_[i] == '/') {
                ++i;
                continue;
            }
            Attribute attribute;
            while (i < in_.size() && !isSpace(in_[i]) && in_[i] != '/' && in_[i] != '>' &&
                   in_[i] != '=') {
                if (attribute.name.size() < 16) attribute.name += lower(in_[i]);
                ++i;
            }
            while (i < in_.size() && isSpace(in_[i])) ++i;
            if (i < in_.size() && in_[i] == '=') {
                ++i;
                while (i < in_.size() && isSpace(in_[i])) ++i;
                std::size_t start = i;
                std::size_t end = i;
                if (i < in_.size() && (in_[i] == '"' || in_[i] == '\'')) {
                    end = std::min(in_.find(in_[i], i + 1), in_.size());
                    start = i + 1;
                    i = std::min(end + 1, in_.size());
                } else {
                    while (end < in_.size() && !isSpace(in_[end]) && in_[end] != '>') ++end;
                    i = end;
                }
                attribute.value = in_.substr(start, end - start);
            }
            if (attributes.size() < 16) attributes.push_back(std::move(attribute));
        }
        return i;
    }

    std::size_t skipWhole(const std::string& name, std::size_t from) {
        for (std::size_t end = in_.find("</", from); end != std::string_view::npos;
             end = in_.find("</", end + 2)) {
            if (startsWithNoCase(in_, end + 2, name)) {
                const std::size_t close = in_.find('>', end);
                return close == std::string_view::npos ? in_.size() : close + 1;
            }
        }
        return in_.size();
    }

    void open(Tag tag, const std::vector<Attribute>& attributes) {
        if (!makeRoomFor(tag)) return;
        // Deeper down, an element is left out and its content joins its parent's.
        if (!isVoid(tag) && open_.size() >= kDeepestHelpNesting) return;
        std::string written;
        if (tag == Tag::a) {
            written = anchorAttributes(attributes);
        } else if (tag == Tag::img) {
            if (!pictureAttributes(attributes, written)) return;
        } else if (tag == Tag::table) {
            written = tableAttributes(attributes);
        }
        if ((tag == Tag::td || tag == Tag::th) &&
            !count(cells_, kMostHelpTableCells, "table cells"))
            return;
        if (!count(elements_, kMostHelpElements, "elements")) return;
        if (!flowsInText(tag)) word_ = 0;
        out_ += '<';
        out_ += nameOf(tag);
        out_ += written;
        out_ += '>';
        if (!isVoid(tag)) open_.push_back(tag);
    }

    // Closes elements until the open one may hold `tag`. An item, row or cell goes into the
    // nearest list, table or row (a cell into a row of its own when its table has none open);
    // without one it is left out, and false says so.
    bool makeRoomFor(Tag tag) {
        const bool cell = tag == Tag::td || tag == Tag::th;
        if (cell || tag == Tag::li || tag == Tag::tr) {
            const auto holder = std::find_if(open_.rbegin(), open_.rend(), [&](Tag t) {
                return mayHold(t, tag) || (cell && t == Tag::table);
            });
            if (holder == open_.rend()) return false;
            const auto kept = static_cast<std::size_t>(open_.rend() - holder);
            while (open_.size() > kept) closeTop();
            if (cell && open_.back() == Tag::table) open(Tag::tr, {});
            return mayHold(top(), tag);
        }
        while (!mayHold(top(), tag)) closeTop();
        return true;
    }

    void close(Tag tag) {
        if (std::find(open_.begin(), open_.end(), tag) == open_.end()) return;  // a stray end
        while (open_.back() != tag) closeTop();
        closeTop();
    }

    void closeTop() {
        out_ += "</";
        out_ += nameOf(open_.back());
        out_ += '>';
        if (!flowsInText(open_.back())) word_ = 0;
        open_.pop_back();
    }

    bool count(int& counter, int most, const char* what) {
        if (++counter <= most) return true;
        if (refusal_.empty()) refusal_ = "it holds more than " + std::to_string(most) + " " + what;
        return false;
    }

    static std::string anchorAttributes(const std::vector<Attribute>& attributes) {
        std::string written;
        for (const Attribute& a : attributes) {
            if (a.name == "name" && isPlaceName(a.value)) {
                written += " name=\"" + std::string(a.value) + "\"";
            } else if (a.name == "href" && a.value.starts_with('#') &&
                       isPlaceName(a.value.substr(1))) {
                written += " href=\"" + std::string(a.value) + "\"";
            }
        }
        return written;
    }

    bool pictureAttributes(const std::vector<Attribute>& attributes, std::string& written) {
        bool shown = false;
        for (const Attribute& a : attributes) {
            if (a.name == "src" && !shown && isGamePicture(a.value)) {
                written += " src=\"" + std::string(a.value) + "\"";
                shown = true;
            } else if (a.name == "width" || a.name == "height") {
                if (auto n = boundedNumber(a.value, 1, 400))
                    written += " " + a.name + "=\"" + std::to_string(*n) + "\"";
            }
        }
        if (shown && count(pictures_, kMostHelpPictures, "pictures")) shows_ = true;
        return shown && refusal_.empty();
    }

    static std::string tableAttributes(const std::vector<Attribute>& attributes) {
        std::string written;
        for (const Attribute& a : attributes) {
            const int most = a.name == "border" ? 4 : 16;
            if (a.name != "border" && a.name != "cellpadding" && a.name != "cellspacing") continue;
            if (auto n = boundedNumber(a.value, 0, most))
                written += " " + a.name + "=\"" + std::to_string(*n) + "\"";
        }
        return written;
    }

    void text(std::string_view run) {
        if (!holdsText(top())) {
            if (std::all_of(run.begin(), run.end(), isSpace)) return;  // between rows or items
            while (!holdsText(top())) closeTop();
        }
        for (std::size_t i = 0; i < run.size() && refusal_.empty(); ++i) {
            const char c = run[i];
            if (c == '&') {
                if (const auto decoded = entity(run.substr(i))) {
                    letter(decoded->first);
                    i += decoded->second - 1;
                    continue;
                }
            }
            const auto byte = static_cast<unsigned char>(c);
            if (isSpace(c)) {
                out_ += c;
                word_ = 0;
            } else if (byte < 0x80) {
                if (byte >= 0x20 && byte != 0x7F) letter(byte);  // control characters are no text
            } else if ((byte & 0xC0) == 0x80) {
                out_ += c;  // the rest of a character already counted
            } else {
                startLetter();
                out_ += c;
            }
        }
    }

    void letter(char32_t c) {
        startLetter();
        if (c == '&') {
            out_ += "&amp;";
        } else if (c == '<') {
            out_ += "&lt;";
        } else if (c == '>') {
            out_ += "&gt;";
        } else {
            appendUtf8(out_, c);
        }
    }

    // A word longer than any the help needs gets a place to break (an invisible zero-width
    // space): laying out one unbroken line costs time that grows with the square of its length.
    void startLetter() {
        if (word_ == kLongestHelpWord) {
            appendUtf8(out_, 0x200B);
            word_ = 0;
        }
        ++word_;
        shows_ = true;
        count(letters_, kMostHelpLetters, "letters");
    }

    std::string_view in_;
    std::string out_;
    std::vector<Tag> open_;
    int elements_ = 0;
    int cells_ = 0;
    int pictures_ = 0;
    int letters_ = 0;
    int word_ = 0;  // letters since the last place a line may break
    bool shows_ = false;
    std::string refusal_;
};

}  // namespace

HelpDocument buildHelpPage(std::string_view html) {
    // Bytes that are no UTF-8 become replacement characters first, so every letter is counted.
    const QByteArray text = QString::fromUtf8(html.data(), qsizetype(html.size())).toUtf8();
    return PageBuilder({text.constData(), std::size_t(text.size())}).build();
}

HelpDocument loadHelpDocument(const QString& path) {
    const SmallFile file = readSmallFile(path, kLargestHelpDocument);
    if (!file.refusal.empty()) return {{}, QString::fromStdString(file.refusal)};
    return buildHelpPage({file.bytes.constData(), std::size_t(file.bytes.size())});
}

}  // namespace zupel
