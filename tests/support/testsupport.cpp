#include "testsupport.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zor::test {

TemporaryFolder::TemporaryFolder()
{
    std::string pattern = (fs::temp_directory_path() / "zor-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    m_path = pattern;
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code error;
    fs::remove_all(m_path, error);
}

std::string readFile(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const fs::path &file, const std::string &bytes)
{
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

namespace {

class Generator
{
public:
    Generator(std::mt19937 &random, double scale)
        : m_random(random)
        , m_scale(scale)
    {}

    int number(int low, int high)
    {
        return std::uniform_int_distribution<int>(low, high)(m_random);
    }
    int count(int capacity) { return number(0, std::max(1, int(capacity * m_scale))); }
    int anyInt() { return number(-100000, 100000); }

    std::string text()
    {
        static const char *const pieces[] = {"",         "fon", "Герой",   "act[0][kr1].move(1,0);",
                                             "a b",      "ёЁ№", "x\"y\\z", "(glob[1]>5)",
                                             "Уровень 2"};
        std::string result;
        for (int n = number(0, 3); n > 0; --n)
            result += pieces[number(0, 8)];
        return result;
    }

    Picture picture(int &width, int &height)
    {
        width = number(0, std::max(1, int(40 * m_scale)));
        height = width == 0 ? 0 : number(1, std::max(1, int(30 * m_scale)));
        Picture result(width, height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                result.setPixel(x, y, std::uint32_t(number(0, 0xFFFFFF)));
        }
        return result;
    }

    void actionList(int &count, ActionTexts &texts, ActionTexts &codes)
    {
        count = number(0, 3);
        for (int k = 1; k <= count; ++k) {
            texts[k] = text();
            codes[k] = text();
        }
    }

private:
    std::mt19937 &m_random;
    double m_scale;
};

} // namespace

std::unique_ptr<Project> randomProject(std::mt19937 &random, double scale)
{
    Generator g(random, scale);
    auto p = std::make_unique<Project>();
    p->fonCount = g.count(maxDefinitions);
    for (int i = 1; i <= p->fonCount; ++i) {
        Tfon1 &f = p->fonObjects[i];
        f.name = g.text();
        f.fonKind = g.number(0, 2);
        f.tileCols = g.number(1, 20);
        f.tileRows = g.number(1, 20);
        f.mapCols = g.number(0, maxMapSize);
        f.mapRows = g.number(0, maxMapSize);
        for (int r = 1; r <= f.mapRows; ++r) {
            for (int c = 1; c <= f.mapCols; ++c)
                f.cells[r][c] = g.number(0, 400);
        }
        f.mapPicture = g.picture(f.mapWidth, f.mapHeight);
        f.tilesPicture = g.picture(f.tilesWidth, f.tilesHeight);
        f.transparent = g.number(0, 1);
        f.layer = g.number(1, 3);
        for (int k = 1; k <= propertyCount; ++k) {
            f.propNames[k] = g.text();
            f.propValues[k] = g.text();
        }
    }
    p->activeCount = g.count(maxDefinitions);
    for (int i = 1; i <= p->activeCount; ++i) {
        Tactive1 &a = p->activeObjects[i];
        a.name = g.text();
        a.extraText = g.text();
        a.frameCount = g.number(1, 20);
        a.frameWidth = g.number(0, 64);
        a.frameHeight = g.number(0, 64);
        for (int s = 1; s <= animSlots; ++s) {
            for (int d = 1; d <= animDirections; ++d) {
                for (int k = 1; k <= animKinds; ++k)
                    a.anim[s][d][k] = g.number(0, 20);
            }
        }
        a.reserved2 = g.anyInt();
        a.moveSpeed = g.number(1, 10);
        a.accel = g.number(1, 10);
        a.braking = g.number(1, 10);
        a.reserved1 = g.anyInt();
        a.preview = g.picture(a.previewWidth, a.previewHeight);
        a.sheet = g.picture(a.sheetWidth, a.sheetHeight);
        a.transparent = g.number(0, 1);
        a.layer = g.number(1, 3);
        for (int k = 1; k <= propertyCount; ++k) {
            a.propNames[k] = g.text();
            a.propValues[k] = g.text();
        }
    }
    p->eventCount = g.count(maxEvents);
    for (int e = 1; e <= p->eventCount; ++e) {
        TEvent &event = p->events[e];
        event.condText = g.text();
        event.condCode = g.text();
        event.eventExtra = "event";
        event.group = g.number(0, groupCount);
        for (int c = 1; c <= generalColumns; ++c)
            g.actionList(event.generalCount[c], event.generalText[c], event.generalCode[c]);
        for (int o = 1; o <= std::min(p->fonCount, maxActionObjects); ++o)
            g.actionList(event.fonActCount[o], event.fonText[o], event.fonCode[o]);
        for (int o = 1; o <= std::min(p->activeCount, maxActionObjects); ++o)
            g.actionList(event.actActCount[o], event.actText[o], event.actCode[o]);
    }
    p->levelCount = g.number(0, maxLevels);
    p->bgColor = std::uint32_t(g.number(0, 0xFFFFFF));
    for (int level = 1; level <= p->levelCount; ++level) {
        p->levelFon[level].fonPlacedCount = g.count(maxPlacements);
        for (int k = 1; k <= p->levelFon[level].fonPlacedCount; ++k)
            p->fonPlaced[level][k] = {g.anyInt(), g.anyInt(),      g.number(1, 100),
                                      g.text(),   g.number(0, 64), g.number(0, 64)};
        p->levelActive[level].activePlacedCount = g.count(maxPlacements);
        for (int k = 1; k <= p->levelActive[level].activePlacedCount; ++k) {
            p->levelActive[level].controlKind[k] = g.number(0, 3);
            p->activePlaced[level][k] = {g.anyInt(), g.anyInt(),      g.number(1, 100),
                                         g.text(),   g.number(0, 64), g.number(0, 64)};
        }
        p->levelNames[level] = g.text();
        p->levelWidth[level] = g.number(0, 2000);
        p->levelHeight[level] = g.number(0, 2000);
        p->levelExtra[level] = g.text();
        for (int t = 1; t <= persistedPaths; ++t) {
            Trajectory &path = p->paths[level][t];
            path.pointCount = g.count(maxPoints);
            for (int point = 1; point <= path.pointCount; ++point) {
                path.points[point] = {g.anyInt(), g.anyInt()};
                path.dirA[point] = g.number(0, path.pointCount);
                path.dirB[point] = g.number(0, path.pointCount);
                path.dirC[point] = g.number(0, path.pointCount);
            }
        }
    }
    p->midletName = g.text();
    p->midletVendor = g.text();
    p->midletVersion = g.text();
    p->midletIcon = g.text();
    for (int group = 1; group <= groupCount; ++group)
        p->groupNames[group] = g.text();
    return p;
}

} // namespace zor::test
