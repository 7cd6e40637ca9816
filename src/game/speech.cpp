// What the slime says on its own: its taught words, alone or in pairs, its name, a few phrases of
// its own and a greeting for the hour. The more words it knows, the more it has to say. Its own
// words, particles and endings are pieces of their own, so the window can say them in the
// player's language while the taught words stay as they were typed.
#include "game.h"
#include "utf8_text.h"

namespace zupel {
namespace {

constexpr int kKinds = 12;        // 9 to 12: it falls silent
constexpr int kSpokenChars = 10;  // only the start of a taught word is ever said
constexpr const char* kGap = "  ";
// The second word of a pair must differ from the first. When the words all sound the same
// there is none to find, so the slime gives up after this many tries and says nothing.
constexpr int kMaxSecondDraws = 100;

struct Ending {
    const char* text;
    int minWords;
};

// The endings in the order of their draw: a question, an exclamation, a long drawl.
constexpr Ending kEndings[] = {
    {PlayerText::ja("？"), 10}, {PlayerText::ja("！"), 5}, {PlayerText::ja("ー"), 15}};

// Ending k of the first `kinds` endings, if the slime knows enough words for it.
SpokenLine ending(int k, int n, int kinds) {
    if (k < 1 || k > kinds) return {};
    const Ending& e = kEndings[k - 1];
    return n >= e.minWords ? own(e.text) : SpokenLine{};
}

struct Phrase {
    int kind;
    int minWords;
    const char* text;
};

constexpr Phrase kPhrases[] = {{4, 7, PlayerText::ja("大好き")},
                               {5, 15, PlayerText::ja("元気？")},
                               {8, 9, PlayerText::ja("ねぇねぇ！")}};

struct Greeting {
    int fromHour, toHour;
    int minWords;
    const char* text;
};

// Nothing at 23 o'clock.
constexpr Greeting kGreetings[] = {
    {0, 5, 5, PlayerText::ja("おやすみ")},
    {6, 9, 5, PlayerText::ja("おはよう")},
    {10, 17, 9, PlayerText::ja("こんにちは")},
    {18, 22, 9, PlayerText::ja("こんばんは")},
};

std::optional<SpokenLine> greeting(int hour, int n) {
    for (const Greeting& g : kGreetings) {
        if (hour < g.fromHour || hour > g.toHour) continue;
        if (n < g.minWords) return std::nullopt;
        return own(g.text);
    }
    return std::nullopt;
}

std::optional<SpokenLine> phrase(int kind, int n) {
    for (const Phrase& p : kPhrases) {
        if (p.kind == kind && n >= p.minWords) return own(p.text);
    }
    return std::nullopt;
}

}  // namespace

void Game::speak() {
    const int n = world_.pet.wordcount;
    if (n < 1) return;  // a slime that knows no word keeps quiet
    if (auto text = utterance(draw(kKinds), n)) world_.controls.wordbox = *text;
}

std::optional<SpokenLine> Game::utterance(int kind, int n) {
    switch (kind) {
        case 1:
            return oneWord(n);
        case 2:
            return twoWords(n);
        case 3:
            return withName(n);
        case 6:
            return sentence(n);
        case 7:
            return greeting(shell_.hour(), n);
        case 4:
        case 5:
        case 8:
            return phrase(kind, n);
        default:
            return SpokenLine();  // falls silent
    }
}

std::optional<SpokenLine> Game::oneWord(int n) {
    const std::string word = drawnWord(n);
    return asHeld(word) + ending(draw(5), n, 3);
}

std::optional<SpokenLine> Game::twoWords(int n) {
    const std::string first = drawnWord(n);
    std::string second;  // a slime with one word says it with nothing after it
    if (n >= 2) {
        auto other = differentWord(first, n);
        if (!other) return std::nullopt;
        second = *other;
    }
    return asHeld(first + kGap + second) + ending(draw(3), n, 2);
}

std::optional<SpokenLine> Game::withName(int n) {
    if (n < 3) return std::nullopt;
    const std::string& name = world_.pet.name;  // with its blanks: it is said as it is held
    if (n <= 5) return asHeld(name);
    const std::string word = drawnWord(n);
    if (n <= 10) return asHeld(name + kGap + word);
    // From 11 words on, n is past every threshold, so only the draw decides the ending.
    return asHeld(name + kGap) + own(PlayerText::ja("は")) + asHeld(kGap + word) +
           ending(draw(3), n, 2);
}

std::optional<SpokenLine> Game::sentence(int n) {
    const std::string first = drawnWord(n);
    if (n <= 9) return asHeld(first) + ending(draw(5), n, 3);
    auto second = differentWord(first, n);
    if (!second) return std::nullopt;
    switch (draw(5)) {
        case 1:
            return asHeld(first + kGap) + own(PlayerText::ja("は")) + asHeld(kGap + *second);
        case 2:
            return asHeld(first + kGap) + own(PlayerText::ja("が")) + asHeld(kGap + *second);
        default:
            return std::nullopt;
    }
}

// A word from records 1 to n, read through the word buffer, as the slime says it.
std::string Game::drawnWord(int n) {
    world_.wordbuf.word = saves_.readWord(draw(n));
    return trimTrailingBlanks(firstChars(world_.wordbuf.word, kSpokenChars));
}

std::optional<std::string> Game::differentWord(const std::string& first, int n) {
    for (int i = 0; i < kMaxSecondDraws; ++i) {
        std::string word = drawnWord(n);
        if (word != first) return word;
    }
    return std::nullopt;
}

}  // namespace zupel
