#include "phonekeys.h"

#include <array>

namespace zor {
namespace {

constexpr std::array<PhoneKey, 19> keys{{
    {"L", 0, 0, "ls", "ls"},       {"R", 0, 2, "rs", "rs"},     {"|", 1, 1, "vu", "up"},
    {"--", 2, 0, "vl", "left"},    {"--", 2, 2, "vr", "right"}, {"|", 3, 1, "vd", "down"},
    {"E", 2, 1, "venter", "fire"}, {"1", 4, 0, "1", "1"},       {"2", 4, 1, "2", "2"},
    {"3", 4, 2, "3", "3"},         {"4", 5, 0, "4", "4"},       {"5", 5, 1, "5", "5"},
    {"6", 5, 2, "6", "6"},         {"7", 6, 0, "7", "7"},       {"8", 6, 1, "8", "8"},
    {"9", 6, 2, "9", "9"},         {"0", 7, 1, "0", "0"},       {"*", 7, 0, "*", "zv"},
    {"#", 7, 2, "#", "r"},
}};

} // namespace

std::span<const PhoneKey> phoneKeys()
{
    return keys;
}

} // namespace zor
