#pragma once

#include <stdexcept>
#include <string>

namespace zor {

// A failure a user can act on: what went wrong, and where when a file is involved.
class Error : public std::runtime_error
{
public:
    explicit Error(const std::string &message)
        : std::runtime_error(message)
    {}
    Error(std::string file, int line, const std::string &message)
        : std::runtime_error(message)
        , m_file(std::move(file))
        , m_line(line)
    {}

    const std::string &file() const { return m_file; }
    int line() const { return m_line; }
    // "FILE:LINE: message", "FILE: message" or just the message.
    std::string where() const;

private:
    std::string m_file;
    int m_line = 0;
};

} // namespace zor
