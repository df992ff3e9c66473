#pragma once

#include <vector>

namespace gen {

// Every sound of the game, synthesised from oscillators and noise.
std::vector<float> missShotSound();
std::vector<float> emptyClickSound();
std::vector<float> reloadSound();
// The hit sound of the figure type at the given list position (0..14).
std::vector<float> figureSound(int position);
// A cheerful seven-second loop whose end runs straight into its start.
std::vector<float> musicLoop();

}  // namespace gen
