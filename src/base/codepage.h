#pragma once

#include <string>
#include <string_view>

namespace zor {

// Text files of the program are in code page 1251; inside, text is UTF-8.
std::string cp1251ToUtf8(std::string_view cp1251);
// Characters that code page 1251 cannot hold become "?".
std::string utf8ToCp1251(std::string_view utf8);

} // namespace zor
