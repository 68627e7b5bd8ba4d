#pragma once

#include "buildpaths.h"

#include <QObject>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace zor {

class CommandProcessor;

enum class BuildStep
{
    Conversion,
    Preparation,
    Compile,
    Preverify,
    Staging,
    Archive,
};

// The step's name in messages: "conversion", "compile", ...
std::string buildStepName(BuildStep step);

struct BuildResult
{
    // Set when the build failed, to the step that failed.
    std::optional<BuildStep> failedStep = {};
    // What went wrong, for the user; empty after a success.
    std::string message = {};
    // The archive, which exists only after a success.
    std::filesystem::path archive = {};

    bool succeeded() const { return !failedStep; }
};

// Turns the converted program folder into the game's archive: the conversion, then compile,
// preverify, gathering the resources and classes in the staging folder, and the archive. The
// tools run in the command processor one after the other; each file step starts only when the
// command before it has finished, and the first command that fails stops the build (its
// messages stay in the console). The class folders and the staging folder are emptied at the start
// and at the end whatever happened, and a failed build leaves no archive.
//
// start() runs the conversion and the file preparation on the caller's thread, sends the first
// command and returns; the rest is driven by the processor's signals, so the event loop of the
// caller's thread keeps running. finished() comes once per start().
class BuildPipeline : public QObject
{
    Q_OBJECT

public:
    explicit BuildPipeline(CommandProcessor &processor, QObject *parent = nullptr);

    // `conversion` writes the sources, resources and manifest; it reports failure by throwing.
    // Ignored while a build runs.
    void start(const BuildPaths &paths, const std::function<void()> &conversion);
    bool isRunning() const { return m_paths.has_value(); }

signals:
    // The conversion is done and the tools are about to run: the console empties itself.
    void started();
    void finished(const zor::BuildResult &result);

private:
    void send(BuildStep step, const QString &commandLine);
    void commandFinished(int command, int exitStatus);
    void prepare();
    void stage();
    void emptyBuildFolders();
    void fail(BuildStep step, const std::string &message);
    void finish(BuildResult result);

    CommandProcessor &m_processor;
    std::optional<BuildPaths> m_paths;
    BuildStep m_step = BuildStep::Conversion;
    int m_command = 0;
};

} // namespace zor
