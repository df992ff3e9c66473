#pragma once

#include <memory>

#include "canvas.h"
#include "figure_looks.h"
#include "text_face.h"

namespace gen {

// The full-screen pictures and the small ones of the head-up display.
std::unique_ptr<Canvas> drawTitleScreen(const TextFace& face, const std::vector<FigureLook>& looks);
std::unique_ptr<Canvas> drawHighscoreBoard();
std::unique_ptr<Canvas> drawEndScreen();
std::unique_ptr<Canvas> drawCrosshair();
// The cartridge of the ammunition row at `size` x `size` pixels.
std::unique_ptr<Canvas> drawCartridge(int size);

}  // namespace gen
