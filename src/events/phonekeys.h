#pragma once

#include <span>

namespace zor {

// A button of the key dialog, laid out like a phone: soft keys in the top corners, the
// direction cross around the centre key, then the digit pad. Pressing it hands back its
// display name (K1) and the name the game's key variables carry (K2: "key_" K2 "_1").
struct PhoneKey
{
    const char *caption;
    int row;    // 0..7 from the top
    int column; // 0..2 from the left
    const char *displayName;
    const char *codeName;
};

// The nineteen buttons in dialog order.
std::span<const PhoneKey> phoneKeys();

} // namespace zor
