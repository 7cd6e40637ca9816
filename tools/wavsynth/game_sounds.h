// The sound effects the game folder needs, by the file names the game plays.
#pragma once

#include <vector>

#include "sound_recipe.h"

namespace zupel::wavsynth {

std::vector<SoundRecipe> gameSounds();

}  // namespace zupel::wavsynth
