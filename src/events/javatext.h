#pragma once

#include <string>
#include <string_view>

namespace zor {

// The characters of `text` as they must stand between the double quotes of a Java string
// literal: backslashes and double quotes get a backslash in front.
std::string escapeJavaString(std::string_view text);

} // namespace zor
