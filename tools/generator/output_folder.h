#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"
#include "gallery_manifest.h"

namespace gen {

// The generator's output: a gallery folder with pictures, sounds and the
// manifest that names them.
class OutputFolder {
public:
    explicit OutputFolder(std::string root);

    // Writes name.jpg and, unless opaque, name.png (the mask).
    datatools::PictureRef picture(const std::string& name, const datatools::RgbImage& colour,
                                  const datatools::Mask* mask, int quality = 90);
    datatools::PictureRef picture(const std::string& name, const Canvas& canvas, const Colour& matte,
                                  bool masked = true, int quality = 90);
    std::string jpeg(const std::string& name, const datatools::RgbImage& colour, int quality = 90);
    std::string rgbPng(const std::string& name, const datatools::RgbImage& colour);
    // Encodes the samples as name.ogg with its own fixed stream serial.
    std::string sound(const std::string& name, const std::vector<float>& samples);

    void writeManifest(const datatools::GalleryManifest& manifest);

private:
    std::string root_;
    std::uint32_t nextSerial_ = 0x53480001u;
};

}  // namespace gen
