#include "commandline.h"

#include "base/error.h"
#include "build/gamecommands.h"
#include "build/headlessbuild.h"
#include "codegen/conversion.h"
#include "events/catalogue.h"
#include "model/projectfile.h"
#include "model/projectstate.h"
#include "model/settingsfile.h"

#include <QCoreApplication>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace zor {
namespace {

constexpr const char *usage = R"(usage: zorc [--root DIR] COMMAND [ARGUMENTS]

Commands:
  info FILE.zor          print the project's counts, MIDlet identity and levels
  resave IN.zor OUT.zor  load a project and write it again
  settings               print the settings of the program folder (creating them if missing)
  convert FILE.zor       turn the project into the game's Java sources, pictures, maps and
                         manifest under the program folder
  catalogue              print every condition and action item, one a line, tab-separated:
                         condition|action, menu path, hidden|disabled|-, display text,
                         code text; made with N=3 S=obj3 L=1 M=2 D=D J=J K1=vu K2=up
                         MIN=10 MAX=50 F=theme.wav T=audio/x-wav and a red filled
                         rectangle at 10,20 of 30x40 for the drawing primitive
  build FILE.zor         convert the project and build the game's archive in System/bin; the
                         tools' console text goes to standard output and the archive's path
                         is its last line; exit status 1 when the build failed
  run FILE.zor           open the project's built archive in the toolkit's emulator
  clean                  delete the leftovers of builds (*.txt, *.png, *.class, *.mid, *.jar)
                         from the program folder and its folders tmpclasses and classes

Options:
  --root DIR             the program folder (default: the folder of this executable)
  --help                 show this text
)";

// A mistake in the command line itself.
class UsageError : public Error
{
public:
    using Error::Error;
};

fs::path executableFolder()
{
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::current_path() : self.parent_path();
}

std::string homeFolder()
{
    const char *home = std::getenv("HOME");
    return home ? home : "/";
}

std::unique_ptr<Project> startProject(const fs::path &root)
{
    auto project = std::make_unique<Project>();
    applyStartupValues(*project, homeFolder());
    const LoadedSettings loaded = loadSettings(root);
    for (const std::string &problem : loaded.problems)
        std::cerr << "zorc: " << problem << '\n';
    project->bgColor = loaded.settings.bgColor;
    project->jdkPath = loaded.settings.jdkPath;
    project->wtkPath = loaded.settings.wtkPath;
    return project;
}

std::unique_ptr<Project> openProject(const fs::path &root, const std::string &file)
{
    std::unique_ptr<Project> project = startProject(root);
    clearProject(*project);
    loadProject(*project, file);
    return project;
}

void printInfo(const Project &p)
{
    std::cout << "fonCount=" << p.fonCount << '\n'
              << "activeCount=" << p.activeCount << '\n'
              << "textCount=" << p.textCount << '\n'
              << "eventCount=" << p.eventCount << '\n'
              << "levelCount=" << p.levelCount << '\n'
              << "currentLevel=" << p.currentLevel << '\n'
              << "midletName=" << p.midletName << '\n'
              << "midletVendor=" << p.midletVendor << '\n'
              << "midletVersion=" << p.midletVersion << '\n'
              << "bgColor=" << p.bgColor << '\n';
    for (int level = 1; level <= p.levelCount; ++level) {
        std::cout << "level." << level << '=' << p.levelNames[level] << ' ' << p.levelWidth[level]
                  << 'x' << p.levelHeight[level] << " fon=" << p.levelFon[level].fonPlacedCount
                  << " active=" << p.levelActive[level].activePlacedCount << '\n';
    }
}

void printSettings(const Settings &s)
{
    std::cout << "gridX=" << s.gridX << '\n'
              << "gridY=" << s.gridY << '\n'
              << "gridWidth=" << s.gridWidth << '\n'
              << "gridHeight=" << s.gridHeight << '\n'
              << "gridColor=" << s.gridColor << '\n'
              << "screenWidth=" << s.screenWidth << '\n'
              << "screenHeight=" << s.screenHeight << '\n'
              << "bgColor=" << s.bgColor << '\n'
              << "jdkPath=" << s.jdkPath << '\n'
              << "wtkPath=" << s.wtkPath << '\n';
}

int buildGame(const fs::path &root, const std::string &file)
{
    const std::unique_ptr<Project> project = openProject(root, file);
    const BuildPaths paths(root, project->jdkPath, project->wtkPath, project->midletName);
    int argc = 1;
    char name[] = "zorc";
    char *argv[] = {name, nullptr};
    const QCoreApplication application(argc, argv);
    // Qt takes the locale of the environment; numbers must keep their plain form.
    std::setlocale(LC_NUMERIC, "C");

    bool atLineStart = true;
    const BuildResult result = buildAndWait(
        paths, [&] { convertProject(*project, root); },
        [&](const QString &piece, OutputKind) {
            const QByteArray bytes = piece.toUtf8();
            std::cout.write(bytes.data(), bytes.size()).flush();
            atLineStart = bytes.endsWith('\n');
        });
    if (!atLineStart)
        std::cout << '\n';
    if (!result.succeeded()) {
        std::cout.flush();
        std::cerr << "zorc: " << result.message << '\n';
        return 1;
    }
    std::cout << result.archive.string() << std::endl;
    return 0;
}

void expectArguments(const std::vector<std::string> &arguments, size_t count)
{
    if (arguments.size() != count + 1)
        throw UsageError("'" + arguments[0] + "' takes " + std::to_string(count) +
                         (count == 1 ? " argument" : " arguments"));
}

int run(const fs::path &root, const std::vector<std::string> &arguments)
{
    const std::string &command = arguments[0];
    if (command == "info") {
        expectArguments(arguments, 1);
        printInfo(*openProject(root, arguments[1]));
    } else if (command == "resave") {
        expectArguments(arguments, 2);
        saveProject(*openProject(root, arguments[1]), arguments[2]);
    } else if (command == "convert") {
        expectArguments(arguments, 1);
        convertProject(*openProject(root, arguments[1]), root);
    } else if (command == "settings") {
        expectArguments(arguments, 0);
        const LoadedSettings loaded = loadSettings(root);
        for (const std::string &problem : loaded.problems)
            std::cerr << "zorc: " << problem << '\n';
        printSettings(loaded.settings);
    } else if (command == "catalogue") {
        expectArguments(arguments, 0);
        std::cout << catalogueListing(sampleValues());
    } else if (command == "build") {
        expectArguments(arguments, 1);
        return buildGame(root, arguments[1]);
    } else if (command == "run") {
        expectArguments(arguments, 1);
        const std::unique_ptr<Project> project = openProject(root, arguments[1]);
        const BuildPaths paths(root, project->jdkPath, project->wtkPath, project->midletName);
        if (!runGame(paths)) {
            std::cerr << "zorc: " << paths.archive().string()
                      << ": there is no archive to run; build the game first\n";
            return 1;
        }
    } else if (command == "clean") {
        expectArguments(arguments, 0);
        cleanProgramFolder(root);
    } else {
        throw UsageError("unknown command '" + command + "'");
    }
    return 0;
}

} // namespace

int runCommandLine(int argc, char **argv)
{
    fs::path root = executableFolder();
    std::vector<std::string> arguments;
    try {
        for (int i = 1; i < argc; ++i) {
            const std::string argument = argv[i];
            if (argument == "--help" || argument == "-h") {
                std::cout << usage;
                return 0;
            }
            if (argument == "--root") {
                if (++i == argc)
                    throw UsageError("--root needs a folder");
                root = argv[i];
            } else {
                arguments.push_back(argument);
            }
        }
        if (arguments.empty())
            throw UsageError("no command given");
        return run(root, arguments);
    } catch (const UsageError &error) {
        std::cerr << "zorc: " << error.what() << "\n" << usage;
        return 2;
    } catch (const Error &error) {
        std::cerr << "zorc: " << error.where() << '\n';
        return 2;
    } catch (const std::exception &error) {
        std::cerr << "zorc: " << error.what() << '\n';
        return 2;
    }
}

} // namespace zor
