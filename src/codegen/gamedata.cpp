#include "gamedata.h"

#include "base/error.h"
#include "base/rounding.h"

#include <algorithm>
#include <charconv>
#include <functional>

namespace zor {
namespace {

// A property value goes into an int array as typed; an empty cell, which the editors show as
// "0", is written as 0 so that the array still compiles.
std::string propertyValue(const std::string &typed)
{
    return typed.empty() ? "0" : typed;
}

constexpr int constantEntries = 18;

void appendNumber(std::string &text, long long value)
{
    char digits[24];
    text.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}
constexpr int generatedPaths = 10;

// Builds one array declaration: the prefix, each entry followed by ",", then "};".
class ArrayText
{
public:
    explicit ArrayText(std::string_view prefix)
        : m_text(prefix)
    {}

    ArrayText &entry(std::string_view value)
    {
        m_text.append(value);
        m_text.push_back(',');
        return *this;
    }
    ArrayText &entry(long long value)
    {
        number(value);
        m_text.push_back(',');
        return *this;
    }
    // A number without the comma behind it.
    void number(long long value) { appendNumber(m_text, value); }
    void open() { m_text.push_back('{'); }
    void close() { m_text.append("},"); }
    std::string finish() { return std::move(m_text.append("};")); }

private:
    std::string m_text;
};

std::string countText(std::string_view prefix, long long value)
{
    return std::string(prefix) + std::to_string(value) + ";";
}

std::string repeated(std::string_view prefix, int count, std::string_view value)
{
    ArrayText text(prefix);
    for (int k = 1; k <= count; ++k)
        text.entry(value);
    return text.finish();
}

std::string numbers(std::string_view prefix, int count, const std::function<long long(int)> &of)
{
    ArrayText text(prefix);
    for (int k = 1; k <= count; ++k)
        text.entry(of(k));
    return text.finish();
}

std::string texts(std::string_view prefix, int count, const std::function<std::string(int)> &of)
{
    ArrayText text(prefix);
    for (int k = 1; k <= count; ++k)
        text.entry(of(k));
    return text.finish();
}

// A quotient that an int array can hold: rounded half to even; nothing divided by 0 is 0.
long long tileSize(int pixels, int tiles)
{
    return tiles == 0 ? 0 : rnd(double(pixels) / tiles);
}

std::string imageLiteral(const std::string &name)
{
    return "\"/" + imageFileName(name) + "\"";
}

class LevelData
{
public:
    LevelData(const Project &project, int level)
        : p(project)
        , level(level)
        , placedActive(project.levelActive[level].activePlacedCount)
        , placedFon(project.levelFon[level].fonPlacedCount)
        , activeRows(std::max(project.activeCount, placedActive))
        , fonRows(std::max(project.fonCount, placedFon))
    {}

    // Definition of the k-th placement, or null past the placements.
    const Tactive1 *activeAt(int k) const
    {
        if (k > placedActive)
            return nullptr;
        return &p.activeObjects[definition("active", p.activePlaced[level][k].object, k,
                                           p.activeCount)];
    }
    const Tfon1 *fonAt(int k) const
    {
        if (k > placedFon)
            return nullptr;
        return &p.fonObjects[definition("background", p.fonPlaced[level][k].object, k, p.fonCount)];
    }

    int activeObjectAt(int k) const
    {
        return k > placedActive ? 0 : p.activePlaced[level][k].object;
    }
    int fonObjectAt(int k) const { return k > placedFon ? 0 : p.fonPlaced[level][k].object; }

    std::vector<Replacement> declarations() const;

private:
    int definition(const char *kind, int object, int k, int count) const
    {
        if (object < 1 || object > count)
            throw Error("level " + std::to_string(level) + ": placed " + kind + " object " +
                        std::to_string(k) + " refers to " + kind + " object " +
                        std::to_string(object) + ", but the project has " + std::to_string(count) +
                        "; remove the placement or recreate the object");
        return object;
    }

    std::string activeNumbers(std::string_view prefix, int Tactive1::*field) const
    {
        return numbers(prefix, activeRows, [&](int k) {
            const Tactive1 *a = activeAt(k);
            return a ? a->*field : 0;
        });
    }
    std::string fonNumbers(std::string_view prefix,
                           const std::function<long long(const Tfon1 &)> &of) const
    {
        return numbers(prefix, fonRows, [&](int k) {
            const Tfon1 *f = fonAt(k);
            return f ? of(*f) : 0;
        });
    }
    std::string animation(std::string_view prefix, int kind) const;
    std::string paths(std::string_view prefix,
                      const std::function<void(ArrayText &, const Trajectory &, int)> &point) const;

    const Project &p;
    const int level;
    const int placedActive;
    const int placedFon;
    const int activeRows;
    const int fonRows;
};

std::string LevelData::animation(std::string_view prefix, int kind) const
{
    ArrayText text(prefix);
    for (int direction = 1; direction <= animDirections; ++direction) {
        text.open();
        for (int k = 1; k <= placedActive; ++k) {
            const Tactive1 &a = *activeAt(k);
            text.open();
            for (int slot = 1; slot <= animSlots; ++slot) {
                const int frame = a.anim[slot][direction][kind] - 1;
                if (frame >= 0)
                    text.entry(frame);
                else if (slot == 1)
                    text.entry(-1);
            }
            text.close();
        }
        text.close();
    }
    return text.finish();
}

std::string
LevelData::paths(std::string_view prefix,
                 const std::function<void(ArrayText &, const Trajectory &, int)> &point) const
{
    ArrayText text(prefix);
    for (int t = 1; t <= generatedPaths; ++t) {
        const Trajectory &path = p.paths[level][t];
        text.open();
        for (int n = 1; n <= path.pointCount; ++n)
            point(text, path, n);
        text.close();
    }
    return text.finish();
}

std::vector<Replacement> LevelData::declarations() const
{
    const std::string ones = repeated("", constantEntries, "1");
    std::vector<Replacement> d;
    d.reserve(46);
    const auto add = [&](std::string marker, std::string text) {
        d.push_back({std::move(marker), std::move(text)});
    };
    add("//quan_act_gr", countText("int quan_act_gr=", placedActive));
    add("//quan_act", repeated("int quan_act[]={", placedActive, "0"));
    add("//group_act",
        numbers("int[]group_act={", activeRows, [&](int k) { return activeObjectAt(k); }));
    add("//add_act_gr", texts("String[]add_act_gr={", activeRows, [&](int k) {
            const Tactive1 *a = activeAt(k);
            return a ? imageLiteral(a->name) : std::string("\"\"");
        }));
    add("//act_manager_gr", "int[]act_manager_gr={" + ones);
    add("//act_obstacle_gr", "int[]act_obstacle_gr={" + ones);
    add("//tileWidthob_gr", activeNumbers("int[]tileWidthob_gr={", &Tactive1::frameWidth));
    add("//tileHeightob_gr", activeNumbers("int[]tileHeightob_gr={", &Tactive1::frameHeight));
    for (int s = 1; s <= propertyCount; ++s) {
        add("//act_sv" + std::to_string(s) + "_ob",
            texts("int[]act_sv_ob" + std::to_string(s) + "={", p.activeCount,
                  [&](int k) { return propertyValue(p.activeObjects[k].propValues[s]); }));
    }
    for (int s = 1; s <= propertyCount; ++s) {
        add("//fon_sv" + std::to_string(s) + "_ob",
            texts("int[]fon_sv_ob" + std::to_string(s) + "={", p.fonCount,
                  [&](int k) { return propertyValue(p.fonObjects[k].propValues[s]); }));
    }
    add("//act_upr", repeated("int[]act_upr={", p.activeCount, "1"));
    add("//quan_fon_gr", countText("int quan_fon_gr=", placedFon));
    add("//quan_fon", repeated("int quan_fon[]={", placedFon, "0"));
    add("//fon_obstacle_gr", numbers("int[]fon_obstacle_gr={", p.fonCount,
                                     [&](int k) { return p.fonObjects[k].fonKind; }));
    add("//add_fon_gr", texts("String[]add_fon_gr={", fonRows, [&](int k) {
            const Tfon1 *f = fonAt(k);
            return f ? imageLiteral(f->name) : std::string("\"\"");
        }));
    add("//fon_tileWidth_gr", fonNumbers("int[]fon_tileWidth_gr={", [](const Tfon1 &f) {
            return tileSize(f.tilesWidth, f.tileCols);
        }));
    add("//fon_tileHeight_gr", fonNumbers("int[]fon_tileHeight_gr={", [](const Tfon1 &f) {
            return tileSize(f.tilesHeight, f.tileRows);
        }));
    add("//fon_columns_gr",
        fonNumbers("int[]fon_columns_gr={", [](const Tfon1 &f) { return f.mapCols; }));
    add("//fon_rows_gr",
        fonNumbers("int[]fon_rows_gr={", [](const Tfon1 &f) { return f.mapRows; }));
    add("//fon_manager_gr", "int[]fon_manager_gr={" + ones);
    add("//group_fon", numbers("int[]group_fon={", fonRows, [&](int k) { return fonObjectAt(k); }));
    add("//act_type", numbers("int[]act_type={", p.activeCount,
                              [&](int k) { return p.levelActive[level].controlKind[k]; }));
    add("//act_go", animation("int[][][]act_go={", 2));
    add("//act_stop", animation("int[][][]act_stop={", 1));
    add("//act_dead", animation("int[][][]act_dead={", 4));
    add("//act_uron", repeated("int[]act_uron={", p.activeCount, "0"));
    add("//act_speed_tek", repeated("int[]act_speed_tek={", p.activeCount, "0"));
    add("//act_speed", activeNumbers("int[]act_speed={", &Tactive1::moveSpeed));
    add("//act_razg", activeNumbers("int[]act_razg={", &Tactive1::accel));
    add("//act_torm", activeNumbers("int[]act_torm={", &Tactive1::braking));
    add("//act_tr_number", repeated("int[]act_tr_number={", p.activeCount, "0"));
    add("//act_tr", paths("int[][][]act_tr={", [](ArrayText &text, const Trajectory &path, int n) {
            text.open();
            text.entry(path.dirA[n]).entry(path.dirB[n]).number(path.dirC[n]);
            text.close();
        }));
    add("//act_t", numbers("int[]act_t={", generatedPaths,
                           [&](int t) { return p.paths[level][t].pointCount; }));
    add("//act_xt", paths("int[][]act_xt={", [](ArrayText &text, const Trajectory &path, int n) {
            text.entry(path.points[n].x);
        }));
    add("//act_yt", paths("int[][]act_yt={", [](ArrayText &text, const Trajectory &path, int n) {
            text.entry(path.points[n].y);
        }));
    add("//col_ek1", countText("int col_ek1=", redOf(p.bgColor)));
    add("//col_ek2", countText("int col_ek2=", greenOf(p.bgColor)));
    add("//col_ek3", countText("int col_ek3=", blueOf(p.bgColor)));
    return d;
}

} // namespace

std::string imageFileName(std::string_view name)
{
    const size_t separator = name.find_last_of("\\:/");
    if (separator != std::string_view::npos)
        name.remove_prefix(separator + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string_view::npos)
        name = name.substr(0, dot);
    return std::string(name) + ".png";
}

std::vector<Replacement> levelDeclarations(const Project &project, int level)
{
    return LevelData(project, level).declarations();
}

int mapFileCount(const Project &project, int level)
{
    return std::max(project.fonCount, project.levelFon[level].fonPlacedCount);
}

std::string mapFileLine(const Project &project, int level, int k)
{
    const Tfon1 *f = LevelData(project, level).fonAt(k);
    std::string line;
    if (!f)
        return line;
    line.reserve(size_t(f->mapRows) * f->mapCols * 4);
    for (int r = 1; r <= f->mapRows; ++r) {
        for (int c = 1; c <= f->mapCols; ++c) {
            appendNumber(line, f->cells[r][c]);
            line.push_back(',');
        }
    }
    return line;
}

} // namespace zor
