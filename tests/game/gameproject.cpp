#include "gameproject.h"

#include "base/error.h"
#include "base/rounding.h"
#include "events/expressionbuilder.h"
#include "model/definitionoperations.h"
#include "model/leveloperations.h"
#include "model/projectstate.h"

namespace zor::game {
namespace {

int tileOf(char c)
{
    if (c >= '1' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'z')
        return 10 + c - 'a';
    return 0;
}

// The picture of a whole map, as the background editor renders it.
Picture renderMap(const Tfon1 &f, int tileWidth, int tileHeight)
{
    Picture map(f.mapCols * tileWidth, f.mapRows * tileHeight, makeColour(255, 255, 255));
    for (int r = 1; r <= f.mapRows; ++r) {
        for (int c = 1; c <= f.mapCols; ++c) {
            const int tile = f.cells[r][c];
            if (tile == 0)
                continue;
            const int sx = (tile - 1) % f.tileCols * tileWidth;
            const int sy = (tile - 1) / f.tileCols * tileHeight;
            for (int y = 0; y < tileHeight; ++y) {
                for (int x = 0; x < tileWidth; ++x) {
                    if (f.tilesPicture.contains(sx + x, sy + y))
                        map.setPixel((c - 1) * tileWidth + x, (r - 1) * tileHeight + y,
                                     f.tilesPicture.pixel(sx + x, sy + y));
                }
            }
        }
    }
    return map;
}

} // namespace

std::unique_ptr<Project> newGameProject(int levels)
{
    auto project = std::make_unique<Project>();
    applyStartupValues(*project, "/tmp");
    project->midletName = "Game";
    for (int level = 1; level <= levels; ++level) {
        createLevel(*project, "Level " + std::to_string(level));
        project->levelWidth[level] = 240;
        project->levelHeight[level] = 320;
    }
    project->currentLevel = 1;
    return project;
}

int addFon(Project &project, const FonDefinition &definition)
{
    createFon(project, definition.name);
    const int number = project.fonCount;
    Tfon1 &f = project.fonObjects[number];
    f.tileCols = definition.tileCols;
    f.tileRows = definition.tileRows;
    f.mapRows = int(definition.map.size());
    f.mapCols = 0;
    for (const std::string &row : definition.map)
        f.mapCols = std::max(f.mapCols, int(row.size()));
    if (f.mapRows > maxMapSize || f.mapCols > maxMapSize)
        throw Error("a map of " + definition.name + " is larger than 100 x 100 cells");
    for (int r = 1; r <= f.mapRows; ++r) {
        const std::string &row = definition.map[size_t(r - 1)];
        for (int c = 1; c <= f.mapCols; ++c)
            f.cells[r][c] = c <= int(row.size()) ? tileOf(row[size_t(c - 1)]) : 0;
    }
    f.fonKind = definition.kind;
    f.layer = 1;
    f.tilesPicture = definition.tiles;
    f.tilesWidth = definition.tiles.width();
    f.tilesHeight = definition.tiles.height();
    const int tileWidth = rnd(double(f.tilesWidth) / f.tileCols);
    const int tileHeight = rnd(double(f.tilesHeight) / f.tileRows);
    f.mapPicture = renderMap(f, tileWidth, tileHeight);
    f.mapWidth = f.mapPicture.width();
    f.mapHeight = f.mapPicture.height();
    f.transparent = definition.transparent ? 1 : 0;
    for (int s = 1; s <= propertyCount; ++s)
        f.propValues[s] = "0";
    return number;
}

int addActive(Project &project, const ActiveDefinition &definition)
{
    createActive(project, definition.name);
    const int number = project.activeCount;
    Tactive1 &a = project.activeObjects[number];
    a.sheet = definition.sheet;
    a.sheetWidth = definition.sheet.width();
    a.sheetHeight = definition.sheet.height();
    a.frameCount = definition.frameCount;
    a.frameWidth = rnd(double(a.sheetWidth) / a.frameCount);
    a.frameHeight = a.sheetHeight;
    a.preview = Picture(a.frameWidth, a.frameHeight);
    for (int y = 0; y < a.frameHeight; ++y) {
        for (int x = 0; x < a.frameWidth; ++x)
            a.preview.setPixel(x, y, a.sheet.pixel(x, y));
    }
    a.previewWidth = a.frameWidth;
    a.previewHeight = a.frameHeight;
    a.moveSpeed = definition.speed;
    a.accel = definition.accel;
    a.braking = definition.braking;
    a.layer = 1;
    a.transparent = definition.transparent ? 1 : 0;
    for (int s = 1; s <= propertyCount; ++s)
        a.propValues[s] =
            size_t(s) <= definition.properties.size() ? definition.properties[size_t(s - 1)] : "0";
    return number;
}

void setAnimation(Project &project, int object, int kind, int direction,
                  const std::vector<int> &frames)
{
    Tactive1 &a = project.activeObjects[object];
    for (int slot = 1; slot <= animSlots; ++slot)
        a.anim[slot][direction][kind] =
            size_t(slot) <= frames.size() ? frames[size_t(slot - 1)] : 0;
}

void setAnimation(Project &project, int object, int kind, const std::vector<int> &frames)
{
    for (int direction = 1; direction <= animDirections; ++direction)
        setAnimation(project, object, kind, direction, frames);
}

void placeFon(Project &project, int level, int object, int x, int y)
{
    const int k = ++project.levelFon[level].fonPlacedCount;
    const Tfon1 &f = project.fonObjects[object];
    project.fonPlaced[level][k] = {x,
                                   y,
                                   object,
                                   f.name,
                                   rnd(double(f.tilesWidth) / f.tileCols),
                                   rnd(double(f.tilesHeight) / f.tileRows)};
}

void placeActive(Project &project, int level, int object, int x, int y)
{
    const int k = ++project.levelActive[level].activePlacedCount;
    const Tactive1 &a = project.activeObjects[object];
    project.activePlaced[level][k] = {x, y, object, a.name, a.previewWidth, a.previewHeight};
}

void setControl(Project &project, int level, int object, int controlKind)
{
    project.levelActive[level].controlKind[object] = controlKind;
}

void setPath(Project &project, int level, int path, const std::vector<PathPoint> &points)
{
    Trajectory &t = project.paths[level][path];
    t.pointCount = int(points.size());
    for (int n = 1; n <= t.pointCount; ++n) {
        const PathPoint &p = points[size_t(n - 1)];
        t.points[n] = {p.x, p.y};
        const auto next = [&](size_t i) { return i < p.next.size() ? p.next[i] : 0; };
        t.dirA[n] = next(0);
        t.dirB[n] = next(1);
        t.dirC[n] = next(2);
    }
}

EventItem item(CatalogueMenu menu, const std::vector<std::string> &path, const ItemValues &values)
{
    return itemTexts(catalogueEntry(menu, path), values);
}

int addEvent(Project &project, const EventItem &condition)
{
    return perevod(project, ChooserMode::New, 0, condition);
}

void addCondition(Project &project, int event, const EventItem &condition)
{
    perevod(project, ChooserMode::Dob, event, condition);
}

void addGeneralAction(Project &project, int event, int column, const EventItem &action)
{
    metka(project, {event, ColumnKind::General, column}, action, false);
}

void addFonAction(Project &project, int event, int object, const EventItem &action)
{
    metka(project, {event, ColumnKind::Fon, object}, action, false);
}

void addActiveAction(Project &project, int event, int object, const EventItem &action)
{
    metka(project, {event, ColumnKind::Active, object}, action, false);
}

ItemValues expression(BuilderMode mode, const std::string &field1, const std::string &op,
                      const std::string &field2, int globalNumber)
{
    const BuilderModeInfo &shown = builderModeInfo(mode);
    ExpressionBuilder builder(mode);
    if (shown.showsField1) {
        builder.activateField(1);
        builder.type(field1);
    }
    builder.activateField(2);
    builder.type(field2);
    builder.setGlobalNumber(globalNumber);
    builder.setOperator(ExpressionBuilder::noOperator);
    const std::span<const BuilderOperator> operators = builderOperators();
    for (size_t i = 0; shown.showsOperator && i < operators.size(); ++i) {
        if (op == operators[i].java)
            builder.setOperator(int(i));
    }
    const BuilderResult result = builder.confirm();
    if (!result.skipped.empty())
        throw Error("the expression builder skipped \"" + result.skipped.front() + "\"");
    ItemValues values;
    values.d = result.text;
    values.j = result.code;
    return values;
}

Picture solid(int width, int height, std::uint32_t colour)
{
    return Picture(width, height, colour);
}

Picture strip(int frameWidth, int frameHeight, const std::vector<std::uint32_t> &colours)
{
    Picture picture(frameWidth * int(colours.size()), frameHeight);
    for (size_t f = 0; f < colours.size(); ++f) {
        for (int y = 0; y < frameHeight; ++y) {
            for (int x = 0; x < frameWidth; ++x)
                picture.setPixel(int(f) * frameWidth + x, y, colours[f]);
        }
    }
    return picture;
}

} // namespace zor::game
