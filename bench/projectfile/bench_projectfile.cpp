// Loads and saves a large project and compares the times with plain tools reading and
// writing the same file: `wc -l` and `cat` for loading, `dd` for saving.
//
//   bench_projectfile [FOLDER] [OBJECTS]
//
// FOLDER holds the temporary files (default /tmp); OBJECTS is the number of background
// objects with 64 x 64-cell maps of 16 x 16 tiles (default 20, about 21 million lines).
#include "model/definitionoperations.h"
#include "model/leveloperations.h"
#include "model/projectfile.h"
#include "model/projectstate.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace fs = std::filesystem;
using namespace zor;

namespace {

double medianSeconds(const std::function<void()> &work, int repeats = 3)
{
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void shell(const std::string &command)
{
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "failed: %s\n", command.c_str());
        std::exit(1);
    }
}

std::unique_ptr<Project> largeProject(int objects)
{
    auto p = std::make_unique<Project>();
    applyStartupValues(*p, "/tmp");
    constexpr int cells = 64;
    constexpr int tile = 16;
    for (int i = 1; i <= objects; ++i) {
        createFon(*p, "Фон " + std::to_string(i));
        Tfon1 &f = p->fonObjects[i];
        f.tileCols = f.tileRows = 8;
        f.mapCols = f.mapRows = cells;
        for (int r = 1; r <= cells; ++r) {
            for (int c = 1; c <= cells; ++c)
                f.cells[r][c] = (r * 7 + c * 3 + i) % 64 + 1;
        }
        f.mapWidth = f.mapHeight = cells * tile;
        f.mapPicture = Picture(f.mapWidth, f.mapHeight);
        for (int y = 0; y < f.mapHeight; ++y) {
            for (int x = 0; x < f.mapWidth; ++x)
                f.mapPicture.setPixel(x, y,
                                      std::uint32_t((x * 2654435761u + y * 40503u) & 0xFFFFFF));
        }
        f.tilesWidth = f.tilesHeight = 8 * tile;
        f.tilesPicture = Picture(f.tilesWidth, f.tilesHeight, 0x336699);
    }
    createLevel(*p, "Уровень 1");
    return p;
}

long peakMemoryMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

} // namespace

int main(int argc, char **argv)
{
    const fs::path folder = argc > 1 ? argv[1] : "/tmp";
    const int objects = argc > 2 ? std::atoi(argv[2]) : 20;
    const fs::path file = folder / "zor-bench-project.zor";
    const fs::path copy = folder / "zor-bench-copy.zor";

    auto project = largeProject(objects);
    const double save = medianSeconds([&] { saveProject(*project, file); });
    project.reset();
    const long afterSave = peakMemoryMiB();

    const std::string quoted = "'" + file.string() + "'";
    const double wc = medianSeconds([&] { shell("wc -l " + quoted + " > /dev/null"); });
    const double cat = medianSeconds([&] { shell("cat " + quoted + " > /dev/null"); });
    const double dd = medianSeconds([&] {
        shell("dd if=" + quoted + " of='" + copy.string() + "' bs=1M conv=fsync status=none");
    });

    auto loaded = std::make_unique<Project>();
    applyStartupValues(*loaded, "/tmp");
    const double load = medianSeconds([&] { loadProject(*loaded, file); });

    const double megabytes = double(fs::file_size(file)) / (1024 * 1024);
    std::printf("project file: %d background objects, %.0f MiB\n", objects, megabytes);
    std::printf("load   %7.3f s  = %5.2f x wc -l (%.3f s), %5.2f x cat (%.3f s)\n", load, load / wc,
                wc, load / cat, cat);
    std::printf("save   %7.3f s  = %5.2f x dd (%.3f s)\n", save, save / dd, dd);
    std::printf("peak memory: %ld MiB after saving, %ld MiB after loading\n", afterSave,
                peakMemoryMiB());
    fs::remove(file);
    fs::remove(copy);
    return 0;
}
