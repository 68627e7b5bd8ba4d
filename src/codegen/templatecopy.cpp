#include "templatecopy.h"

#include "base/error.h"

#include <algorithm>
#include <bitset>
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
// Where the line that starts at `from` ends: at the first CR or LF, or at the end.
size_t lineEnd(std::string_view text, size_t from)
{
    size_t end = text.find('\n', from);
    if (end == std::string_view::npos)
        end = text.size();
    const size_t carriageReturn = text.substr(0, end).find('\r', from);
    return std::min(end, carriageReturn);
}

// The bytes that occur in a line: most markers can be ruled out without a search.
class ByteSet
{
public:
    void assign(std::string_view text)
    {
        m_bits.reset();
        for (unsigned char c : text)
            m_bits.set(c);
    }
    bool mayHold(std::string_view marker) const
    {
        return marker.empty() || (m_bits.test(static_cast<unsigned char>(marker.front())) &&
                                  m_bits.test(static_cast<unsigned char>(marker.back())));
    }

private:
    std::bitset<256> m_bits;
};

// Returns whether the line changed.
bool replaceAll(std::string &line, std::string_view marker, std::string_view text,
                std::string &scratch)
{
    size_t found = line.find(marker);
    if (found == std::string::npos)
        return false;
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
    return true;
}

} // namespace

void copyTemplate(std::string_view source, std::span<const Replacement> replacements,
                  std::string &output)
{
    output.reserve(output.size() + source.size());
    std::string line;
    std::string scratch;
    ByteSet present;
    size_t position = 0;
    while (true) {
        while (position < source.size() && isBlank(source[position]))
            ++position;
        if (position == source.size())
            return;
        const size_t end = lineEnd(source, position);
        const std::string_view original = source.substr(position, end - position);
        position = end;
        if (replacements.empty()) {
            output.append(original);
        } else {
            line.assign(original);
            present.assign(line);
            for (const Replacement &replacement : replacements) {
                if (present.mayHold(replacement.marker) &&
                    replaceAll(line, replacement.marker, replacement.text, scratch))
                    present.assign(line);
            }
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
