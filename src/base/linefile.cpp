#include "linefile.h"

#include "codepage.h"
#include "error.h"
#include "numbers.h"

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
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
constexpr size_t readChunk = 256 << 10;

} // namespace

LineReader::LineReader(const std::filesystem::path &path)
    : m_fileName(path.string())
    , m_buffer(readChunk, '\0')
{
    m_descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_descriptor < 0)
        throw Error(m_fileName, 0, std::string("cannot open the file: ") + strerror(errno));
    struct stat status
    {};
    if (fstat(m_descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(m_descriptor);
        throw Error(m_fileName, 0, "cannot read the file: it is not a plain file");
    }
    posix_fadvise(m_descriptor, 0, 0, POSIX_FADV_SEQUENTIAL);
}

LineReader::~LineReader()
{
    close(m_descriptor);
}

bool LineReader::available(size_t bytes)
{
    if (m_end - m_position >= bytes)
        return true;
    if (m_fileEnded)
        return false;
    m_buffer.erase(0, m_position);
    m_end -= m_position;
    m_position = 0;
    if (m_buffer.size() < bytes + readChunk)
        m_buffer.resize(bytes + readChunk);
    while (m_end < bytes) {
        const ssize_t got = read(m_descriptor, m_buffer.data() + m_end, m_buffer.size() - m_end);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            fail(std::string("cannot read the file: ") + strerror(errno));
        }
        if (got == 0) {
            m_fileEnded = true;
            break;
        }
        m_end += size_t(got);
    }
    return m_end >= bytes;
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
    const char *newline = nullptr;
    size_t searched = 0;
    for (;;) {
        const char *unread = m_buffer.data() + m_position;
        newline = static_cast<const char *>(
            memchr(unread + searched, '\n', m_end - m_position - searched));
        searched = m_end - m_position;
        if (newline || !available(searched + 1))
            break;
    }
    const char *start = m_buffer.data() + m_position;
    size_t length = newline ? size_t(newline - start) : m_end - m_position;
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
    std::string_view digits = trimmed(line);
    if (digits.size() > 1 && digits[0] == '+' && digits[1] >= '0' && digits[1] <= '9')
        digits.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size() || digits.empty())
        fail("expected " + std::string(what) + " (a whole number), found " + quoted(line));
    return value;
}

namespace {

// The number of leading decimal digits among the eight bytes of `chunk` (little-endian: the
// first character in the lowest byte). Borrows and carries only run towards later bytes, so
// the first non-digit is found exactly.
int leadingDigits(std::uint64_t chunk)
{
    const std::uint64_t nonDigit =
        ((chunk - 0x3030303030303030ULL) | (chunk + 0x4646464646464646ULL)) & 0x8080808080808080ULL;
    return nonDigit == 0 ? 8 : __builtin_ctzll(nonDigit) / 8;
}

// The value of the first `digits` (1..8) characters of `chunk`, eight digits at a time.
std::uint32_t digitsValue(std::uint64_t chunk, int digits)
{
    std::uint64_t v = (chunk - 0x3030303030303030ULL) << (8 * (8 - digits));
    v = (v * 10 + (v >> 8)) & 0x00FF00FF00FF00FFULL;
    v = (v * 100 + (v >> 16)) & 0x0000FFFF0000FFFFULL;
    v = (v * 10000 + (v >> 32)) & 0x00000000FFFFFFFFULL;
    return std::uint32_t(v);
}

} // namespace

void LineReader::nextInts(int *values, size_t count, std::string_view what)
{
    constexpr size_t lookAhead = 16;
    for (size_t i = 0; i < count; ++i) {
        // Plain lines of up to eight digits are parsed eight bytes at a time; anything else
        // takes the careful way, which also words the errors.
        if (available(lookAhead)) {
            const char *p = m_buffer.data() + m_position;
            const bool negative = *p == '-';
            const char *digits = p + negative;
            std::uint64_t chunk;
            std::memcpy(&chunk, digits, sizeof chunk);
            const int length = leadingDigits(chunk);
            const char *after = digits + length;
            after += *after == '\r';
            if (length > 0 && *after == '\n') {
                const int value = int(digitsValue(chunk, length));
                values[i] = negative ? -value : value;
                m_position = size_t(after + 1 - m_buffer.data());
                ++m_lineNumber;
                continue;
            }
        }
        values[i] = nextInt(what);
    }
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
