#include "filesystem.h"

#include "error.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zor {

AtomicFile::AtomicFile(fs::path target, Durability durability)
    : m_target(std::move(target))
    , m_durability(durability)
{
    const fs::path folder = m_target.has_parent_path() ? m_target.parent_path() : fs::path(".");
    std::string pattern = (folder / ("." + m_target.filename().string() + ".XXXXXX")).string();
    m_descriptor = mkstemp(pattern.data());
    if (m_descriptor < 0)
        throw Error(m_target.string(), 0, std::string("cannot write the file: ") + strerror(errno));
    m_temporary = pattern;
    // mkstemp makes the file private; give it the mode a newly created file would have.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(m_descriptor, 0666 & ~mask);
}

AtomicFile::~AtomicFile()
{
    if (m_descriptor >= 0) {
        close(m_descriptor);
        unlink(m_temporary.c_str());
    }
}

void AtomicFile::fail(const std::string &what)
{
    const std::string reason = strerror(errno);
    close(m_descriptor);
    m_descriptor = -1;
    unlink(m_temporary.c_str());
    throw Error(m_target.string(), 0, what + ": " + reason);
}

void AtomicFile::write(std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(m_descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            fail("cannot write the file");
        }
        bytes.remove_prefix(size_t(written));
    }
}

void AtomicFile::commit()
{
    if (m_durability == Durability::Synced && fsync(m_descriptor) != 0)
        fail("cannot write the file");
    if (close(m_descriptor) != 0) {
        m_descriptor = -1;
        unlink(m_temporary.c_str());
        throw Error(m_target.string(), 0, std::string("cannot write the file: ") + strerror(errno));
    }
    m_descriptor = -1;
    if (rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        const std::string reason = strerror(errno);
        unlink(m_temporary.c_str());
        throw Error(m_target.string(), 0, "cannot replace the file: " + reason);
    }
}

void replaceFile(const fs::path &target, std::string_view bytes, Durability durability)
{
    AtomicFile file(target, durability);
    file.write(bytes);
    file.commit();
}

std::vector<fs::path> matchFiles(const fs::path &folder, std::string_view pattern)
{
    std::vector<fs::path> files;
    std::error_code error;
    const std::string wildcard(pattern);
    for (const fs::directory_entry &entry : fs::directory_iterator(folder, error)) {
        if (entry.is_regular_file(error) &&
            fnmatch(wildcard.c_str(), entry.path().filename().c_str(), 0) == 0)
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

int deleteFiles(const fs::path &folder, std::string_view pattern)
{
    int deleted = 0;
    for (const fs::path &file : matchFiles(folder, pattern)) {
        std::error_code error;
        if (!fs::remove(file, error))
            throw Error(file.string(), 0, "cannot delete the file: " + error.message());
        ++deleted;
    }
    return deleted;
}

int copyFiles(const fs::path &fromFolder, std::string_view pattern, const fs::path &toFolder,
              bool overwrite)
{
    int copied = 0;
    for (const fs::path &file : matchFiles(fromFolder, pattern)) {
        const fs::path target = toFolder / file.filename();
        std::error_code error;
        if (!overwrite && fs::exists(target, error))
            continue;
        fs::copy_file(file, target, fs::copy_options::overwrite_existing, error);
        if (error)
            throw Error(target.string(), 0,
                        "cannot copy " + file.string() + ": " + error.message());
        ++copied;
    }
    return copied;
}

} // namespace zor
