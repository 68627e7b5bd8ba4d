#include "buildpipeline.h"

#include "commandprocessor.h"

#include "base/error.h"
#include "base/filesystem.h"

namespace fs = std::filesystem;

namespace zor {
namespace {

// What the archive holds from System/res besides the classes.
constexpr const char *resourcePatterns[] = {"*.png", "*.txt", "*.mid", "*.wav", "*.mp3"};

std::string messageOf(const std::exception &error)
{
    if (const auto *located = dynamic_cast<const Error *>(&error))
        return located->where();
    return error.what();
}

void emptyFolder(const fs::path &folder)
{
    std::error_code ignored;
    for (const fs::directory_entry &entry : fs::directory_iterator(folder, ignored))
        fs::remove_all(entry.path(), ignored);
}

} // namespace

std::string buildStepName(BuildStep step)
{
    switch (step) {
    case BuildStep::Conversion:
        return "conversion";
    case BuildStep::Preparation:
        return "preparation";
    case BuildStep::Compile:
        return "compile";
    case BuildStep::Preverify:
        return "preverify";
    case BuildStep::Staging:
        return "staging";
    case BuildStep::Archive:
        return "archive";
    }
    return {};
}

BuildPipeline::BuildPipeline(CommandProcessor &processor, QObject *parent)
    : QObject(parent)
    , m_processor(processor)
{
    connect(&m_processor, &CommandProcessor::commandFinished, this,
            &BuildPipeline::commandFinished);
}

void BuildPipeline::start(const BuildPaths &paths, const std::function<void()> &conversion)
{
    if (isRunning())
        return;
    m_paths = paths;
    m_step = BuildStep::Conversion;
    try {
        conversion();
        emit started();
        m_step = BuildStep::Preparation;
        prepare();
    } catch (const std::exception &error) {
        fail(m_step, messageOf(error));
        return;
    }
    send(BuildStep::Compile, m_paths->compileCommand());
}

// Nothing of an earlier build may reach this one: no classes of sources that are gone, no
// archive that a failure would leave looking new.
void BuildPipeline::prepare()
{
    for (const fs::path &folder : {m_paths->compiled(), m_paths->preverified(), m_paths->staging(),
                                   m_paths->archive().parent_path()})
        fs::create_directories(folder);
    emptyBuildFolders();
    fs::remove(m_paths->archive());
}

void BuildPipeline::send(BuildStep step, const QString &commandLine)
{
    m_step = step;
    m_command = m_processor.send(commandLine);
    if (m_command == 0)
        fail(step, "The command processor is not running, so the " + buildStepName(step) +
                       " step could not be started.");
}

void BuildPipeline::commandFinished(int command, int exitStatus)
{
    if (!isRunning() || command != m_command)
        return;
    m_command = 0;
    const std::string step = buildStepName(m_step);
    if (exitStatus == -1) {
        fail(m_step, "The command processor ended during the " + step + " step.");
        return;
    }
    if (exitStatus != 0) {
        fail(m_step, "The " + step + " step failed with exit status " + std::to_string(exitStatus) +
                         "; the console shows the tool's messages.");
        return;
    }
    switch (m_step) {
    case BuildStep::Compile:
        send(BuildStep::Preverify, m_paths->preverifyCommand());
        break;
    case BuildStep::Preverify:
        m_step = BuildStep::Staging;
        try {
            stage();
        } catch (const std::exception &error) {
            fail(BuildStep::Staging, messageOf(error));
            return;
        }
        send(BuildStep::Archive, m_paths->archiveCommand());
        break;
    default:
        if (fs::is_regular_file(m_paths->archive()))
            finish({.archive = m_paths->archive()});
        else
            fail(BuildStep::Archive, "The archiver wrote no archive.");
        break;
    }
}

// The classes keep the folders of their packages.
void BuildPipeline::stage()
{
    fs::copy(m_paths->preverified(), m_paths->staging(),
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    for (const char *pattern : resourcePatterns)
        copyFiles(m_paths->resources(), pattern, m_paths->staging(), true);
}

// The class folders and the staging folder belong to the build alone.
void BuildPipeline::emptyBuildFolders()
{
    for (const fs::path &folder : {m_paths->compiled(), m_paths->preverified(), m_paths->staging()})
        emptyFolder(folder);
}

void BuildPipeline::fail(BuildStep step, const std::string &message)
{
    std::error_code ignored;
    fs::remove(m_paths->archive(), ignored);
    finish({.failedStep = step, .message = message});
}

void BuildPipeline::finish(BuildResult result)
{
    emptyBuildFolders();
    m_paths.reset();
    emit finished(result);
}

} // namespace zor
