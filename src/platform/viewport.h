#pragma once

namespace platform {

// Where the game's picture lands inside the real window, in window pixels.
struct Viewport {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

// The picture keeps its aspect: scaled by a whole factor when that fills the
// window exactly (the framed window is always made that size), otherwise as
// large as fits, centred with bars around it.
Viewport pictureViewport(int windowW, int windowH, int pictureW, int pictureH);

// The whole factor by which the framed window shows the picture: as large as
// fits into the desktop's usable area, at least 1.
int windowedScale(int usableW, int usableH, int pictureW, int pictureH);

}  // namespace platform
