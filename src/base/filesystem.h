#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zor {

// Whether a replaced file must reach the disk before it takes the old one's place. Files made
// again from others on every run (generated sources, exported pictures) need not wait for
// the disk; the replacement is atomic all the same.
enum class Durability
{
    Synced,
    Cached
};

// Writes a file so that readers see either the old or the new content, never a part: the
// bytes go to a temporary file in the same folder, which is flushed and then renamed over
// the target. On failure the old file is kept and the temporary one removed.
class AtomicFile
{
public:
    explicit AtomicFile(std::filesystem::path target, Durability durability = Durability::Synced);
    ~AtomicFile();
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    void write(std::string_view bytes);
    void commit();

private:
    void fail(const std::string &what);

    std::filesystem::path m_target;
    std::string m_temporary;
    int m_descriptor = -1;
    Durability m_durability;
};

void replaceFile(const std::filesystem::path &target, std::string_view bytes,
                 Durability durability = Durability::Synced);

// "*.ext"-style patterns (shell wildcards) over the plain files of one folder, sorted by name.
std::vector<std::filesystem::path> matchFiles(const std::filesystem::path &folder,
                                              std::string_view pattern);
// Returns how many files were deleted; a missing folder has none.
int deleteFiles(const std::filesystem::path &folder, std::string_view pattern);
// Returns how many files were copied; an existing target is replaced only with `overwrite`.
int copyFiles(const std::filesystem::path &fromFolder, std::string_view pattern,
              const std::filesystem::path &toFolder, bool overwrite);

} // namespace zor
