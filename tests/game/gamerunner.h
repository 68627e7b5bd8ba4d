#pragma once

#include "base/picture.h"
#include "model/project.h"

#include <filesystem>
#include <string>

// Turning a project into a game archive with the real tool chain (conversion, ecj at source
// level 1.3, preverification, jar) and running it in the emulator without a window.
namespace zor::game {

// Where the tools are: the staged program folder (templates and toolkit), ecj and jar.
struct ToolChain
{
    std::filesystem::path programFolder;
    std::string ecj = "ecj";
    std::string jar = "jar";

    // From the locations the build configured.
    static ToolChain configured();
};

// Builds the project in `folder` (a program folder of its own, with the templates copied in)
// and returns the archive. Sounds are taken from `folder`/project/res. Throws with the tool's
// output when a step fails.
std::filesystem::path buildGame(const Project &project, const std::filesystem::path &folder,
                                const ToolChain &tools = ToolChain::configured());

struct GameRun
{
    int exitCode = -1;
    std::string output; // standard output and error of the emulator
    Picture screen;     // the last frame
};

// Runs an archive headless for `millis` with a key script ("700:FIRE+ 800:FIRE-").
GameRun runGame(const std::filesystem::path &jar, int millis, const std::string &keys,
                const ToolChain &tools = ToolChain::configured());

// Runs a command line through the shell; its output (both streams) goes to `output`.
int runCommand(const std::string &commandLine, std::string &output);
std::string quoted(const std::string &text);

} // namespace zor::game
