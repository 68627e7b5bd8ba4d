#include "quietfiles.h"

#include "base/filesystem.h"

namespace zor {

void deleteFilesQuietly(const std::filesystem::path &folder, std::string_view pattern)
{
    for (const std::filesystem::path &file : matchFiles(folder, pattern)) {
        std::error_code ignored;
        std::filesystem::remove(file, ignored);
    }
}

} // namespace zor
