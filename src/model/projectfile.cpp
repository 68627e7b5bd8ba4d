#include "projectfile.h"

#include "base/error.h"
#include "base/linefile.h"
#include "base/rounding.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace zor {
namespace {

// Pictures larger than this are refused rather than allocated from a damaged file.
constexpr long long maxPicturePixels = 64LL * 1024 * 1024;

void writePicture(LineWriter &out, const Picture &picture, int width, int height)
{
    for (int x = 0; x <= width; ++x) {
        for (int y = 0; y <= height; ++y) {
            // Pixels outside the picture, the extra column and row among them, read as -1.
            out.writeInt(picture.contains(x, y) ? std::int32_t(picture.pixel(x, y)) : -1);
        }
    }
}

void writeProperties(LineWriter &out, const Table<std::string, 1, 10> &names,
                     const Table<std::string, 1, 10> &values)
{
    for (int k = 1; k <= propertyCount; ++k) {
        out.writeText(names[k]);
        out.writeText(values[k]);
    }
}

void writeActionList(LineWriter &out, int count, const ActionTexts &texts, const ActionTexts &codes)
{
    out.writeInt(count);
    for (int k = 1; k <= count; ++k) {
        out.writeText(texts[k]);
        out.writeText(codes[k]);
    }
}

void checkCount(const char *what, int count, int capacity)
{
    if (count < 0 || count > capacity)
        throw Error(std::string("cannot save: ") + what + " is " + std::to_string(count) +
                    ", outside 0.." + std::to_string(capacity));
}

void checkProject(const Project &p)
{
    checkCount("the number of background objects", p.fonCount, maxDefinitions);
    checkCount("the number of active objects", p.activeCount, maxDefinitions);
    checkCount("the number of text objects", p.textCount, maxActionObjects);
    checkCount("the number of events", p.eventCount, maxEvents);
    checkCount("the number of levels", p.levelCount, maxLevels);
    for (int i = 1; i <= p.fonCount; ++i) {
        checkCount("a map's width in cells", p.fonObjects[i].mapCols, maxMapSize);
        checkCount("a map's height in cells", p.fonObjects[i].mapRows, maxMapSize);
    }
}

} // namespace

void saveProject(const Project &p, const std::filesystem::path &file)
{
    checkProject(p);
    LineWriter out(file);

    out.writeInt(p.fonCount);
    for (int i = 1; i <= p.fonCount; ++i) {
        const Tfon1 &f = p.fonObjects[i];
        out.writeText(f.name);
        out.writeInt(f.fonKind);
        out.writeInt(f.tileCols);
        out.writeInt(f.tileRows);
        out.writeInt(f.mapCols);
        out.writeInt(f.mapRows);
        for (int row = 1; row <= f.mapRows; ++row) {
            for (int column = 1; column <= f.mapCols; ++column)
                out.writeInt(f.cells[row][column]);
        }
        out.writeInt(f.fonKind);
        out.writeInt(f.mapWidth);
        out.writeInt(f.mapHeight);
        writePicture(out, f.mapPicture, f.mapWidth, f.mapHeight);
        out.writeInt(f.tilesWidth);
        out.writeInt(f.tilesHeight);
        writePicture(out, f.tilesPicture, f.tilesWidth, f.tilesHeight);
        out.writeInt(f.transparent);
        out.writeInt(f.layer);
        writeProperties(out, f.propNames, f.propValues);
    }

    out.writeInt(p.activeCount);
    for (int i = 1; i <= p.activeCount; ++i) {
        const Tactive1 &a = p.activeObjects[i];
        out.writeText(a.name);
        out.writeText(a.extraText);
        out.writeInt(a.frameCount);
        out.writeInt(a.frameWidth);
        out.writeInt(a.frameHeight);
        for (int slot = 1; slot <= animSlots; ++slot) {
            for (int direction = 1; direction <= animDirections; ++direction) {
                for (int kind = 1; kind <= animKinds; ++kind)
                    out.writeInt(a.anim[slot][direction][kind]);
            }
        }
        out.writeInt(a.reserved2);
        out.writeInt(a.moveSpeed);
        out.writeInt(a.accel);
        out.writeInt(a.braking);
        out.writeInt(a.reserved1);
        out.writeInt(a.previewWidth);
        out.writeInt(a.previewHeight);
        writePicture(out, a.preview, a.previewWidth, a.previewHeight);
        out.writeInt(a.sheetWidth);
        out.writeInt(a.sheetHeight);
        writePicture(out, a.sheet, a.sheetWidth, a.sheetHeight);
        out.writeInt(a.transparent);
        out.writeInt(a.layer);
        writeProperties(out, a.propNames, a.propValues);
    }

    out.writeInt(p.eventCount);
    for (int e = 1; e <= p.eventCount; ++e) {
        const TEvent &event = p.events[e];
        out.writeText(event.condCode);
        out.writeText(event.condText);
        out.writeText(event.eventExtra);
        for (int g = 1; g <= generalColumns; ++g)
            writeActionList(out, event.generalCount[g], event.generalText[g], event.generalCode[g]);
        for (int o = 1; o <= p.fonCount; ++o) {
            if (o <= maxActionObjects)
                writeActionList(out, event.fonActCount[o], event.fonText[o], event.fonCode[o]);
            else
                out.writeInt(0);
        }
        for (int o = 1; o <= p.activeCount; ++o) {
            if (o <= maxActionObjects)
                writeActionList(out, event.actActCount[o], event.actText[o], event.actCode[o]);
            else
                out.writeInt(0);
        }
        for (int o = 1; o <= p.textCount; ++o)
            writeActionList(out, event.textActCount[o], event.textText[o], event.textCode[o]);
    }

    out.writeInt(p.levelCount);
    for (int level = 1; level <= p.levelCount; ++level) {
        const int fonPlaced = p.levelFon[level].fonPlacedCount;
        checkCount("the number of placed background objects", fonPlaced, maxPlacements);
        out.writeInt(fonPlaced);
        out.writeRaw("fon_ob");
        for (int k = 1; k <= fonPlaced; ++k) {
            const Tfon2 &placed = p.fonPlaced[level][k];
            out.writeInt(placed.x);
            out.writeInt(placed.y);
            out.writeInt(placed.object);
            out.writeText(placed.label);
            out.writeInt(placed.tileW);
            out.writeInt(placed.tileH);
            out.writeInt(placed.tileH);
        }
        const Tactive &header = p.levelActive[level];
        checkCount("the number of placed active objects", header.activePlacedCount, maxPlacements);
        out.writeInt(header.activePlacedCount);
        for (int k = 1; k <= header.activePlacedCount; ++k)
            out.writeInt(header.controlKind[k]);
        out.writeRaw("active_ob");
        for (int k = 1; k <= header.activePlacedCount; ++k) {
            const Tactive2 &placed = p.activePlaced[level][k];
            out.writeInt(placed.x);
            out.writeInt(placed.y);
            out.writeInt(placed.object);
            out.writeText(placed.label);
            out.writeInt(placed.width);
            out.writeInt(placed.height);
        }
        out.writeInt(std::int32_t(p.bgColor));
    }
    for (int level = 1; level <= p.levelCount; ++level) {
        out.writeText(p.levelNames[level]);
        out.writeInt(p.levelWidth[level]);
        out.writeInt(p.levelHeight[level]);
        out.writeText(p.levelExtra[level]);
    }

    out.writeText(p.midletName);
    out.writeText(p.midletVendor);
    out.writeText(p.midletVersion);
    out.writeText(p.midletIcon);
    for (int g = 1; g <= groupCount; ++g)
        out.writeText(p.groupNames[g]);
    for (int e = 1; e <= p.eventCount; ++e)
        out.writeInt(p.events[e].group);
    for (int level = 1; level <= p.levelCount; ++level) {
        for (int t = 1; t <= persistedPaths; ++t) {
            const Trajectory &path = p.paths[level][t];
            checkCount("the number of points of a trajectory", path.pointCount, maxPoints);
            out.writeInt(path.pointCount);
            for (int point = 1; point <= path.pointCount; ++point) {
                out.writeInt(path.points[point].x);
                out.writeInt(path.points[point].y);
                out.writeInt(path.dirA[point]);
                out.writeInt(path.dirB[point]);
                out.writeInt(path.dirC[point]);
            }
        }
    }
    out.commit();
}

namespace {

class ProjectReader
{
public:
    explicit ProjectReader(const std::filesystem::path &file)
        : in(file)
    {}

    void read(Project &p);

private:
    int count(const char *what, int capacity)
    {
        const int value = in.nextInt(what);
        if (value < 0 || value > capacity)
            in.fail(std::string("expected ") + what + " from 0 to " + std::to_string(capacity) +
                    ", found " + std::to_string(value));
        return value;
    }

    int size(const char *what)
    {
        const int value = in.nextInt(what);
        if (value < 0)
            in.fail(std::string("expected ") + what + ", found " + std::to_string(value));
        return value;
    }

    void marker(const char *expected)
    {
        const std::string what = std::string("the marker line \"") + expected + "\"";
        if (in.nextRaw(what) != expected)
            in.fail("expected " + what + "; the placed objects are out of step");
    }

    Picture picture(int width, int height, const char *what);
    void properties(Table<std::string, 1, 10> &names, Table<std::string, 1, 10> &values);
    void actionList(int &count, ActionTexts &texts, ActionTexts &codes);
    void skipActionList();

    LineReader in;
};

Picture ProjectReader::picture(int width, int height, const char *what)
{
    if ((long long)(width)*height > maxPicturePixels)
        in.fail(std::string(what) + " of " + std::to_string(width) + " x " +
                std::to_string(height) + " pixels is too large");
    Picture result(width, height);
    // The file goes column by column; a band of columns is read at once and then stored
    // row by row, so that the picture is written along its rows.
    constexpr int band = 16;
    const size_t column = size_t(height) + 1;
    std::vector<int> values(band * column);
    for (int x0 = 0; x0 <= width; x0 += band) {
        const int columns = std::min(band, width + 1 - x0);
        in.nextInts(values.data(), size_t(columns) * column, "a pixel colour");
        for (int y = 0; y < height; ++y) {
            for (int i = 0; i < columns && x0 + i < width; ++i)
                result.setPixel(x0 + i, y, std::uint32_t(values[size_t(i) * column + size_t(y)]));
        }
    }
    return result;
}

void ProjectReader::properties(Table<std::string, 1, 10> &names, Table<std::string, 1, 10> &values)
{
    for (int k = 1; k <= propertyCount; ++k) {
        names[k] = in.nextText("a property name");
        values[k] = in.nextText("a property value");
    }
}

void ProjectReader::actionList(int &count, ActionTexts &texts, ActionTexts &codes)
{
    count = this->count("the number of actions", maxActions);
    for (int k = 1; k <= count; ++k) {
        texts[k] = in.nextText("the text of an action");
        codes[k] = in.nextText("the code of an action");
    }
}

// Objects above those that carry actions have no lists; a file may still hold some.
void ProjectReader::skipActionList()
{
    const int actions = count("the number of actions", maxActions);
    for (int k = 1; k <= 2 * actions; ++k)
        in.nextRaw("the text or code of an action");
}

void ProjectReader::read(Project &p)
{
    p.fonCount = count("the number of background objects", maxDefinitions);
    for (int i = 1; i <= p.fonCount; ++i) {
        Tfon1 &f = p.fonObjects[i];
        f.name = in.nextText("the name of a background object");
        f.fonKind = in.nextInt("the background kind");
        f.tileCols = in.nextInt("the number of tile columns");
        f.tileRows = in.nextInt("the number of tile rows");
        f.mapCols = count("the map width in cells", maxMapSize);
        f.mapRows = count("the map height in cells", maxMapSize);
        for (int row = 1; row <= f.mapRows; ++row) {
            for (int column = 1; column <= f.mapCols; ++column)
                f.cells[row][column] = in.nextInt("a map cell");
        }
        f.fonKind = in.nextInt("the background kind");
        f.mapWidth = size("the map picture width");
        f.mapHeight = size("the map picture height");
        f.mapPicture = picture(f.mapWidth, f.mapHeight, "a map picture");
        f.tilesWidth = size("the tile set width");
        f.tilesHeight = size("the tile set height");
        f.tilesPicture = picture(f.tilesWidth, f.tilesHeight, "a tile set");
        f.transparent = in.nextInt("the transparency flag");
        f.layer = in.nextInt("the layer");
        properties(f.propNames, f.propValues);
    }

    p.activeCount = count("the number of active objects", maxDefinitions);
    for (int i = 1; i <= p.activeCount; ++i) {
        Tactive1 &a = p.activeObjects[i];
        a.name = in.nextText("the name of an active object");
        a.extraText = in.nextText("the second text of an active object");
        a.frameCount = in.nextInt("the number of frames");
        a.frameWidth = in.nextInt("the frame width");
        a.frameHeight = in.nextInt("the frame height");
        for (int slot = 1; slot <= animSlots; ++slot) {
            for (int direction = 1; direction <= animDirections; ++direction) {
                for (int kind = 1; kind <= animKinds; ++kind)
                    a.anim[slot][direction][kind] = in.nextInt("an animation frame");
            }
        }
        a.reserved2 = in.nextInt("a reserved number");
        a.moveSpeed = in.nextInt("the movement speed");
        a.accel = in.nextInt("the acceleration");
        a.braking = in.nextInt("the braking");
        a.reserved1 = in.nextInt("a reserved number");
        a.previewWidth = size("the preview width");
        a.previewHeight = size("the preview height");
        a.preview = picture(a.previewWidth, a.previewHeight, "a preview");
        a.sheetWidth = size("the sprite sheet width");
        a.sheetHeight = size("the sprite sheet height");
        a.sheet = picture(a.sheetWidth, a.sheetHeight, "a sprite sheet");
        a.transparent = in.nextInt("the transparency flag");
        a.layer = in.nextInt("the layer");
        properties(a.propNames, a.propValues);
    }

    p.eventCount = count("the number of events", maxEvents);
    for (int e = 1; e <= p.eventCount; ++e) {
        TEvent &event = p.events[e];
        event.condCode = in.nextText("the code of a condition");
        event.condText = in.nextText("the text of a condition");
        event.eventExtra = in.nextText("the event marker");
        for (int g = 1; g <= generalColumns; ++g)
            actionList(event.generalCount[g], event.generalText[g], event.generalCode[g]);
        for (int o = 1; o <= p.fonCount; ++o) {
            if (o <= maxActionObjects)
                actionList(event.fonActCount[o], event.fonText[o], event.fonCode[o]);
            else
                skipActionList();
        }
        for (int o = 1; o <= p.activeCount; ++o) {
            if (o <= maxActionObjects)
                actionList(event.actActCount[o], event.actText[o], event.actCode[o]);
            else
                skipActionList();
        }
        for (int o = 1; o <= p.textCount; ++o)
            actionList(event.textActCount[o], event.textText[o], event.textCode[o]);
    }

    p.levelCount = count("the number of levels", maxLevels);
    for (int level = 1; level <= p.levelCount; ++level) {
        p.currentLevel = level;
        Tfon &fonHeader = p.levelFon[level];
        fonHeader.fonPlacedCount = count("the number of placed background objects", maxPlacements);
        marker("fon_ob");
        for (int k = 1; k <= fonHeader.fonPlacedCount; ++k) {
            Tfon2 &placed = p.fonPlaced[level][k];
            placed.x = in.nextInt("the x of a placed object");
            placed.y = in.nextInt("the y of a placed object");
            placed.object = in.nextInt("the object number of a placed object");
            placed.label = in.nextText("the label of a placed object");
            placed.tileW = in.nextInt("the tile width of a placed object");
            placed.tileH = in.nextInt("the tile height of a placed object");
            in.nextInt("the tile height of a placed object");
        }
        Tactive &activeHeader = p.levelActive[level];
        activeHeader.activePlacedCount =
            count("the number of placed active objects", maxPlacements);
        for (int k = 1; k <= activeHeader.activePlacedCount; ++k)
            activeHeader.controlKind[k] = in.nextInt("a control kind");
        marker("active_ob");
        for (int k = 1; k <= activeHeader.activePlacedCount; ++k) {
            Tactive2 &placed = p.activePlaced[level][k];
            placed.x = in.nextInt("the x of a placed object");
            placed.y = in.nextInt("the y of a placed object");
            placed.object = in.nextInt("the object number of a placed object");
            placed.label = in.nextText("the label of a placed object");
            placed.width = in.nextInt("the width of a placed object");
            placed.height = in.nextInt("the height of a placed object");
        }
        p.bgColor = std::uint32_t(in.nextInt("the background colour"));
    }
    for (int level = 1; level <= p.levelCount; ++level) {
        p.levelNames[level] = in.nextText("a level name");
        p.levelWidth[level] = in.nextInt("a level width");
        p.levelHeight[level] = in.nextInt("a level height");
        p.levelExtra[level] = in.nextText("a level's extra text");
    }

    p.midletName = in.nextText("the MIDlet name");
    p.midletVendor = in.nextText("the MIDlet vendor");
    p.midletVersion = in.nextText("the MIDlet version");
    p.midletIcon = in.nextText("the MIDlet icon");
    for (int g = 1; g <= groupCount; ++g)
        p.groupNames[g] = in.nextText("a group name");
    for (int e = 1; e <= p.eventCount; ++e) {
        const int group = rnd(in.nextDecimal("an event group"));
        if (group < 0 || group > groupCount)
            in.fail("expected an event group from 0 to " + std::to_string(groupCount) + ", found " +
                    std::to_string(group));
        p.events[e].group = group;
    }
    for (int level = 1; level <= p.levelCount; ++level) {
        for (int t = 1; t <= persistedPaths; ++t) {
            Trajectory &path = p.paths[level][t];
            path.pointCount = count("the number of points of a trajectory", maxPoints);
            for (int point = 1; point <= path.pointCount; ++point) {
                path.points[point].x = in.nextInt("the x of a trajectory point");
                path.points[point].y = in.nextInt("the y of a trajectory point");
                path.dirA[point] = in.nextInt("a following point");
                path.dirB[point] = in.nextInt("a following point");
                path.dirC[point] = in.nextInt("a following point");
            }
        }
    }
}

} // namespace

void loadProject(Project &project, const std::filesystem::path &file)
{
    auto loaded = std::make_unique<Project>(project);
    ProjectReader(file).read(*loaded);
    const std::filesystem::path absolute = std::filesystem::absolute(file);
    loaded->projectFile = absolute.string();
    loaded->projectDir = absolute.parent_path().string();
    project = std::move(*loaded);
}

} // namespace zor
