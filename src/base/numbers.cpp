#include "numbers.h"

#include <charconv>
#include <string>

namespace zor {

bool parseDecimal(std::string_view text, double &value)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    std::string digits(text);
    for (char &c : digits) {
        if (c == ',')
            c = '.';
    }
    const char *end = digits.data() + digits.size();
    const auto result = std::from_chars(digits.data(), end, value, std::chars_format::fixed);
    return !digits.empty() && result.ec == std::errc() && result.ptr == end;
}

} // namespace zor
