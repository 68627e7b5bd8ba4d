#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zor {

// What the timer set-up dialog hands back: "minutes/seconds/hundredths" as typed, and the
// time in milliseconds.
struct TimerSetting
{
    std::string text;
    int milliseconds = 0;

    bool operator==(const TimerSetting &) const = default;
};
// Each edit is read as a number (blanks around it ignored, point or comma as decimal
// separator); a text that is none is refused.
TimerSetting timerSetting(std::string_view minutes, std::string_view seconds,
                          std::string_view hundredths);

// The sound item's values: the file's name (F) and the content type its extension gives (T,
// empty for an unknown or upper-case extension).
struct SoundFile
{
    std::string name;
    std::string contentType;

    bool operator==(const SoundFile &) const = default;
};
SoundFile soundFile(const std::filesystem::path &chosen);

// Copies the chosen sound into the project's "res" folder, where the game loads it from; a
// file of that name already there is kept. Refused when the copy fails.
void copySoundFile(const std::filesystem::path &chosen, const std::filesystem::path &projectDir);

} // namespace zor
