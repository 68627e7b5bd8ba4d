#include "valuedialogs.h"

#include "base/error.h"
#include "base/numbers.h"
#include "base/rounding.h"

namespace zor {
namespace {

double timeValue(std::string_view text, const char *unit)
{
    double value = 0;
    if (!parseDecimal(text, value))
        throw Error("the " + std::string(unit) + " \"" + std::string(text) + "\" are not a number");
    return value;
}

} // namespace

TimerSetting timerSetting(std::string_view minutes, std::string_view seconds,
                          std::string_view hundredths)
{
    const double milliseconds = timeValue(minutes, "minutes") * 60000 +
                                timeValue(seconds, "seconds") * 1000 +
                                timeValue(hundredths, "hundredths") * 10;
    return {std::string(minutes) + "/" + std::string(seconds) + "/" + std::string(hundredths),
            rnd(milliseconds)};
}

SoundFile soundFile(const std::filesystem::path &chosen)
{
    const std::string extension = chosen.extension().string();
    std::string contentType;
    if (extension == ".mid")
        contentType = "audio/midi";
    else if (extension == ".mp3")
        contentType = "audio/mpeg";
    else if (extension == ".wav")
        contentType = "audio/x-wav";
    return {chosen.filename().string(), contentType};
}

void copySoundFile(const std::filesystem::path &chosen, const std::filesystem::path &projectDir)
{
    const std::filesystem::path folder = projectDir / "res";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!error) {
        std::filesystem::copy_file(chosen, folder / chosen.filename(),
                                   std::filesystem::copy_options::skip_existing, error);
    }
    if (error)
        throw Error(chosen.string(), 0,
                    "cannot copy the sound into " + folder.string() + ": " + error.message());
}

} // namespace zor
