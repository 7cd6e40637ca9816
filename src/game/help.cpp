// The help menu: the help document at its contents, and the version.
#include "game.h"

namespace zupel {
namespace {

constexpr const char* kHelpFile = "zupelhelp.hlp";

}  // namespace

void Game::help1_Click() {
    // Only a document of exactly this name opens; without one the menu does nothing.
    if (shell_.findGameFile(kHelpFile) != kHelpFile) return;
    shell_.showHelp(kHelpFile);
}

void Game::aboutgame_Click() {
    shell_.showMessage("ZUPEL Ver.2.51", PlayerText::ja("ﾊﾞｰｼﾞｮﾝ情報"));
}

}  // namespace zupel
