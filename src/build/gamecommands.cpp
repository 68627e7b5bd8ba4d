#include "gamecommands.h"

#include "quietfiles.h"

#include "base/error.h"

#include <QProcess>

namespace fs = std::filesystem;

namespace zor {

bool runGame(const BuildPaths &paths)
{
    if (!fs::is_regular_file(paths.archive()))
        return false;
    QProcess emulator;
    emulator.setProgram(QString::fromStdString(paths.emulator().string()));
    emulator.setArguments({QString::fromStdString(paths.archive().string())});
    emulator.setWorkingDirectory(QString::fromStdString(paths.programFolder().string()));
    if (!emulator.startDetached())
        throw Error(paths.emulator().string(), 0,
                    "cannot start the emulator: " + emulator.errorString().toStdString());
    return true;
}

void cleanProgramFolder(const fs::path &programFolder)
{
    for (const char *pattern : {"*.txt", "*.png", "*.class", "*.mid", "*.jar"})
        deleteFilesQuietly(programFolder, pattern);
    deleteFilesQuietly(programFolder / "tmpclasses", "*.class");
    deleteFilesQuietly(programFolder / "classes", "*.class");
}

} // namespace zor
