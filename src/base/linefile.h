#pragma once

#include "filesystem.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace zor {

// Reads a text file of code page 1251 one line at a time. Lines end with CR LF (a bare LF
// is accepted too). Every failure names the file and the line. The file is read in chunks
// that stay in the processor's cache while they are parsed.
class LineReader
{
public:
    explicit LineReader(const std::filesystem::path &path);
    ~LineReader();
    LineReader(const LineReader &) = delete;
    LineReader &operator=(const LineReader &) = delete;

    bool atEnd() { return !available(1); }
    // The number of the line read last (the first line is 1).
    long lineNumber() const { return m_lineNumber; }
    const std::string &fileName() const { return m_fileName; }

    // The next line as stored, without its line end; the view lasts until the next read.
    // `what` names the expected value for the message when the file ends early.
    std::string_view nextRaw(std::string_view what);
    // The next line converted to UTF-8.
    std::string nextText(std::string_view what);
    // The next line as a whole decimal number.
    int nextInt(std::string_view what);
    // The next `count` lines as whole numbers, as nextInt() reads them, but quicker: plain
    // digits with line ends are parsed in one pass.
    void nextInts(int *values, size_t count, std::string_view what);
    // The next line as a decimal number, possibly with a fraction ("12.5", "-3,25").
    double nextDecimal(std::string_view what);

    [[noreturn]] void fail(const std::string &message) const;

private:
    // Makes at least `bytes` unread bytes available unless the file ends first.
    bool available(size_t bytes);

    std::string m_fileName;
    int m_descriptor = -1;
    std::string m_buffer;
    size_t m_position = 0; // the first unread byte in m_buffer
    size_t m_end = 0;      // the end of the data in m_buffer
    bool m_fileEnded = false;
    long m_lineNumber = 0;
};

// Writes lines of code page 1251 ending with CR LF into a file that is replaced atomically
// by commit(); nothing is replaced when commit() is not reached.
class LineWriter
{
public:
    explicit LineWriter(const std::filesystem::path &path);

    void writeText(std::string_view utf8);
    void writeRaw(std::string_view cp1251);
    void writeInt(long long value);
    void commit();

private:
    void flushIfFull();

    AtomicFile m_file;
    std::string m_buffer;
};

} // namespace zor
