#pragma once

namespace zor {

// The headless command line `zorc`: returns the process exit status.
int runCommandLine(int argc, char **argv);

} // namespace zor
