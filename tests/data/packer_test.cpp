// The packer on broken copies of the generated gallery: each problem is
// refused with a message that names the file and what is wrong.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include <minizip/unzip.h>

#include "gallery_packer.h"
#include "png_codec.h"

using namespace datatools;
namespace fs = std::filesystem;

namespace {

std::string readText(const fs::path& path) {
    const Bytes b = readFile(path.string());
    return std::string(b.begin(), b.end());
}

void writeText(const fs::path& path, const std::string& text) { writeFile(path.string(), Bytes(text.begin(), text.end())); }

void replaceInManifest(const fs::path& folder, const std::string& from, const std::string& to) {
    std::string text = readText(folder / "manifest.json");
    const auto at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
    writeText(folder / "manifest.json", text);
}

class PackerTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::path(SHOOTER_TEST_SCRATCH) / ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(folder_);
        fs::create_directories(folder_.parent_path());
        fs::copy(SHOOTER_GALLERY, folder_, fs::copy_options::recursive);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Packs the folder and returns the refusal, or "" when it packed.
    std::string refusal() {
        try {
            packGallery(folder_.string());
        } catch (const PackError& e) {
            return e.what();
        }
        return "";
    }

    fs::path folder_;
};

}  // namespace

TEST_F(PackerTest, GeneratedGalleryPacksIntoSevenFilesInLoadingOrder) {
    const DataFiles files = packGallery(folder_.string());
    std::vector<std::string> names;
    for (const auto& [name, data] : files) names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::string>{"stuff.x", "back.nb", "figur.xx", "cur.nl", "font.nl", "fonts.nl", "muni.nl"}));

    // Appended behind an arbitrary "binary", the archive is still found.
    const fs::path game = folder_ / "game.bin", playable = folder_ / "playable";
    writeFile(game.string(), Bytes(4096, 0x7F));
    writePlayable(game.string(), zipDataFiles(files, (folder_ / "scratch.zip").string()), playable.string());
    EXPECT_EQ(readFile(playable.string()).size() > 4096, true);
    unzFile zip = unzOpen64(playable.string().c_str());
    ASSERT_NE(zip, nullptr);
    EXPECT_EQ(unzLocateFile(zip, "FIGUR.XX", 2), UNZ_OK) << "found without regard to case";
    unzClose(zip);
    EXPECT_TRUE((fs::status(playable).permissions() & fs::perms::owner_exec) != fs::perms::none);
}

TEST_F(PackerTest, RefusesBrokenFoldersNamingFileAndProblem) {
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> breakIt;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"missing picture", [](const fs::path& f) { fs::remove(f / "figures/type03_look07.jpg"); },
         {"figures/type03_look07.jpg", "missing"}},
        {"mask of the wrong size",
         [](const fs::path& f) {
             Mask small{10, 12, Bytes(120, 0)};
             writeFile((f / "figures/type07_look01_mask.png").string(), encodeMaskPng(small));
         },
         {"figures/type07_look01_mask.png", "mask is 10x12", "figures/type07_look01.jpg"}},
        {"unknown figure id", [](const fs::path& f) { replaceInManifest(f, "\"id\": 17", "\"id\": 99"); },
         {"figures[10]", "id 99", "unknown figure id"}},
        {"Ogg that does not decode",
         [](const fs::path& f) {
             const std::string junk = std::string("OggS", 4) + std::string(200, '\0');
             writeText(f / "sounds/type05.ogg", junk);
         },
         {"sounds/type05.ogg", "does not decode"}},
        {"picture that is not a JPEG", [](const fs::path& f) { writeText(f / "background/layer2.jpg", "hello"); },
         {"background/layer2.jpg", "not a readable JPEG"}},
        {"glyph sheet of the wrong size",
         [](const fs::path& f) {
             fs::copy_file(f / "hud/crosshair.jpg", f / "fonts/big.jpg", fs::copy_options::overwrite_existing);
             fs::copy_file(f / "hud/crosshair_mask.png", f / "fonts/big_mask.png", fs::copy_options::overwrite_existing);
         },
         {"fonts/big.jpg", "327x236"}},
        {"look without frames", [](const fs::path& f) {
             std::string text = readText(f / "manifest.json");
             const auto looks = text.find("\"looks\"");
             const auto frames = text.find("\"frames\": [", looks);
             const auto close = text.find("\"id\"", frames);
             text.replace(frames, close - frames, "\"frames\": [],\n   ");
             writeText(f / "manifest.json", text);
         },
         {"looks[0]", "at least one frame"}},
        {"highscore name too long",
         [](const fs::path& f) { replaceInManifest(f, "\"Shooter\"", "\"" + std::string(31, 'x') + "\""); },
         {"highscoreName", "30 characters"}},
        {"manifest that is not JSON", [](const fs::path& f) { writeText(f / "manifest.json", "{ nope"); },
         {"manifest.json", "not valid JSON"}},
    };
    const fs::path pristine = folder_.string() + "-pristine";
    fs::remove_all(pristine);
    fs::rename(folder_, pristine);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(folder_);
        fs::copy(pristine, folder_, fs::copy_options::recursive);
        c.breakIt(folder_);
        const std::string message = refusal();
        ASSERT_FALSE(message.empty()) << "the packer accepted it";
        for (const std::string& part : c.expected) EXPECT_NE(message.find(part), std::string::npos) << message;
    }
    fs::remove_all(pristine);
}
