#include "linefile.h"

#include "codepage.h"
#include "error.h"
#include "numbers.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zor {
namespace {

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::string quoted(std::string_view line)
{
    constexpr size_t shown = 40;
    std::string text = cp1251ToUtf8(line.substr(0, shown));
    return "\"" + text + (line.size() > shown ? "...\"" : "\"");
}

constexpr size_t writeChunk = 1 << 20;

} // namespace

LineReader::LineReader(const std::filesystem::path &path)
    : m_fileName(path.string())
{
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        throw Error(m_fileName, 0, std::string("cannot open the file: ") + strerror(errno));
    struct stat status
    {};
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(descriptor);
        throw Error(m_fileName, 0, "cannot read the file: it is not a plain file");
    }
    m_size = size_t(status.st_size);
    if (m_size > 0) {
        void *mapped = mmap(nullptr, m_size, PROT_READ, MAP_PRIVATE, descriptor, 0);
        if (mapped == MAP_FAILED) {
            const std::string reason = strerror(errno);
            close(descriptor);
            throw Error(m_fileName, 0, "cannot read the file: " + reason);
        }
        madvise(mapped, m_size, MADV_SEQUENTIAL);
        m_data = static_cast<const char *>(mapped);
    }
    close(descriptor);
}

LineReader::~LineReader()
{
    if (m_data)
        munmap(const_cast<char *>(m_data), m_size);
}

void LineReader::fail(const std::string &message) const
{
    throw Error(m_fileName, int(m_lineNumber), message);
}

std::string_view LineReader::nextRaw(std::string_view what)
{
    if (atEnd()) {
        ++m_lineNumber;
        fail("the file ends early; expected " + std::string(what));
    }
    const char *start = m_data + m_position;
    const size_t left = m_size - m_position;
    const char *newline = static_cast<const char *>(memchr(start, '\n', left));
    size_t length = newline ? size_t(newline - start) : left;
    m_position += newline ? length + 1 : length;
    if (length > 0 && start[length - 1] == '\r')
        --length;
    ++m_lineNumber;
    return std::string_view(start, length);
}

std::string LineReader::nextText(std::string_view what)
{
    return cp1251ToUtf8(nextRaw(what));
}

int LineReader::nextInt(std::string_view what)
{
    const std::string_view line = nextRaw(what);
    const std::string_view digits = trimmed(line);
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size() || digits.empty())
        fail("expected " + std::string(what) + " (a whole number), found " + quoted(line));
    return value;
}

double LineReader::nextDecimal(std::string_view what)
{
    const std::string_view line = nextRaw(what);
    double value = 0;
    if (!parseDecimal(line, value))
        fail("expected " + std::string(what) + " (a number), found " + quoted(line));
    return value;
}

LineWriter::LineWriter(const std::filesystem::path &path)
    : m_file(path)
{
    m_buffer.reserve(writeChunk + 4096);
}

void LineWriter::flushIfFull()
{
    if (m_buffer.size() >= writeChunk) {
        m_file.write(m_buffer);
        m_buffer.clear();
    }
}

void LineWriter::writeRaw(std::string_view cp1251)
{
    m_buffer.append(cp1251);
    m_buffer.append("\r\n");
    flushIfFull();
}

void LineWriter::writeText(std::string_view utf8)
{
    writeRaw(utf8ToCp1251(utf8));
}

void LineWriter::writeInt(long long value)
{
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    m_buffer.append(digits, result.ptr);
    m_buffer.append("\r\n");
    flushIfFull();
}

void LineWriter::commit()
{
    m_file.write(m_buffer);
    m_buffer.clear();
    m_file.commit();
}

} // namespace zor
