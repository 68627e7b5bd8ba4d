#pragma once

#include <string_view>

namespace zor {

// A decimal number as a person types it: blanks around it are ignored and the decimal
// separator may be a point or a comma ("12.5", "-3,25"). False when the text is not one.
bool parseDecimal(std::string_view text, double &value);

} // namespace zor
