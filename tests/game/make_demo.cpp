// Writes the demo's pictures, the title screen's logo and the demo project into a data
// folder: make_demo DATA_FOLDER (the repository's data/).
#include "demoproject.h"
#include "pixelart.h"

#include "base/error.h"
#include "base/pngfile.h"
#include "model/projectfile.h"

#include <iostream>

namespace fs = std::filesystem;
using namespace zor;

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_demo DATA_FOLDER\n";
        return 2;
    }
    try {
        const fs::path data = argv[1];
        for (const auto &[name, picture] : game::art::samplePictures())
            writePng(data / "images" / (name + ".png"), picture);
        PngOptions transparent;
        transparent.transparentColour = game::art::keyColour();
        writePng(data / "System" / "draft" / "logo.png", game::art::logo(), transparent);
        saveProject(*game::demoProject(), data / "projects" / "demo.zor");
    } catch (const Error &error) {
        std::cerr << "make_demo: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
