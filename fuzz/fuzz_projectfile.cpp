// Feeds arbitrary bytes to the project file reader: it must either load or refuse with an
// error, never crash, hang or read out of bounds.
#include "base/error.h"
#include "model/projectfile.h"
#include "model/projectstate.h"

#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    static const std::string file = "/tmp/zor-fuzz-" + std::to_string(getpid()) + ".zor";
    static const std::unique_ptr<zor::Project> project = [] {
        auto started = std::make_unique<zor::Project>();
        zor::applyStartupValues(*started, "/tmp");
        return started;
    }();
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char *>(data), std::streamsize(size));
    }
    try {
        zor::loadProject(*project, file);
    } catch (const zor::Error &) {
    }
    return 0;
}
