#include "model/leveloperations.h"
#include "model/projectfile.h"
#include "model/projectstate.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sys/wait.h>

namespace fs = std::filesystem;
using namespace zor;
using zor::test::readFile;
using zor::test::TemporaryFolder;

namespace {

struct ZorcRun
{
    int status;
    std::string output; // standard output and standard error together
};

ZorcRun zorc(const std::string &arguments)
{
    const std::string command = std::string(ZORC_PATH) + " " + arguments + " 2>&1";
    FILE *pipe = popen(command.c_str(), "r");
    std::string output;
    std::array<char, 4096> buffer;
    while (size_t got = fread(buffer.data(), 1, buffer.size(), pipe))
        output.append(buffer.data(), got);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

} // namespace

TEST(Zorc, InfoPrintsCountsIdentityAndLevels)
{
    TemporaryFolder folder;
    auto p = std::make_unique<Project>();
    applyStartupValues(*p, "/tmp");
    createLevel(*p, "Лес");
    createLevel(*p, "Пещера");
    p->levelWidth[2] = 480;
    p->levelHeight[2] = 320;
    p->levelFon[2].fonPlacedCount = 1;
    p->bgColor = 255;
    saveProject(*p, folder / "game.zor");

    const ZorcRun run =
        zorc("--root " + folder.path().string() + " info " + (folder / "game.zor").string());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output,
              "fonCount=0\nactiveCount=0\ntextCount=0\neventCount=0\nlevelCount=2\n"
              "currentLevel=2\nmidletName=szor\nmidletVendor=tolvakn\nmidletVersion=1.0\n"
              "bgColor=255\nlevel.1=Лес 240x320 fon=0 active=0\n"
              "level.2=Пещера 480x320 fon=1 active=0\n");

    EXPECT_EQ(zorc("--root " + folder.path().string() + " resave " +
                   (folder / "game.zor").string() + " " + (folder / "copy.zor").string())
                  .status,
              0);
    EXPECT_EQ(readFile(folder / "copy.zor"), readFile(folder / "game.zor"));
}

TEST(Zorc, ErrorsNameFileAndLineWithStatusTwo)
{
    TemporaryFolder folder;
    test::writeFile(folder / "bad.zor", "0\r\nlots\r\n");
    const std::string root = "--root " + folder.path().string() + " ";
    const ZorcRun bad = zorc(root + "info " + (folder / "bad.zor").string());
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.output, "zorc: " + (folder / "bad.zor").string() +
                              ":2: expected the number of active objects (a whole number), "
                              "found \"lots\"\n");
    const ZorcRun missing = zorc(root + "info " + (folder / "none.zor").string());
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.output, "zorc: " + (folder / "none.zor").string() +
                                  ": cannot open the file: No such file or directory\n");
    EXPECT_EQ(zorc(root + "frobnicate").status, 2);
    EXPECT_EQ(zorc(root + "info").status, 2);
    const ZorcRun help = zorc("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.output.find("resave IN.zor OUT.zor"), std::string::npos);
}

TEST(Zorc, RunWithoutAnArchiveFailsAndCleanSucceeds)
{
    TemporaryFolder folder;
    auto p = std::make_unique<Project>();
    applyStartupValues(*p, "/tmp");
    p->midletName = "Game";
    saveProject(*p, folder / "game.zor");
    test::writeFile(folder / "left.class", "");
    const std::string root = "--root " + folder.path().string() + " ";

    const ZorcRun run = zorc(root + "run " + (folder / "game.zor").string());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output, "zorc: " + (folder / "System/bin/Game.jar").string() +
                              ": there is no archive to run; build the game first\n");
    EXPECT_EQ(zorc(root + "clean").status, 0);
    EXPECT_FALSE(fs::exists(folder / "left.class"));
}
