#pragma once

#include <memory>
#include <string>

#include <cairo.h>

namespace gen {

// A font face loaded straight from a TrueType file through FreeType, so the
// lettering never depends on what fontconfig happens to pick.
class TextFace {
public:
    explicit TextFace(const std::string& path);
    ~TextFace();
    TextFace(const TextFace&) = delete;
    TextFace& operator=(const TextFace&) = delete;

    // Selects this face at the given pixel size, grey antialiasing, no hinting.
    void use(cairo_t* cr, double size) const;

private:
    cairo_font_face_t* face_;
};

const char* fontPath(bool condensed);

}  // namespace gen
