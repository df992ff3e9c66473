#include "shell/game.h"

// Nothing can be read before the archive reader exists: both phases fail and
// the state stays where the last successful phase left it.
bool Game::loadSettings() { return false; }

bool Game::loadAssets() { return false; }
