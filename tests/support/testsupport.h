#pragma once

#include "model/project.h"

#include <filesystem>
#include <random>
#include <string>

namespace zor::test {

// A fresh folder under the system's temporary folder, removed with its contents afterwards.
class TemporaryFolder
{
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder &) = delete;
    TemporaryFolder &operator=(const TemporaryFolder &) = delete;

    const std::filesystem::path &path() const { return m_path; }
    std::filesystem::path operator/(const std::string &name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

std::string readFile(const std::filesystem::path &file);
void writeFile(const std::filesystem::path &file, const std::string &bytes);

// A project filled with random values within the tables' capacities; `scale` (0..1) bounds
// how many definitions, levels, events and pixels it gets.
std::unique_ptr<Project> randomProject(std::mt19937 &random, double scale = 0.1);

} // namespace zor::test
