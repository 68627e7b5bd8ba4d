#pragma once

#include "project.h"

#include <filesystem>

namespace zor {

// The project file: one value per line in code page 1251, CR LF line ends, meaning by
// position. Pictures are stored column by column, one colour value per pixel, with an extra
// column and row of "-1".

// Writes the project; the previous file is replaced only when the whole file was written.
void saveProject(const Project &project, const std::filesystem::path &file);

// Reads a project file into `project`, which is changed only when the whole file was read;
// a failure names the file, the line and what was expected there. Table rows beyond the
// counts read keep what they held. Sets `projectFile`, `projectDir` and `currentLevel`.
void loadProject(Project &project, const std::filesystem::path &file);

} // namespace zor
