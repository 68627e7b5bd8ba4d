#include "settingsfile.h"

#include "base/error.h"
#include "base/linefile.h"
#include "base/numbers.h"
#include "base/picture.h"
#include "base/rounding.h"

#include <cstdlib>

namespace fs = std::filesystem;

namespace zor {
namespace {

fs::path findJdk()
{
    const fs::path preferred = "/usr/lib/jvm/default-java";
    if (fs::exists(preferred / "bin" / "jar"))
        return preferred;
    if (const char *home = std::getenv("JAVA_HOME");
        home && fs::exists(fs::path(home) / "bin" / "jar"))
        return home;
    std::error_code error;
    for (const fs::directory_entry &entry : fs::directory_iterator("/usr/lib/jvm", error)) {
        if (fs::exists(entry.path() / "bin" / "jar"))
            return entry.path();
    }
    return preferred;
}

} // namespace

fs::path settingsFile(const fs::path &programFolder)
{
    return programFolder / "System" / "options.ini";
}

Settings defaultSettings(const fs::path &programFolder)
{
    Settings settings;
    settings.jdkPath = findJdk().string();
    settings.wtkPath = (fs::absolute(programFolder) / "wtk").lexically_normal().string();
    return settings;
}

LoadedSettings loadSettings(const fs::path &programFolder)
{
    LoadedSettings loaded{defaultSettings(programFolder), {}};
    const fs::path file = settingsFile(programFolder);
    if (!fs::exists(file)) {
        fs::create_directories(file.parent_path());
        writeSettings(file, loaded.settings);
        return loaded;
    }

    LineReader in(file);
    Settings &s = loaded.settings;
    auto number = [&](const char *what, int &value) {
        if (in.atEnd()) {
            loaded.problems.push_back(file.string() + ":" + std::to_string(in.lineNumber() + 1) +
                                      ": the file ends early; expected " + what);
            return;
        }
        try {
            value = rnd(in.nextDecimal(what));
        } catch (const Error &error) {
            loaded.problems.push_back(error.where());
        }
    };
    auto colour = [&](const char *red, const char *green, const char *blue, std::uint32_t &value) {
        int r = redOf(value), g = greenOf(value), b = blueOf(value);
        number(red, r);
        number(green, g);
        number(blue, b);
        value = makeColour(r, g, b);
    };
    auto text = [&](std::string &value) {
        if (!in.atEnd())
            value = in.nextText("a folder");
    };
    number("the grid origin X", s.gridX);
    number("the grid origin Y", s.gridY);
    number("the grid cell width", s.gridWidth);
    number("the grid cell height", s.gridHeight);
    colour("the grid colour's red", "the grid colour's green", "the grid colour's blue",
           s.gridColor);
    number("the screen width", s.screenWidth);
    number("the screen height", s.screenHeight);
    colour("the background colour's red", "the background colour's green",
           "the background colour's blue", s.bgColor);
    text(s.jdkPath);
    text(s.wtkPath);
    return loaded;
}

void writeSettings(const fs::path &file, const Settings &s,
                   const std::array<std::string, 4> &gridTexts)
{
    static const char *const fieldNames[4] = {"X", "Y", "Ширина", "Высота"};
    for (size_t i = 0; i < gridTexts.size(); ++i) {
        double ignored = 0;
        if (!parseDecimal(gridTexts[i], ignored))
            throw Error(std::string("the grid field \"") + fieldNames[i] +
                        "\" must hold a number, not \"" + gridTexts[i] + "\"");
    }
    LineWriter out(file);
    for (const std::string &text : gridTexts)
        out.writeText(text);
    out.writeInt(redOf(s.gridColor));
    out.writeInt(greenOf(s.gridColor));
    out.writeInt(blueOf(s.gridColor));
    out.writeInt(s.screenWidth);
    out.writeInt(s.screenHeight);
    out.writeInt(redOf(s.bgColor));
    out.writeInt(greenOf(s.bgColor));
    out.writeInt(blueOf(s.bgColor));
    out.writeText(s.jdkPath);
    out.writeText(s.wtkPath);
    out.commit();
}

void writeSettings(const fs::path &file, const Settings &s)
{
    writeSettings(file, s,
                  {std::to_string(s.gridX), std::to_string(s.gridY), std::to_string(s.gridWidth),
                   std::to_string(s.gridHeight)});
}

} // namespace zor
