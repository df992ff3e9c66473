#include "platform/viewport.h"

#include <algorithm>
#include <cstdint>

namespace platform {

Viewport pictureViewport(int windowW, int windowH, int pictureW, int pictureH) {
    Viewport v;
    if (windowW <= 0 || windowH <= 0 || pictureW <= 0 || pictureH <= 0) return v;
    if (windowW % pictureW == 0 && windowH % pictureH == 0 && windowW / pictureW == windowH / pictureH) {
        v.w = windowW;
        v.h = windowH;
        return v;
    }
    // Compare the aspects in 64 bits: windowW / windowH against pictureW / pictureH.
    const std::int64_t lhs = static_cast<std::int64_t>(windowW) * pictureH;
    const std::int64_t rhs = static_cast<std::int64_t>(windowH) * pictureW;
    if (lhs > rhs) {  // window wider than the picture: bars left and right
        v.h = windowH;
        v.w = static_cast<int>(static_cast<std::int64_t>(windowH) * pictureW / pictureH);
    } else {  // bars above and below
        v.w = windowW;
        v.h = static_cast<int>(static_cast<std::int64_t>(windowW) * pictureH / pictureW);
    }
    v.x = (windowW - v.w) / 2;
    v.y = (windowH - v.h) / 2;
    return v;
}

int windowedScale(int usableW, int usableH, int pictureW, int pictureH) {
    if (pictureW <= 0 || pictureH <= 0) return 1;
    return std::max(1, std::min(usableW / pictureW, usableH / pictureH));
}

}  // namespace platform
