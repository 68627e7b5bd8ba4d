#include "error.h"

namespace zor {

std::string Error::where() const
{
    if (m_file.empty())
        return what();
    if (m_line > 0)
        return m_file + ":" + std::to_string(m_line) + ": " + what();
    return m_file + ": " + what();
}

} // namespace zor
