#include "output_folder.h"

#include <filesystem>

#include "jpeg_codec.h"
#include "ogg_codec.h"
#include "png_codec.h"

namespace gen {

OutputFolder::OutputFolder(std::string root) : root_(std::move(root)) {
    std::filesystem::create_directories(root_);
    // The manifest marks a complete folder: a run that fails leaves none.
    std::filesystem::remove(root_ + "/manifest.json");
}

std::string OutputFolder::jpeg(const std::string& name, const datatools::RgbImage& colour, int quality) {
    const std::string file = name + ".jpg";
    std::filesystem::create_directories(std::filesystem::path(root_ + "/" + file).parent_path());
    datatools::writeFile(root_ + "/" + file, datatools::encodeJpeg(colour, quality));
    return file;
}

std::string OutputFolder::rgbPng(const std::string& name, const datatools::RgbImage& colour) {
    const std::string file = name + ".png";
    std::filesystem::create_directories(std::filesystem::path(root_ + "/" + file).parent_path());
    datatools::writeFile(root_ + "/" + file, datatools::encodeRgbPng(colour));
    return file;
}

datatools::PictureRef OutputFolder::picture(const std::string& name, const datatools::RgbImage& colour,
                                            const datatools::Mask* mask, int quality) {
    datatools::PictureRef ref;
    ref.picture = jpeg(name, colour, quality);
    if (mask) {
        ref.mask = name + "_mask.png";
        datatools::writeFile(root_ + "/" + ref.mask, datatools::encodeMaskPng(*mask));
    }
    return ref;
}

datatools::PictureRef OutputFolder::picture(const std::string& name, const Canvas& canvas, const Colour& matte,
                                            bool masked, int quality) {
    const datatools::Mask mask = canvas.mask();
    return picture(name, canvas.picture(matte), masked ? &mask : nullptr, quality);
}

std::string OutputFolder::sound(const std::string& name, const std::vector<float>& samples) {
    const std::string file = name + ".ogg";
    std::filesystem::create_directories(std::filesystem::path(root_ + "/" + file).parent_path());
    datatools::writeFile(root_ + "/" + file, datatools::encodeOgg(samples, nextSerial_++));
    return file;
}

void OutputFolder::writeManifest(const datatools::GalleryManifest& manifest) {
    const std::string text = datatools::manifestToJson(manifest);
    datatools::writeFile(root_ + "/manifest.json", datatools::Bytes(text.begin(), text.end()));
}

}  // namespace gen
