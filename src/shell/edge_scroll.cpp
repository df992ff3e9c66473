#include "shell/edge_scroll.h"

std::int32_t edgeScrollBand(std::int32_t mouseX, std::int32_t width) { return (mouseX - width / 2) / 100; }

std::int32_t edgeScrollStep(std::int32_t mouseX, std::int32_t width, std::uint32_t elapsed) {
    const std::int32_t k = edgeScrollBand(mouseX, width);
    // The product wraps in 32 bits as it always has; only absurd pauses reach that.
    const auto product = static_cast<std::int32_t>(static_cast<std::uint32_t>(k * k * k) * elapsed);
    return product / 20;
}
