// Times `zorc build` of the build tests' fixture project and compares it with running the
// same three tools (compiler, preverifier, archiver) by hand on the same converted tree, with
// the file copies between them, in the same run. `zorc convert` is timed as well, to tell what
// the loading and conversion of the project cost from what the build adds to the tools. The runs
// alternate so that both see the same machine.
//
//   bench_build [RUNS]     (default 5; the medians are compared)
#include "build/shellquote.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string quoted(const std::string &text)
{
    return zor::quoteForShell(QString::fromStdString(text)).toStdString();
}

double secondsOf(const std::string &command)
{
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "failed: %s\n", command.c_str());
        std::exit(1);
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::string pattern = (fs::temp_directory_path() / "zor-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        return 1;
    const fs::path root = fs::path(pattern) / "program folder";
    fs::copy(ZOR_FIXTURES "/programfolder", root, fs::copy_options::recursive);
    fs::create_directory_symlink(ZOR_WTK_DIR, root / "wtk");

    const std::string project = quoted(ZOR_FIXTURES "/fixture.zor");
    const std::string zorcRoot = quoted(ZORC_PATH) + " --root " + quoted(root.string());
    const std::string zorc = zorcRoot + " build " + project + " > /dev/null";
    const std::string convert = zorcRoot + " convert " + project;
    const std::string wtk = ZOR_WTK_DIR;
    const std::string classPath = quoted(wtk + "/lib/cldcapi11.jar:" + wtk + "/lib/midpapi20.jar");
    const std::string byHand =
        "cd " + quoted(root.string()) +
        " && rm -rf hand && mkdir -p hand/tmpclasses hand/classes hand/pack" +
        " && ecj -source 1.3 -target 1.3 -encoding Cp1251 -classpath " + classPath +
        " -d hand/tmpclasses System/src/*.java > /dev/null" + " && " +
        quoted(wtk + "/bin/preverify") + " -classpath " + classPath +
        " -d hand/classes hand/tmpclasses" + " && cp hand/classes/*.class System/res/* hand/pack/" +
        " && jar cmf MANIFEST.MF hand/game.jar -C hand/pack .";

    // The first build converts the project, so both sides then work on the same tree.
    secondsOf(zorc);
    std::vector<double> zorcTimes;
    std::vector<double> handTimes;
    std::vector<double> convertTimes;
    for (int i = 0; i < runs; ++i) {
        zorcTimes.push_back(secondsOf(zorc));
        handTimes.push_back(secondsOf(byHand));
        convertTimes.push_back(secondsOf(convert));
    }
    fs::remove_all(pattern);

    const double built = median(zorcTimes);
    const double tools = median(handTimes);
    std::printf("zorc build (conversion and build): %.3f s\n", built);
    std::printf("the three tools by hand:           %.3f s\n", tools);
    std::printf("ratio: %.3f (goal: at most 1.2)\n", built / tools);
    // What the build adds to the tools, without loading and converting the project.
    const double converted = median(convertTimes);
    std::printf("zorc convert alone (loading and conversion): %.3f s\n", converted);
    std::printf("ratio without it: %.3f\n", (built - converted) / tools);
    return 0;
}
