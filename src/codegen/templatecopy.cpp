#include "templatecopy.h"

#include "base/error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zor {
namespace {

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

// Replaces every occurrence of `marker` in `line`, scanning left to right and never looking
// again at inserted text.
void replaceAll(std::string &line, std::string_view marker, std::string_view text,
                std::string &scratch)
{
    size_t found = line.find(marker);
    if (found == std::string::npos)
        return;
    scratch.clear();
    size_t from = 0;
    do {
        scratch.append(line, from, found - from);
        scratch.append(text);
        from = found + marker.size();
        found = line.find(marker, from);
    } while (found != std::string::npos);
    scratch.append(line, from);
    line.swap(scratch);
}

} // namespace

void copyTemplate(std::string_view source, std::span<const Replacement> replacements,
                  std::string &output)
{
    output.reserve(output.size() + source.size());
    std::string line;
    std::string scratch;
    size_t position = 0;
    while (true) {
        while (position < source.size() && isBlank(source[position]))
            ++position;
        if (position == source.size())
            return;
        size_t end = source.find_first_of("\r\n", position);
        if (end == std::string_view::npos)
            end = source.size();
        const std::string_view original = source.substr(position, end - position);
        position = end;
        if (replacements.empty()) {
            output.append(original);
        } else {
            line.assign(original);
            for (const Replacement &replacement : replacements)
                replaceAll(line, replacement.marker, replacement.text, scratch);
            output.append(line);
        }
        output.append("\r\n");
    }
}

std::string copyTemplate(std::string_view source, std::span<const Replacement> replacements)
{
    std::string output;
    copyTemplate(source, replacements, output);
    return output;
}

std::string readWholeFile(const std::filesystem::path &file)
{
    const auto fail = [&](const std::string &reason) {
        return Error(file.string(), 0, "cannot read the file: " + reason);
    };
    const int descriptor = open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        throw fail(strerror(errno));
    std::string bytes;
    struct stat status
    {};
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(descriptor);
        throw fail("it is not a plain file");
    }
    bytes.resize(size_t(status.st_size));
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = read(descriptor, bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            const std::string reason = got < 0 ? strerror(errno) : "the file shrank while read";
            close(descriptor);
            throw fail(reason);
        }
        done += size_t(got);
    }
    close(descriptor);
    return bytes;
}

} // namespace zor
