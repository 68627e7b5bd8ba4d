#include "headlessbuild.h"

#include <QEventLoop>

namespace zor {

BuildResult buildAndWait(const BuildPaths &paths, const std::function<void()> &conversion,
                         const ConsoleSink &console)
{
    CommandProcessor processor;
    QObject::connect(&processor, &CommandProcessor::output, console);
    if (!processor.start(paths.programFolder()))
        return {.failedStep = BuildStep::Preparation,
                .message = processor.startError().toStdString()};

    BuildPipeline pipeline(processor);
    QEventLoop loop;
    std::optional<BuildResult> result;
    QObject::connect(&pipeline, &BuildPipeline::finished, [&](const BuildResult &finished) {
        result = finished;
        loop.quit();
    });
    pipeline.start(paths, conversion);
    if (!result)
        loop.exec();
    return *result;
}

} // namespace zor
