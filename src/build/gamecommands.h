#pragma once

#include "buildpaths.h"

#include <filesystem>

namespace zor {

// Opens the game's archive in the toolkit's emulator, which runs on its own. Returns false and
// starts nothing when there is no archive; throws Error when the emulator cannot be started.
bool runGame(const BuildPaths &paths);

// Deletes the leftovers of builds from the program folder: its *.txt, *.png, *.class, *.mid
// and *.jar files, then the *.class files of its folders tmpclasses and classes. A file that
// cannot be deleted is skipped. The build's own folders under System are not touched.
void cleanProgramFolder(const std::filesystem::path &programFolder);

} // namespace zor
