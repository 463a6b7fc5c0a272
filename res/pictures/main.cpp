// Generates the launcher's pictures and icon:  make_pictures <outdir>

#include "app_icon.h"
#include "dib_files.h"
#include "dusk_scene.h"
#include "quantize.h"
#include "title_logo.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct TitleVariant {
    const char* file_name;
    const char* subtitle;  // Windows-1252
};

const TitleVariant kTitleVariants[] = {
    {"title_en.bmp", "Demo"},  // English and Italian share this one
    {"title_es.bmp", "Demostraci\xF3n"},
    {"title_fr.bmp", "D\xE9mo"},
    {"title_de.bmp", "Demoversion"},
    {"title_nl.bmp", "Demoversie"},
};

void write_pictures(const std::string& dir) {
    const RgbImage background = paint_dusk_scene();
    std::vector<RgbImage> titles;
    for (const TitleVariant& variant : kTitleVariants) {
        titles.push_back(background);
        paint_title(titles.back(), variant.subtitle);
    }

    // One palette for all of them: the dialog swaps between these pictures.
    std::vector<const RgbImage*> all{&background};
    for (const RgbImage& title : titles) all.push_back(&title);
    const Palette palette = build_palette(all, 256);

    write_bmp(dir + "/background.bmp", map_to_palette(background, palette));
    for (std::size_t i = 0; i < titles.size(); ++i)
        write_bmp(dir + "/" + kTitleVariants[i].file_name, map_to_palette(titles[i], palette));
}

void write_icon(const std::string& dir) {
    const IconArt art = paint_app_icon();
    // Index 0 stays pure black: masked-out pixels must be black in the
    // colour bitmap or they tint whatever is behind the icon.
    Palette palette = build_palette({&art.image}, 255);
    palette.insert(palette.begin(), Rgb8{0, 0, 0});
    IndexedImage icon = map_to_palette(art.image, palette);
    for (std::size_t i = 0; i < icon.indices.size(); ++i) {
        if (art.transparent[i]) icon.indices[i] = 0;
    }
    write_ico(dir + "/app.ico", icon, art.transparent);
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
        write_pictures(dir);
        write_icon(dir);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_pictures: %s\n", e.what());
        return 1;
    }
    return 0;
}
