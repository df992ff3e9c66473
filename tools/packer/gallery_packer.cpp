#include "gallery_packer.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include <sys/stat.h>

#include "gallery_manifest.h"
#include "jpeg_codec.h"
#include "ogg_codec.h"
#include "png_codec.h"
#include "record_file.h"

namespace datatools {
namespace {

constexpr int kMaxFrameSide = 1023;  // the timing word keeps hotspots in 10 bits
constexpr std::size_t kSettingsNameBytes = 31;

struct Size {
    int width = 0;
    int height = 0;
};

std::string sizeText(int w, int h) { return std::to_string(w) + "x" + std::to_string(h); }

class GalleryReader {
public:
    explicit GalleryReader(std::string folder) : folder_(std::move(folder)) {}

    Bytes file(const std::string& name) const {
        if (name.find("..") != std::string::npos || (!name.empty() && name[0] == '/'))
            throw PackError(name + ": file names must stay inside the gallery folder");
        try {
            return readFile(folder_ + "/" + name);
        } catch (const std::exception&) {
            throw PackError(name + ": file is missing or cannot be read");
        }
    }

    // Reads a picture and its mask, checks that both decode and agree in size.
    std::pair<Bytes, Bytes> picture(const PictureRef& ref, Size* size, const std::string& role) const {
        Bytes jpeg = file(ref.picture);
        RgbImage decoded;
        try {
            decoded = decodeJpeg(jpeg);
        } catch (const std::exception& e) {
            throw PackError(ref.picture + ": " + e.what() + " (" + role + ")");
        }
        Bytes png;
        if (!ref.mask.empty()) {
            png = file(ref.mask);
            Mask mask;
            try {
                mask = maskFromPng(decodePng(png));
            } catch (const std::exception& e) {
                throw PackError(ref.mask + ": " + e.what() + " (" + role + ")");
            }
            if (mask.width != decoded.width || mask.height != decoded.height)
                throw PackError(ref.mask + ": mask is " + sizeText(mask.width, mask.height) + " but its picture " +
                                ref.picture + " is " + sizeText(decoded.width, decoded.height) + " (" + role + ")");
        }
        size->width = decoded.width;
        size->height = decoded.height;
        return {std::move(jpeg), std::move(png)};
    }

    void addImage(RecordWriter& out, const PictureRef& ref, Size* size, const std::string& role) const {
        auto [jpeg, png] = picture(ref, size, role);
        out.add("JP", jpeg);
        out.add("PG", png);
    }

    void addFixedImage(RecordWriter& out, const PictureRef& ref, int width, int height, const std::string& role) const {
        Size size;
        auto [jpeg, png] = picture(ref, &size, role);
        if (size.width != width || size.height != height)
            throw PackError(ref.picture + ": " + role + " must be " + sizeText(width, height) + ", is " +
                            sizeText(size.width, size.height));
        out.add("JP", jpeg);
        out.add("PG", png);
    }

    Bytes sound(const std::string& name, const std::string& role) const {
        Bytes ogg = file(name);
        try {
            const DecodedOgg decoded = decodeOgg(ogg);
            if (decoded.samples.empty()) throw std::runtime_error("stream holds no samples");
        } catch (const std::exception& e) {
            throw PackError(name + ": Ogg Vorbis sound does not decode: " + e.what() + " (" + role + ")");
        }
        return ogg;
    }

private:
    std::string folder_;
};

void require(bool condition, const std::string& where, const std::string& what) {
    if (!condition) throw PackError(where + ": " + what);
}

Bytes settingsRecord(const Settings& s) {
    require(s.width > 0 && s.height > 0, "manifest.json settings", "width and height must be positive");
    require(s.roundMinutes >= 0 && s.roundSeconds >= 0 && s.roundMinutes * 60 + s.roundSeconds > 0,
            "manifest.json settings", "a round needs some time");
    require(s.magazineSize >= 1 && s.magazineSize <= 99, "manifest.json settings", "magazineSize must be 1..99");
    // One byte stays zero so the stored name always ends inside its field.
    require(s.highscoreName.size() < kSettingsNameBytes, "manifest.json settings",
            "highscoreName may have at most 30 characters");
    Bytes out;
    appendU32(out, static_cast<std::uint32_t>(s.width));
    appendU32(out, static_cast<std::uint32_t>(s.height));
    appendU32(out, static_cast<std::uint32_t>(s.roundMinutes));
    appendU32(out, static_cast<std::uint32_t>(s.roundSeconds));
    appendU32(out, static_cast<std::uint32_t>(s.magazineSize));
    return out;
}

Bytes stuffFile(const GalleryManifest& m, const GalleryReader& gallery) {
    RecordWriter out;
    out.add("S1", gallery.sound(m.missSound, "sounds.miss"));
    out.add("S2", gallery.sound(m.emptySound, "sounds.empty"));
    out.add("S3", gallery.sound(m.reloadSound, "sounds.reload"));
    out.add("S4", gallery.sound(m.music, "sounds.music"));
    Bytes settings = settingsRecord(m.settings);
    settings.push_back(m.title ? 1 : 0);
    settings.push_back(m.highscore ? 1 : 0);
    settings.push_back(m.end ? 1 : 0);
    settings.push_back(m.settings.startFullscreen ? 1 : 0);
    Bytes name(kSettingsNameBytes, 0);
    std::copy(m.settings.highscoreName.begin(), m.settings.highscoreName.end(), name.begin());
    settings.insert(settings.end(), name.begin(), name.end());
    out.add("SS", settings);
    const std::pair<const char*, const std::optional<PictureRef>*> screens[] = {
        {"ST", &m.title}, {"SH", &m.highscore}, {"SE", &m.end}};
    for (const auto& [tag, screen] : screens) {
        if (!*screen) continue;
        Size size;
        out.addEmpty(tag);
        gallery.addImage(out, **screen, &size, std::string("screen picture ") + tag);
        require(size.width >= m.settings.width && size.height >= m.settings.height, (*screen)->picture,
                "screen picture is " + sizeText(size.width, size.height) + ", smaller than the " +
                    sizeText(m.settings.width, m.settings.height) + " picture of the game");
    }
    return out.bytes();
}

Bytes backgroundFile(const GalleryManifest& m, const GalleryReader& gallery) {
    require(!m.background.empty(), "manifest.json background", "needs at least one layer");
    RecordWriter out;
    out.addU32("PI", static_cast<std::uint32_t>(m.background.size()));
    int widest = 0;
    for (std::size_t i = 0; i < m.background.size(); ++i) {
        Size size;
        const PictureRef& layer = m.background[i];
        gallery.addImage(out, layer, &size, "background layer " + std::to_string(i));
        require(size.width >= m.settings.width, layer.picture,
                "layer is " + std::to_string(size.width) + " wide, narrower than the view (" +
                    std::to_string(m.settings.width) + ")");
        require(size.height == m.settings.height, layer.picture,
                "layer is " + std::to_string(size.height) + " high, must be " + std::to_string(m.settings.height));
        widest = std::max(widest, size.width);
    }
    // The parallax factors divide by how much wider than the view the widest layer is.
    require(widest > m.settings.width, "manifest.json background",
            "the widest layer must be wider than the view, or nothing can scroll");
    require(m.background[0].mask.empty(), m.background[0].picture,
            "the farthest layer is the sky and must be opaque (no mask)");
    return out.bytes();
}

void addAnimation(RecordWriter& out, const AnimationRef& animation, const GalleryReader& gallery,
                  const std::string& where) {
    require(!animation.frames.empty(), "manifest.json " + where, "an animation needs at least one frame");
    RecordWriter images;
    Bytes timings;
    for (std::size_t i = 0; i < animation.frames.size(); ++i) {
        const FrameRef& frame = animation.frames[i];
        const std::string at = where + " frame " + std::to_string(i);
        Size size;
        gallery.addImage(images, frame.image, &size, at);
        require(size.width <= kMaxFrameSide && size.height <= kMaxFrameSide, frame.image.picture,
                "frame is " + sizeText(size.width, size.height) + ", at most 1023x1023 fits");
        require(frame.duration >= 1 && frame.duration <= 4095, "manifest.json " + at,
                "duration must be 1..4095 milliseconds");
        std::uint32_t word = static_cast<std::uint32_t>(frame.duration);
        if (frame.hotspotX && frame.hotspotY) {
            const int hx = *frame.hotspotX, hy = *frame.hotspotY;
            require(hx >= 0 && hy >= 0 && hx <= size.width && hy <= size.height, "manifest.json " + at,
                    "hotspot lies outside the frame");
            word |= static_cast<std::uint32_t>(hy) << 12 | static_cast<std::uint32_t>(hx) << 22;
        }
        appendU32(timings, word);
    }
    out.addU32("FC", static_cast<std::uint32_t>(animation.frames.size()));
    out.add("TI", timings);
    out.addRaw(images.bytes());
}

Bytes figureFile(const GalleryManifest& m, const GalleryReader& gallery) {
    require(!m.figures.empty(), "manifest.json figures", "needs at least one figure type");
    RecordWriter out;
    out.addU32("F1", static_cast<std::uint32_t>(m.figures.size()));
    std::set<int> lookIds;
    for (std::size_t i = 0; i < m.looks.size(); ++i) {
        const std::string at = "manifest.json looks[" + std::to_string(i) + "]";
        require(m.looks[i].id >= 0, at, "id must not be negative");
        require(lookIds.insert(m.looks[i].id).second, at, "id " + std::to_string(m.looks[i].id) + " is used twice");
    }
    std::set<int> typeIds;
    for (std::size_t i = 0; i < m.figures.size(); ++i) {
        const FigureRef& f = m.figures[i];
        const std::string at = "figures[" + std::to_string(i) + "]";
        const std::string where = "manifest.json " + at;
        require(f.id >= 0, where, "id must not be negative");
        require(lookIds.count(f.id) == 1, where, "id " + std::to_string(f.id) + " has no look (unknown figure id)");
        typeIds.insert(f.id);
        require(f.layer >= 0 && f.layer <= 5, where, "layer must be 0..5");
        require(f.motionMode >= 0 && f.motionMode <= 3, where, "motionMode must be 0..3");
        require(f.hitPoints >= 1, where, "hitPoints must be at least 1");
        require(f.maxCount >= 0, where, "maxCount must not be negative");
        require(f.spawnChance >= 0 && f.spawnChance <= 100, where, "spawnChance must be 0..100");
        require(f.baseSpeed >= 0 && f.speedSpread >= 0 && f.ySpread >= 0, where,
                "speeds and spreads must not be negative");
        out.add("SD", f.sound.empty() ? Bytes() : gallery.sound(f.sound, at + ".sound"));
        if (f.death) {
            Bytes ex;
            appendU32(ex, static_cast<std::uint32_t>(i));
            ex.push_back(1);
            out.add("EX", ex);
            addAnimation(out, *f.death, gallery, at + ".death");
        }
        Bytes params;
        for (int value : {f.id, f.baseY, f.ySpread, f.layer, f.baseSpeed, f.speedSpread, f.points, f.maxCount,
                          f.hitPoints, f.spawnChance, f.motionMode})
            appendU32(params, static_cast<std::uint32_t>(value));
        params.push_back(f.mirrored ? 1 : 0);
        out.add("F3", params);
    }
    for (std::size_t i = 0; i < m.looks.size(); ++i)
        require(typeIds.count(m.looks[i].id) == 1, "manifest.json looks[" + std::to_string(i) + "]",
                "id " + std::to_string(m.looks[i].id) + " belongs to no figure type");
    out.addU32("F4", static_cast<std::uint32_t>(m.looks.size()));
    for (std::size_t i = 0; i < m.looks.size(); ++i) {
        addAnimation(out, m.looks[i].animation, gallery, "looks[" + std::to_string(i) + "]");
        out.addU32("F6", static_cast<std::uint32_t>(m.looks[i].id));
    }
    return out.bytes();
}

Bytes ammoFile(const GalleryManifest& m, const GalleryReader& gallery) {
    RecordWriter out;
    out.addU32("FC", 1);
    Bytes preview = gallery.file(m.ammo.preview);
    try {
        const RgbImage image = decodeJpeg(preview);
        require(image.width == 94 && image.height == 94, m.ammo.preview,
                "ammunition preview must be 94x94, is " + sizeText(image.width, image.height));
    } catch (const PackError&) {
        throw;
    } catch (const std::exception& e) {
        throw PackError(m.ammo.preview + ": " + e.what());
    }
    out.add("TN", preview);
    Bytes header;
    appendU16(header, 10);
    appendU32(header, 25);
    appendU32(header, 25);
    for (int i = 0; i < 4; ++i) appendU32(header, 0);
    out.add("MP", header);
    gallery.addFixedImage(out, m.ammo.image, 25, 25, "ammunition picture");
    Bytes colour = gallery.file(m.ammo.colour);
    try {
        const DecodedPng png = decodePng(colour);
        require(png.width == 25 && png.height == 25 && png.channels == 3 && png.bitDepth == 8, m.ammo.colour,
                "must be a 25x25 8-bit RGB PNG");
    } catch (const PackError&) {
        throw;
    } catch (const std::exception& e) {
        throw PackError(m.ammo.colour + ": " + e.what());
    }
    out.add("OR", colour);
    return out.bytes();
}

Bytes singleImage(const PictureRef& ref, int width, int height, const GalleryReader& gallery, const std::string& role) {
    RecordWriter out;
    gallery.addFixedImage(out, ref, width, height, role);
    return out.bytes();
}

}  // namespace

DataFiles packGallery(const std::string& folder) {
    GalleryReader gallery(folder);
    GalleryManifest manifest;
    const Bytes text = gallery.file("manifest.json");
    try {
        manifest = manifestFromJson(std::string(text.begin(), text.end()));
    } catch (const std::exception& e) {
        throw PackError(std::string("manifest.json: ") + e.what());
    }
    DataFiles files;
    files.emplace_back("stuff.x", stuffFile(manifest, gallery));
    files.emplace_back("back.nb", backgroundFile(manifest, gallery));
    files.emplace_back("figur.xx", figureFile(manifest, gallery));
    files.emplace_back("cur.nl", singleImage(manifest.cursor, 30, 30, gallery, "crosshair"));
    files.emplace_back("font.nl", singleImage(manifest.bigFont, 327, 236, gallery, "big glyph sheet"));
    files.emplace_back("fonts.nl", singleImage(manifest.smallFont, 208, 130, gallery, "small glyph sheet"));
    files.emplace_back("muni.nl", ammoFile(manifest, gallery));
    return files;
}

void writePlayable(const std::string& gameBinary, const Bytes& archive, const std::string& output) {
    Bytes playable = readFile(gameBinary);
    playable.insert(playable.end(), archive.begin(), archive.end());
    const std::string temporary = output + ".partial";
    writeFile(temporary, playable);
    if (chmod(temporary.c_str(), 0755) != 0 || std::rename(temporary.c_str(), output.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw std::runtime_error(output + ": cannot be written");
    }
}

}  // namespace datatools
