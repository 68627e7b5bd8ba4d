#include "gamerunner.h"

#include "base/error.h"
#include "base/pngfile.h"
#include "codegen/conversion.h"

#include <array>
#include <cstdio>
#include <memory>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace zor::game {
namespace {

void copyTemplates(const fs::path &from, const fs::path &to)
{
    fs::create_directories(to / "System");
    fs::copy(from / "System" / "draft", to / "System" / "draft",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    fs::copy_file(from / "System" / "MANIFEST.MF", to / "System" / "MANIFEST.MF",
                  fs::copy_options::overwrite_existing);
}

void step(const std::string &what, const std::string &commandLine)
{
    std::string output;
    if (runCommand(commandLine, output) != 0)
        throw Error(what + " failed:\n" + commandLine + "\n" + output);
}

} // namespace

ToolChain ToolChain::configured()
{
    ToolChain tools;
    tools.programFolder = ZOR_STAGE_DIR;
    tools.ecj = ZOR_ECJ;
    tools.jar = ZOR_JAR;
    return tools;
}

std::string quoted(const std::string &text)
{
    std::string result = "'";
    for (char c : text) {
        if (c == '\'')
            result += "'\\''";
        else
            result += c;
    }
    return result + "'";
}

int runCommand(const std::string &commandLine, std::string &output)
{
    output.clear();
    FILE *pipe = popen((commandLine + " 2>&1").c_str(), "r");
    if (!pipe)
        throw Error("cannot run: " + commandLine);
    std::array<char, 4096> buffer;
    size_t read;
    while ((read = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        output.append(buffer.data(), read);
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

fs::path buildGame(const Project &project, const fs::path &folder, const ToolChain &tools)
{
    copyTemplates(tools.programFolder, folder);
    // A project is too large for the stack.
    auto copy = std::make_unique<Project>(project);
    copy->projectDir = (folder / "project").string();
    convertProject(*copy, folder);

    const fs::path wtk = tools.programFolder / "wtk";
    const std::string cldc = quoted((wtk / "lib" / "cldcapi11.jar").string());
    const std::string midp = quoted((wtk / "lib" / "midpapi20.jar").string());
    const std::string classPath = cldc + ":" + midp;
    const fs::path system = folder / "System";
    fs::create_directories(system / "tmpclasses");
    fs::create_directories(system / "classes");
    std::string sources;
    for (const fs::directory_entry &entry : fs::directory_iterator(system / "src"))
        sources += " " + quoted(entry.path().string());
    // Stricter than the studio's build: with CLDC as the boot class path a game that uses
    // anything of the desktop's Java beyond CLDC 1.1 does not compile.
    step("compiling", quoted(tools.ecj) + " -source 1.3 -target 1.3 -encoding Cp1251 -nowarn" +
                          " -bootclasspath " + cldc + " -classpath " + midp + " -d " +
                          quoted((system / "tmpclasses").string()) + sources);
    step("preverifying", quoted((wtk / "bin" / "preverify").string()) + " -classpath " + classPath +
                             " -d " + quoted((system / "classes").string()) + " " +
                             quoted((system / "tmpclasses").string()));
    const fs::path jar = system / "bin" / "game.jar";
    step("packing", quoted(tools.jar) + " cfm " + quoted(jar.string()) + " " +
                        quoted((folder / "MANIFEST.MF").string()) + " -C " +
                        quoted((system / "classes").string()) + " . -C " +
                        quoted((system / "res").string()) + " .");
    return jar;
}

GameRun runGame(const fs::path &jar, int millis, const std::string &keys, const ToolChain &tools)
{
    const fs::path screenshot = jar.parent_path() / "screen.png";
    std::error_code ignored;
    fs::remove(screenshot, ignored);
    GameRun run;
    run.exitCode =
        runCommand(quoted((tools.programFolder / "wtk" / "bin" / "emulator").string()) +
                       " --headless --time-ms " + std::to_string(millis) +
                       (keys.empty() ? "" : " --keys " + quoted(keys)) + " --screenshot " +
                       quoted(screenshot.string()) + " " + quoted(jar.string()),
                   run.output);
    if (fs::exists(screenshot))
        run.screen = readPng(screenshot);
    return run;
}

} // namespace zor::game
