#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <vector>

#include "platform/messages.h"
#include "platform/video_system.h"
#include "world/figure_animation.h"
#include "world/figure_type.h"
#include "world/hit_effect.h"
#include "world/score_keeper.h"
#include "world/score_popup.h"

class ArchiveStream;
class Font;

// The figure types with their figures, the figure animations, and the hit
// effects and score popups of a round, all loaded from the figure file.
class FigureWorld {
public:
    FigureWorld() = default;
    FigureWorld(const FigureWorld&) = delete;
    FigureWorld& operator=(const FigureWorld&) = delete;

    // Reads the whole figure file: "F1" type count, the type blocks, "F4"
    // animation count, the animation blocks each closed by an "F6" id.
    // Starts from empty; what a failed load read stays until the next clear.
    bool load(ArchiveStream* stream, platform::VideoDevice* device);
    void clear();

    // Figures do not move or take shots yet: a round has none.
    void startRound() {}
    void updateLayer(std::int32_t, std::uint32_t, float, std::int32_t, platform::VideoSurface*, platform::Rect*,
                     std::int32_t, std::int32_t, const Font&) {}
    bool hitLayer(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                  ScoreKeeper&) {
        return false;
    }

    // The first animation with that id, or null.
    FigureAnimation* findAnimation(std::int32_t id);
    // The type at that list position, or null.
    FigureType* typeAt(std::int32_t position);

    std::int32_t declaredTypeCount() const { return declaredTypeCount_; }
    std::int32_t typeCount() const { return static_cast<std::int32_t>(types_.size()); }
    std::int32_t animationCount() const { return static_cast<std::int32_t>(animations_.size()); }
    std::list<ScorePopup>& popups() { return popups_; }
    std::list<HitEffect>& effects() { return effects_; }

private:
    void loadTypes(ArchiveStream& stream, platform::VideoDevice* device);
    void resolveDeathAnimations();
    void loadAnimations(ArchiveStream& stream, platform::VideoDevice* device);
    void buildMirroredLooks(platform::VideoDevice* device);

    std::vector<std::unique_ptr<FigureAnimation>> animations_;
    std::vector<std::unique_ptr<FigureType>> types_;
    std::int32_t declaredTypeCount_ = 0;
    std::list<ScorePopup> popups_;
    std::list<HitEffect> effects_;
};
