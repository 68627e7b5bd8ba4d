#pragma once

#include "filesystem.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace zor {

// Reads a text file of code page 1251 one line at a time. Lines end with CR LF (a bare LF
// is accepted too). Every failure names the file and the line.
class LineReader
{
public:
    explicit LineReader(const std::filesystem::path &path);
    ~LineReader();
    LineReader(const LineReader &) = delete;
    LineReader &operator=(const LineReader &) = delete;

    bool atEnd() const { return m_position >= m_size; }
    // The number of the line read last (the first line is 1).
    long lineNumber() const { return m_lineNumber; }
    const std::string &fileName() const { return m_fileName; }

    // The next line as stored, without its line end. `what` names the expected value
    // for the message when the file ends early.
    std::string_view nextRaw(std::string_view what);
    // The next line converted to UTF-8.
    std::string nextText(std::string_view what);
    // The next line as a whole decimal number.
    int nextInt(std::string_view what);
    // The next line as a decimal number, possibly with a fraction ("12.5", "-3,25").
    double nextDecimal(std::string_view what);

    [[noreturn]] void fail(const std::string &message) const;

private:
    std::string m_fileName;
    const char *m_data = nullptr;
    size_t m_size = 0;
    size_t m_position = 0;
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
