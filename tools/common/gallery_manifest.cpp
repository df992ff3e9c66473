#include "gallery_manifest.h"

#include <stdexcept>

#include <nlohmann/json.hpp>

namespace datatools {
namespace {

using nlohmann::json;

json pictureJson(const PictureRef& ref) {
    json j{{"picture", ref.picture}};
    if (!ref.mask.empty()) j["mask"] = ref.mask;
    return j;
}

json animationJson(const AnimationRef& animation) {
    json frames = json::array();
    for (const FrameRef& frame : animation.frames) {
        json f = pictureJson(frame.image);
        f["duration"] = frame.duration;
        if (frame.hotspotX && frame.hotspotY) f["hotspot"] = {*frame.hotspotX, *frame.hotspotY};
        frames.push_back(f);
    }
    return json{{"frames", frames}};
}

[[noreturn]] void fail(const std::string& where, const std::string& what) {
    throw std::runtime_error(where + ": " + what);
}

const json& member(const json& object, const std::string& key, const std::string& where) {
    if (!object.is_object()) fail(where, "must be an object");
    auto it = object.find(key);
    if (it == object.end()) fail(where, "\"" + key + "\" is missing");
    return *it;
}

std::string text(const json& object, const std::string& key, const std::string& where) {
    const json& value = member(object, key, where);
    if (!value.is_string() || value.get<std::string>().empty()) fail(where + "." + key, "must be a file name");
    return value.get<std::string>();
}

std::string optionalText(const json& object, const std::string& key, const std::string& where) {
    auto it = object.find(key);
    if (it == object.end() || it->is_null()) return std::string();
    if (!it->is_string()) fail(where + "." + key, "must be a file name");
    return it->get<std::string>();
}

int number(const json& object, const std::string& key, const std::string& where) {
    const json& value = member(object, key, where);
    if (!value.is_number_integer()) fail(where + "." + key, "must be a whole number");
    const auto n = value.get<long long>();
    if (n < INT32_MIN || n > INT32_MAX) fail(where + "." + key, "is out of range");
    return static_cast<int>(n);
}

bool flag(const json& object, const std::string& key, const std::string& where, bool fallback) {
    auto it = object.find(key);
    if (it == object.end()) return fallback;
    if (!it->is_boolean()) fail(where + "." + key, "must be true or false");
    return it->get<bool>();
}

PictureRef pictureFrom(const json& j, const std::string& where) {
    return PictureRef{text(j, "picture", where), optionalText(j, "mask", where)};
}

AnimationRef animationFrom(const json& j, const std::string& where) {
    const json& frames = member(j, "frames", where);
    if (!frames.is_array()) fail(where + ".frames", "must be a list");
    AnimationRef animation;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const std::string at = where + ".frames[" + std::to_string(i) + "]";
        FrameRef frame;
        frame.image = pictureFrom(frames[i], at);
        frame.duration = number(frames[i], "duration", at);
        auto hotspot = frames[i].find("hotspot");
        if (hotspot != frames[i].end()) {
            if (!hotspot->is_array() || hotspot->size() != 2 || !(*hotspot)[0].is_number_integer() ||
                !(*hotspot)[1].is_number_integer())
                fail(at + ".hotspot", "must be [x, y]");
            frame.hotspotX = (*hotspot)[0].get<int>();
            frame.hotspotY = (*hotspot)[1].get<int>();
        }
        animation.frames.push_back(frame);
    }
    return animation;
}

std::optional<PictureRef> optionalPicture(const json& j, const std::string& key) {
    auto it = j.find(key);
    if (it == j.end() || it->is_null()) return std::nullopt;
    return pictureFrom(*it, key);
}

}  // namespace

std::string manifestToJson(const GalleryManifest& m) {
    json j;
    const Settings& s = m.settings;
    j["settings"] = {{"width", s.width},
                     {"height", s.height},
                     {"roundMinutes", s.roundMinutes},
                     {"roundSeconds", s.roundSeconds},
                     {"magazineSize", s.magazineSize},
                     {"startFullscreen", s.startFullscreen},
                     {"highscoreName", s.highscoreName}};
    j["sounds"] = {{"miss", m.missSound}, {"empty", m.emptySound}, {"reload", m.reloadSound}, {"music", m.music}};
    if (m.title) j["title"] = pictureJson(*m.title);
    if (m.highscore) j["highscore"] = pictureJson(*m.highscore);
    if (m.end) j["end"] = pictureJson(*m.end);
    j["background"] = json::array();
    for (const PictureRef& layer : m.background) j["background"].push_back(pictureJson(layer));
    j["cursor"] = pictureJson(m.cursor);
    j["bigFont"] = pictureJson(m.bigFont);
    j["smallFont"] = pictureJson(m.smallFont);
    j["ammo"] = pictureJson(m.ammo.image);
    j["ammo"]["preview"] = m.ammo.preview;
    j["ammo"]["colour"] = m.ammo.colour;
    j["figures"] = json::array();
    for (const FigureRef& f : m.figures) {
        json fj{{"id", f.id},
                {"baseY", f.baseY},
                {"ySpread", f.ySpread},
                {"layer", f.layer},
                {"baseSpeed", f.baseSpeed},
                {"speedSpread", f.speedSpread},
                {"points", f.points},
                {"maxCount", f.maxCount},
                {"hitPoints", f.hitPoints},
                {"spawnChance", f.spawnChance},
                {"motionMode", f.motionMode},
                {"mirrored", f.mirrored}};
        if (!f.sound.empty()) fj["sound"] = f.sound;
        if (f.death) fj["death"] = animationJson(*f.death);
        j["figures"].push_back(fj);
    }
    j["looks"] = json::array();
    for (const LookRef& look : m.looks) {
        json lj = animationJson(look.animation);
        lj["id"] = look.id;
        j["looks"].push_back(lj);
    }
    return j.dump(1) + "\n";
}

GalleryManifest manifestFromJson(const std::string& source) {
    json j;
    try {
        j = json::parse(source);
    } catch (const json::parse_error& e) {
        throw std::runtime_error(std::string("not valid JSON: ") + e.what());
    }
    GalleryManifest m;
    const json& s = member(j, "settings", "manifest");
    m.settings.width = number(s, "width", "settings");
    m.settings.height = number(s, "height", "settings");
    m.settings.roundMinutes = number(s, "roundMinutes", "settings");
    m.settings.roundSeconds = number(s, "roundSeconds", "settings");
    m.settings.magazineSize = number(s, "magazineSize", "settings");
    m.settings.startFullscreen = flag(s, "startFullscreen", "settings", false);
    m.settings.highscoreName = optionalText(s, "highscoreName", "settings");
    const json& sounds = member(j, "sounds", "manifest");
    m.missSound = text(sounds, "miss", "sounds");
    m.emptySound = text(sounds, "empty", "sounds");
    m.reloadSound = text(sounds, "reload", "sounds");
    m.music = text(sounds, "music", "sounds");
    m.title = optionalPicture(j, "title");
    m.highscore = optionalPicture(j, "highscore");
    m.end = optionalPicture(j, "end");
    const json& layers = member(j, "background", "manifest");
    if (!layers.is_array()) fail("background", "must be a list");
    for (std::size_t i = 0; i < layers.size(); ++i)
        m.background.push_back(pictureFrom(layers[i], "background[" + std::to_string(i) + "]"));
    m.cursor = pictureFrom(member(j, "cursor", "manifest"), "cursor");
    m.bigFont = pictureFrom(member(j, "bigFont", "manifest"), "bigFont");
    m.smallFont = pictureFrom(member(j, "smallFont", "manifest"), "smallFont");
    const json& ammo = member(j, "ammo", "manifest");
    m.ammo.image = pictureFrom(ammo, "ammo");
    m.ammo.preview = text(ammo, "preview", "ammo");
    m.ammo.colour = text(ammo, "colour", "ammo");
    const json& figures = member(j, "figures", "manifest");
    if (!figures.is_array()) fail("figures", "must be a list");
    for (std::size_t i = 0; i < figures.size(); ++i) {
        const std::string at = "figures[" + std::to_string(i) + "]";
        const json& fj = figures[i];
        FigureRef f;
        f.id = number(fj, "id", at);
        f.baseY = number(fj, "baseY", at);
        f.ySpread = number(fj, "ySpread", at);
        f.layer = number(fj, "layer", at);
        f.baseSpeed = number(fj, "baseSpeed", at);
        f.speedSpread = number(fj, "speedSpread", at);
        f.points = number(fj, "points", at);
        f.maxCount = number(fj, "maxCount", at);
        f.hitPoints = number(fj, "hitPoints", at);
        f.spawnChance = number(fj, "spawnChance", at);
        f.motionMode = number(fj, "motionMode", at);
        f.mirrored = flag(fj, "mirrored", at, false);
        f.sound = optionalText(fj, "sound", at);
        auto death = fj.find("death");
        if (death != fj.end() && !death->is_null()) f.death = animationFrom(*death, at + ".death");
        m.figures.push_back(std::move(f));
    }
    const json& looks = member(j, "looks", "manifest");
    if (!looks.is_array()) fail("looks", "must be a list");
    for (std::size_t i = 0; i < looks.size(); ++i) {
        const std::string at = "looks[" + std::to_string(i) + "]";
        LookRef look;
        look.id = number(looks[i], "id", at);
        look.animation = animationFrom(looks[i], at);
        m.looks.push_back(std::move(look));
    }
    return m;
}

}  // namespace datatools
