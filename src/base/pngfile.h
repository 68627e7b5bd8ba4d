#pragma once

#include "picture.h"

#include <filesystem>
#include <optional>
#include <string>

namespace zor {

// Reads any 8- or 16-bit PNG (RGB, RGBA, palette, grey). Pixels with alpha are laid over
// magenta, the usual key colour for transparency, so that a transparent background stays one
// colour.
Picture readPng(const std::filesystem::path &path);

struct PngOptions
{
    std::optional<std::uint32_t> transparentColour; // written as a tRNS chunk
    int compressionLevel = 6;                       // zlib level 0..9
};

// Encodes an RGB PNG.
std::string encodePng(const Picture &picture, const PngOptions &options = {});
// Writes an RGB PNG; the file is replaced atomically.
void writePng(const std::filesystem::path &path, const Picture &picture,
              const PngOptions &options = {});

} // namespace zor
