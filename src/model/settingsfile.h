#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace zor {

// The program's settings: grid and screen outline of the level canvas, the level background
// colour and the tool folders. Stored in System/options.ini, fourteen lines.
struct Settings
{
    int gridX = 0;
    int gridY = 0;
    int gridWidth = 16;
    int gridHeight = 16;
    std::uint32_t gridColor = 0x808080;
    int screenWidth = 240;
    int screenHeight = 320;
    std::uint32_t bgColor = 0xFFFFFF;
    std::string jdkPath;
    std::string wtkPath;

    bool operator==(const Settings &) const = default;
};

std::filesystem::path settingsFile(const std::filesystem::path &programFolder);

// The settings a program folder starts with: the JDK that is found and the program folder's
// own toolkit folder "wtk".
Settings defaultSettings(const std::filesystem::path &programFolder);

struct LoadedSettings
{
    Settings settings;
    // One message per line that could not be read ("FILE:LINE: ..."); defaults stand in.
    std::vector<std::string> problems;
};

// Reads the settings file of a program folder; a missing file is created with the defaults.
LoadedSettings loadSettings(const std::filesystem::path &programFolder);

// Writes the settings file as the settings dialog does: lines 1 to 4 are written exactly as
// typed and must hold decimal numbers; nothing is written when one does not.
void writeSettings(const std::filesystem::path &file, const Settings &settings,
                   const std::array<std::string, 4> &gridTexts);
void writeSettings(const std::filesystem::path &file, const Settings &settings);

} // namespace zor
