#include "text_face.h"

#include <stdexcept>

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace gen {
namespace {

// FreeType lives as long as the process: Cairo may keep faces in its caches
// until exit.
FT_Library freeType() {
    static FT_Library library = [] {
        FT_Library created = nullptr;
        if (FT_Init_FreeType(&created) != 0) throw std::runtime_error("FreeType does not start");
        return created;
    }();
    return library;
}

cairo_user_data_key_t faceKey;

void releaseFace(void* face) { FT_Done_Face(static_cast<FT_Face>(face)); }

}  // namespace

const char* fontPath(bool condensed) {
    return condensed ? "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf"
                     : "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
}

TextFace::TextFace(const std::string& path) : face_(nullptr) {
    FT_Face face = nullptr;
    if (FT_New_Face(freeType(), path.c_str(), 0, &face) != 0)
        throw std::runtime_error(path + ": font cannot be loaded");
    face_ = cairo_ft_font_face_create_for_ft_face(face, 0);
    // The FreeType face goes when Cairo drops its last reference.
    cairo_font_face_set_user_data(face_, &faceKey, face, releaseFace);
}

TextFace::~TextFace() { cairo_font_face_destroy(face_); }

void TextFace::use(cairo_t* cr, double size) const {
    cairo_set_font_face(cr, face_);
    cairo_set_font_size(cr, size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

}  // namespace gen
