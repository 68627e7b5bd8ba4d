// The conversion of the largest project the tables allow, split into text generation (in
// memory), PNG export and the whole conversion, each against `cp -r` of the same output
// measured in the same run. The counter "x_cp" is the time as a multiple of that copy.

#include "base/filesystem.h"
#include "base/pngfile.h"
#include "codegen/conversion.h"
#include "model/project.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace zor;

namespace {

const fs::path fixtures = ZOR_CODEGEN_FIXTURES;
// Lines of ordinary Java added to the test template, about the size of a real level class.
constexpr int templateLines = 1500;
constexpr int eventActionsPerObject = 2;

std::string quoted(const fs::path &path)
{
    std::string text = "'";
    for (char c : path.string())
        text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return text + "'";
}

void run(const std::string &command)
{
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("failed: " + command);
}

// A picture like drawn game art: flat areas and a few shapes, so that it compresses as such.
Picture artwork(int width, int height, int seed)
{
    Picture picture(width, height, makeColour(255, 0, 255));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int cx = x % 32 - 16;
            const int cy = y % 32 - 16;
            if (cx * cx + cy * cy < 150)
                picture.setPixel(x, y, makeColour(seed * 37 + y * 3, x * 5, seed * 11));
            else if ((x / 8 + y / 8 + seed) % 5 == 0)
                picture.setPixel(x, y, makeColour(40, 90 + seed, 40));
        }
    }
    return picture;
}

// Statements as the condition and action catalogues make them, for object n.
std::string activeAction(int n, int k)
{
    const std::string N = std::to_string(n);
    const std::string a = "act[" + N + "-1][kr" + N + "]";
    if (k % 2 == 0)
        return "{" + a + ".setPosition(" + a + ".getX()+" + std::to_string(k) + "," + a +
               ".getY());}";
    return "{act_upr[" + N + "-1][kr" + N + "]=3;kd=kr" + std::to_string(n % 30 + 1) + ";}";
}

std::string condition(int i)
{
    const std::string N = std::to_string(i % 30 + 1);
    switch (i % 4) {
    case 0:
        return "(obtime>0)";
    case 1:
        return "(key_up_3==true)&(act_upr[" + N + "-1][kr" + N + "]==2)";
    case 2:
        return "(act[" + N + "-1][kr" + N + "].collidesWith(fonPole[" + N + "-1],false))";
    default:
        return "(glob[" + std::to_string(i % 20 + 1) + "]>=10)";
    }
}

std::unique_ptr<Project> largestProject()
{
    auto p = std::make_unique<Project>();
    p->midletVendor = "ZOR";
    p->midletVersion = "1.0";
    p->bgColor = makeColour(0, 0, 64);
    p->activeCount = maxDefinitions;
    for (int d = 1; d <= maxDefinitions; ++d) {
        Tactive1 &a = p->activeObjects[d];
        a.name = "active" + std::to_string(d) + ".png";
        a.sheet = artwork(128, 32, d);
        a.frameCount = 4;
        a.frameWidth = 32;
        a.frameHeight = 32;
        a.moveSpeed = a.accel = a.braking = d % 10 + 1;
        a.transparent = 1;
        for (int dir = 1; dir <= animDirections; ++dir) {
            for (int slot = 1; slot <= 4; ++slot)
                a.anim[slot][dir][2] = slot;
            a.anim[1][dir][1] = 1;
        }
        for (int s = 1; s <= propertyCount; ++s)
            a.propValues[s] = std::to_string(d * s);
    }
    p->fonCount = maxDefinitions;
    for (int d = 1; d <= maxDefinitions; ++d) {
        Tfon1 &f = p->fonObjects[d];
        f.name = "fon" + std::to_string(d) + ".png";
        f.tilesPicture = artwork(64, 64, d);
        f.tilesWidth = f.tilesHeight = 64;
        f.tileCols = f.tileRows = 4;
        f.mapCols = 20;
        f.mapRows = 15;
        for (int r = 1; r <= f.mapRows; ++r) {
            for (int c = 1; c <= f.mapCols; ++c)
                f.cells[r][c] = (r * c + d) % 16 + 1;
        }
        f.transparent = d % 2;
    }
    p->levelCount = maxLevels;
    for (int level = 1; level <= maxLevels; ++level) {
        p->levelActive[level].activePlacedCount = maxPlacements;
        p->levelFon[level].fonPlacedCount = maxPlacements;
        for (int k = 1; k <= maxPlacements; ++k) {
            p->activePlaced[level][k] = {k * 20, level * 10, k, "", 32, 32};
            p->fonPlaced[level][k] = {k * 64, 0, k, "", 16, 16};
            p->levelActive[level].controlKind[k] = k % 4;
        }
        for (int t = 1; t <= 10; ++t) {
            Trajectory &path = p->paths[level][t];
            path.pointCount = 20;
            for (int n = 1; n <= 20; ++n) {
                path.points[n] = {n * 10, t * 10};
                path.dirA[n] = n % 20 + 1;
            }
        }
    }
    p->eventCount = maxEvents;
    for (int i = 1; i <= maxEvents; ++i) {
        TEvent &e = p->events[i];
        e.condCode = condition(i);
        e.generalCode[1][++e.generalCount[1]] =
            "graphics.setColor(0xFF0000); graphics.fillRect(" + std::to_string(i) + ",20,30,40);";
        e.generalCode[3][++e.generalCount[3]] = "{midlet.changeEtap(1,1+1);}";
        e.generalCode[4][++e.generalCount[4]] = "glob[" + std::to_string(i % 20 + 1) + "]=0;";
        for (int j = 1; j <= maxActionObjects; ++j) {
            const std::string J = std::to_string(j);
            e.fonCode[j][++e.fonActCount[j]] =
                "{fon[" + J + "-1][krf" + J + "].setVisible(false);}";
            for (int k = 1; k <= eventActionsPerObject; ++k)
                e.actCode[j][++e.actActCount[j]] = activeAction(j, k);
        }
    }
    return p;
}

// A program folder with the test templates, the level template grown to a real one's size.
class Workspace
{
public:
    Workspace()
    {
        std::string pattern = (fs::temp_directory_path() / "zor-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary folder");
        folder = pattern;
        fs::copy(fixtures / "programfolder", programFolder(), fs::copy_options::recursive);
        std::ofstream levelTemplate(programFolder() / "System/draft/Etap1.java", std::ios::app);
        levelTemplate << "int counter = 0;\n";
        for (int n = 0; n < templateLines; ++n)
            levelTemplate << "        if (counter > " << n << ") { counter = counter - 1; } // "
                          << "keeps the level template as long as a real one\n";
        project = largestProject();
        pictures = projectPictures(*project);
        convertProject(*project, programFolder());
        // The output split into texts and pictures, for the copies that set the pace.
        run("mkdir -p " + quoted(folder / "texts") + " " + quoted(folder / "pictures"));
        run("cp -r " + quoted(programFolder() / "System/src") + " " +
            quoted(programFolder() / "System/draft") + " " +
            quoted(programFolder() / "MANIFEST.MF") + " " + quoted(folder / "texts"));
        run("cp " + quoted(programFolder() / "System/res") + "/*.txt " + quoted(folder / "texts"));
        run("cp " + quoted(programFolder() / "System/res") + "/*.png " +
            quoted(folder / "pictures"));
    }
    ~Workspace()
    {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    fs::path programFolder() const { return folder / "zor"; }

    // Seconds of `cp -r` of one part of the output, the best of several runs.
    double copySeconds(const std::string &part) const
    {
        double best = 1e9;
        for (int n = 0; n < 5; ++n) {
            // Written-back pages make the copy's pace steady from run to run.
            run("rm -rf " + quoted(folder / "copy") + " && sync");
            const auto start = std::chrono::steady_clock::now();
            run("cp -r " + quoted(folder / part) + " " + quoted(folder / "copy"));
            best = std::min(
                best,
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
        return best;
    }

    fs::path folder;
    std::unique_ptr<Project> project;
    std::vector<PictureFile> pictures;
};

Workspace &workspace()
{
    static Workspace instance;
    return instance;
}

// Runs `work` as the benchmark's body and reports its time as a multiple of `baseline`.
template<typename Work>
void measure(benchmark::State &state, double baseline, Work work)
{
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        work();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["x_cp"] =
        benchmark::Counter(seconds / baseline, benchmark::Counter::kAvgIterations);
}

void TextGeneration(benchmark::State &state)
{
    Workspace &w = workspace();
    static const double baseline = w.copySeconds("texts");
    size_t bytes = 0;
    measure(state, baseline, [&] {
        const std::vector<OutputFile> files = generateTexts(*w.project, w.programFolder());
        bytes = 0;
        for (const OutputFile &file : files)
            bytes += file.bytes.size() + (file.sharedEnd ? file.sharedEnd->size() : 0);
    });
    state.counters["MB"] = double(bytes) / 1e6;
    state.counters["cp_ms"] = baseline * 1e3;
}

// The pictures' PNG encoding alone, in memory, with the options the export uses.
void PngEncoding(benchmark::State &state)
{
    Workspace &w = workspace();
    static const double baseline = w.copySeconds("pictures");
    size_t bytes = 0;
    measure(state, baseline, [&] {
        bytes = 0;
        for (const PictureFile &file : w.pictures)
            bytes += encodePng(*file.picture, pngOptions(file)).size();
    });
    state.counters["MB"] = double(bytes) / 1e6;
    state.counters["cp_ms"] = baseline * 1e3;
}

void PngExport(benchmark::State &state)
{
    Workspace &w = workspace();
    static const double baseline = w.copySeconds("pictures");
    measure(state, baseline, [&] { exportPictures(w.pictures, w.programFolder()); });
    state.counters["files"] = double(w.pictures.size());
    state.counters["cp_ms"] = baseline * 1e3;
}

void WholeConversion(benchmark::State &state)
{
    Workspace &w = workspace();
    static const double baseline = w.copySeconds("zor");
    measure(state, baseline, [&] { convertProject(*w.project, w.programFolder()); });
    state.counters["cp_ms"] = baseline * 1e3;
}

BENCHMARK(TextGeneration)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(PngEncoding)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(PngExport)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(WholeConversion)->Unit(benchmark::kMillisecond)->MinTime(2);

} // namespace

BENCHMARK_MAIN();
