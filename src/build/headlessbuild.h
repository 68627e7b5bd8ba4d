#pragma once

#include "buildpipeline.h"
#include "commandprocessor.h"

#include <QString>

#include <functional>

namespace zor {

using ConsoleSink = std::function<void(const QString &piece, OutputKind kind)>;

// A whole build in a command processor of its own, waited for: for the command line and for
// tests. The console text goes to `console` as it arrives. Needs a QCoreApplication; runs a
// local event loop until the build has finished.
BuildResult buildAndWait(const BuildPaths &paths, const std::function<void()> &conversion,
                         const ConsoleSink &console);

} // namespace zor
