// Generates the launcher's pictures and icon:  make_pictures <outdir>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "res/pictures/app_icon.h"
#include "res/pictures/dib_files.h"
#include "res/pictures/dusk_scene.h"
#include "res/pictures/quantize.h"
#include "res/pictures/title_logo.h"

namespace {

struct TitleVariant {
    const char* fileName;
    const char* subtitle;  // Windows-1252
};

const TitleVariant kTitleVariants[] = {
    {"title_en.bmp", "Demo"},  // English and Italian share this one
    {"title_es.bmp", "Demostraci\xF3n"},
    {"title_fr.bmp", "D\xE9mo"},
    {"title_de.bmp", "Demoversion"},
    {"title_nl.bmp", "Demoversie"},
};

void WritePictures(const std::string& dir) {
    const RgbImage background = PaintDuskScene();
    std::vector<RgbImage> titles;
    for (const TitleVariant& variant : kTitleVariants) {
        titles.push_back(background);
        PaintTitle(titles.back(), variant.subtitle);
    }

    // One palette for all of them: the dialog swaps between these pictures.
    std::vector<const RgbImage*> all{&background};
    for (const RgbImage& title : titles) all.push_back(&title);
    const Palette palette = BuildPalette(all, 256);

    WriteBmp(dir + "/background.bmp", MapToPalette(background, palette));
    for (std::size_t i = 0; i < titles.size(); ++i)
        WriteBmp(dir + "/" + kTitleVariants[i].fileName, MapToPalette(titles[i], palette));
}

void WriteIcon(const std::string& dir) {
    const IconArt art = PaintAppIcon();
    // Index 0 stays pure black: masked-out pixels must be black in the
    // colour bitmap or they tint whatever is behind the icon.
    Palette palette = BuildPalette({&art.image}, 255);
    palette.insert(palette.begin(), Rgb8{0, 0, 0});
    IndexedImage icon = MapToPalette(art.image, palette);
    for (std::size_t i = 0; i < icon.indices.size(); ++i) {
        if (art.transparent[i]) icon.indices[i] = 0;
    }
    WriteIco(dir + "/app.ico", icon, art.transparent);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures <outdir>\n");
        return 2;
    }
    try {
        const std::string dir = argv[1];
        std::filesystem::create_directories(dir);
        WritePictures(dir);
        WriteIcon(dir);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_pictures: %s\n", e.what());
        return 1;
    }
    return 0;
}
