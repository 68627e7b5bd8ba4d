#pragma once

#include "base/picture.h"
#include "base/pngfile.h"
#include "model/project.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zor {

// One file the conversion writes, its path relative to the program folder.
struct OutputFile
{
    std::filesystem::path path;
    std::string bytes;
    // Bytes that follow `bytes`, held once for the files that end alike (every level class
    // ends with the event code of the whole project); may be null.
    std::shared_ptr<const std::string> sharedEnd;
    // The game's fixed files are copied only when the target does not exist yet.
    bool onlyWhenMissing = false;

    std::string content() const { return sharedEnd ? bytes + *sharedEnd : bytes; }
};

// Every text file of the conversion, made in memory from the project and the templates under
// the program folder's System folder: per level its map files, its intermediate class in
// System/draft and its class in System/src; the MIDlet class, the manifest (UTF-8) and the
// game's fixed files. Nothing is written; a missing template or a placement that names a
// missing definition stops with a message.
std::vector<OutputFile> generateTexts(const Project &project,
                                      const std::filesystem::path &programFolder);

// One picture of System/res: a definition's sprite sheet or tile set, and the colour that
// the PNG marks as transparent.
struct PictureFile
{
    std::filesystem::path path;
    const Picture *picture = nullptr;
    std::optional<std::uint32_t> transparentColour;
};

// The pictures to export (none without levels). Definitions whose pictures share a file name
// leave the last one's picture, background objects after active ones. A definition without a
// picture stops with a message.
std::vector<PictureFile> projectPictures(const Project &project);

// How a picture is encoded: RGB, its transparent colour as a tRNS chunk, fast to compress.
PngOptions pngOptions(const PictureFile &file);

// Writes the pictures as PNG files.
void exportPictures(const std::vector<PictureFile> &pictures,
                    const std::filesystem::path &programFolder);

// The whole conversion into the program folder: everything is made and checked first; then
// the generated files of System/src, System/res and System/bin are deleted, the pictures, maps,
// classes, MIDlet class and manifest written (each file replaced atomically), the fixed files
// copied when missing, and the sounds of the project folder's "res" copied into System/res.
void convertProject(const Project &project, const std::filesystem::path &programFolder);

} // namespace zor
