#pragma once

#include <filesystem>
#include <string_view>

namespace zor {

// Deletes every plain file of `folder` that matches the "*.ext"-style pattern; a file that
// cannot be deleted is skipped, and a missing folder has nothing to delete.
void deleteFilesQuietly(const std::filesystem::path &folder, std::string_view pattern);

} // namespace zor
