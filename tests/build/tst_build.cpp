#include "build/buildpipeline.h"
#include "build/commandprocessor.h"
#include "build/gamecommands.h"
#include "build/headlessbuild.h"

#include "base/codepage.h"
#include "base/error.h"
#include "model/settingsfile.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>

#include <cstring>
#include <set>

namespace fs = std::filesystem;
using namespace zor;
using zor::test::readFile;
using zor::test::TemporaryFolder;
using zor::test::writeFile;

namespace {

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "tst_build";
    static char *argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

// Runs the event loop until `done` holds; fails the test after a generous time.
template<typename Condition>
void waitUntil(Condition done)
{
    QDeadlineTimer deadline(60000);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    ASSERT_TRUE(done()) << "timed out";
}

// Everything a processor reports, in arrival order.
struct Recorder
{
    struct Piece
    {
        QString text;
        OutputKind kind;
        int finishedBefore; // how many commands had finished when the piece came
    };
    std::vector<Piece> pieces;
    std::vector<std::pair<int, int>> finished; // command, exit status
    bool ended = false;

    explicit Recorder(CommandProcessor &processor)
    {
        QObject::connect(&processor, &CommandProcessor::output,
                         [this](const QString &text, OutputKind kind) {
                             pieces.push_back({text, kind, int(finished.size())});
                         });
        QObject::connect(
            &processor, &CommandProcessor::commandFinished,
            [this](int command, int status) { finished.emplace_back(command, status); });
        QObject::connect(&processor, &CommandProcessor::ended, [this] { ended = true; });
    }

    // The text of one kind, all of it or what came while `finishedBefore` commands had finished.
    QString text(OutputKind kind, int finishedBefore = -1) const
    {
        QString all;
        for (const Piece &piece : pieces) {
            if (piece.kind == kind &&
                (finishedBefore < 0 || piece.finishedBefore == finishedBefore))
                all += piece.text;
        }
        return all;
    }
};

std::set<std::string> filesBelow(const fs::path &folder)
{
    std::set<std::string> files;
    for (const fs::directory_entry &entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file())
            files.insert(fs::relative(entry.path(), folder).string());
    }
    return files;
}

std::set<std::string> archiveEntries(const fs::path &archive)
{
    QProcess unzip;
    unzip.start("unzip", {"-Z1", QString::fromStdString(archive.string())});
    unzip.waitForFinished();
    std::set<std::string> entries;
    for (const QByteArray &line : unzip.readAllStandardOutput().split('\n')) {
        if (!line.isEmpty())
            entries.insert(line.toStdString());
    }
    return entries;
}

} // namespace

TEST(CommandProcessor, CommandsFinishInOrderWithTheirOutputAndStatus)
{
    ensureApplication();
    std::string numbers;
    for (int i = 1; i <= 30000; ++i)
        numbers += std::to_string(i) + '\n';
    struct Case
    {
        const char *line;
        int status;
        std::string output;
        const char *errorOutput; // nullptr: some message
    };
    const Case cases[] = {
        {"printf 'ab'; sleep 0.3; printf 'cd\\n'", 0, "abcd\n", ""},
        {"printf 'no line break'", 0, "no line break", ""},
        {"echo out; echo err >&2; (exit 3)", 3, "out\n", "err\n"},
        {"echo 'Привет, мир'", 0, "Привет, мир\n", ""},
        // One Cyrillic letter whose two bytes come in two pieces.
        {"printf '\\320'; sleep 0.3; printf '\\237\\n'", 0, "П\n", ""},
        // A syntax error fails its own command and leaves the processor running.
        {"if", 2, "", nullptr},
        {"false", 1, "", ""},
        {"seq 1 30000", 0, numbers, ""},
    };

    TemporaryFolder folder;
    CommandProcessor processor;
    Recorder recorder(processor);
    ASSERT_TRUE(processor.start(folder.path()));
    // One after the other, as the build sends them, so that each piece belongs to one command.
    QString echoed;
    for (int i = 0; i < int(std::size(cases)); ++i) {
        EXPECT_EQ(processor.send(cases[i].line), i + 1);
        echoed += QString(cases[i].line) + '\n';
        waitUntil([&] { return recorder.finished.size() == size_t(i + 1); });
    }

    EXPECT_EQ(recorder.text(OutputKind::Command), echoed);
    for (int i = 0; i < int(std::size(cases)); ++i) {
        SCOPED_TRACE(cases[i].line);
        EXPECT_EQ(recorder.finished[i], std::make_pair(i + 1, cases[i].status));
        EXPECT_EQ(recorder.text(OutputKind::Output, i).toStdString(), cases[i].output);
        const QString errorOutput = recorder.text(OutputKind::ErrorOutput, i);
        if (cases[i].errorOutput)
            EXPECT_EQ(errorOutput.toStdString(), cases[i].errorOutput);
        else
            EXPECT_FALSE(errorOutput.isEmpty());
    }
    const auto firstCommandPieces =
        std::count_if(recorder.pieces.begin(), recorder.pieces.end(), [](const auto &piece) {
            return piece.kind == OutputKind::Output && piece.finishedBefore == 0;
        });
    EXPECT_GE(firstCommandPieces, 2);

    // Queued at once they run in order; a tool that reads its input gets nothing and leaves
    // the queued commands alone.
    recorder.finished.clear();
    recorder.pieces.clear();
    for (const char *line : {"cat", "(exit 4)", "echo queued"})
        processor.send(line);
    waitUntil([&] { return recorder.finished.size() == 3; });
    const int first = int(std::size(cases)) + 1;
    EXPECT_EQ(recorder.finished,
              (std::vector<std::pair<int, int>>{{first, 0}, {first + 1, 4}, {first + 2, 0}}));
    EXPECT_EQ(recorder.text(OutputKind::Output), "queued\n");
    EXPECT_TRUE(processor.isRunning());
}

TEST(CommandProcessor, EndIsNoticedAndLaterCommandsAreDropped)
{
    ensureApplication();
    TemporaryFolder folder;
    CommandProcessor processor;
    Recorder recorder(processor);
    ASSERT_TRUE(processor.start(folder.path()));
    processor.send("echo before; exit 5");
    processor.send("echo queued");
    waitUntil([&] { return recorder.ended; });

    EXPECT_EQ(recorder.finished, (std::vector<std::pair<int, int>>{{1, -1}, {2, -1}}));
    EXPECT_EQ(recorder.text(OutputKind::Output), "before\n");
    EXPECT_FALSE(processor.isRunning());
    const size_t piecesBefore = recorder.pieces.size();
    EXPECT_EQ(processor.send("echo after"), 0);
    EXPECT_EQ(recorder.pieces.size(), piecesBefore);
}

TEST(CommandProcessor, ToolsPrintUtf8EvenWhenStartedFromAPlainLocale)
{
    ensureApplication();
    const std::optional<QByteArray> saved =
        qEnvironmentVariableIsSet("LC_ALL") ? std::optional(qgetenv("LC_ALL")) : std::nullopt;
    qputenv("LC_ALL", "C");
    TemporaryFolder folder;
    CommandProcessor processor;
    Recorder recorder(processor);
    const bool started = processor.start(folder.path());
    if (saved)
        qputenv("LC_ALL", *saved);
    else
        qunsetenv("LC_ALL");
    ASSERT_TRUE(started);
    processor.send("locale charmap");
    waitUntil([&] { return recorder.finished.size() == 1; });
    EXPECT_EQ(recorder.text(OutputKind::Output), "UTF-8\n");
}

TEST(CommandProcessor, FailedStartGivesTheSystemCodeAndReason)
{
    ensureApplication();
    TemporaryFolder folder;
    CommandProcessor processor;
    EXPECT_FALSE(processor.start(folder.path(), "/nonexistent/sh"));
    EXPECT_EQ(processor.startError(),
              QString("Error %1:\r\n%2").arg(ENOENT).arg(QString::fromLocal8Bit(strerror(ENOENT))));
    EXPECT_EQ(processor.send("echo lost"), 0);
}

namespace {

#ifndef ZOR_WTK_DIR
#define ZOR_WTK_DIR ""
#endif

// Real builds need the staged toolkit, which a core-only configuration does not make.
#define requireToolkit()                                                                           \
    if (!*ZOR_WTK_DIR)                                                                             \
    GTEST_SKIP() << "the toolkit is not built"

const char *const gameSource = R"(import javax.microedition.lcdui.*;
import javax.microedition.midlet.*;

public class Game extends MIDlet {
    protected void startApp() {
        Display.getDisplay(this).setCurrent(new Form(Helper.title()));
    }
    protected void pauseApp() {}
    protected void destroyApp(boolean unconditional) {}
}
)";

const char *const helperSource = R"(public class Helper {
    static String title() { return "Привет"; }
}
)";

// A converted program folder whose path has blanks, quotes and a `$`, with leftovers of earlier
// builds that must not reach the archive.
struct ProgramFolder
{
    TemporaryFolder temporary;
    fs::path root = temporary / "a b'c\"d $HOME;";

    ProgramFolder()
    {
        for (const char *folder : {"System/src", "System/res", "System/tmpclasses", "System/bin"})
            fs::create_directories(root / folder);
        writeFile(root / "System/src/Game.java", gameSource);
        writeFile(root / "System/src/Helper.java", utf8ToCp1251(helperSource));
        for (const char *resource : {"logo.png", "fon0-0.txt", "tune.mid", "beep.wav"})
            writeFile(root / "System/res" / resource, resource);
        writeFile(root / "MANIFEST.MF", "MIDlet-1: Game, /logo.png, Game\nMIDlet-Name: Game\n"
                                        "MicroEdition-Profile: MIDP-2.0\n"
                                        "MicroEdition-Configuration: CLDC-1.1\n");
        writeFile(root / "old.png", "left by an earlier build");
        writeFile(root / "System/tmpclasses/Stale.class", "left by an earlier build");
    }

    BuildPaths paths(const std::string &midletName) const
    {
        return BuildPaths(root, defaultSettings(root).jdkPath, ZOR_WTK_DIR, midletName);
    }
};

BuildResult build(
    const BuildPaths &paths, QString &console, const std::function<void()> &conversion = [] {})
{
    return buildAndWait(paths, conversion,
                        [&](const QString &piece, OutputKind) { console += piece; });
}

} // namespace

TEST(BuildPipeline, PacksExactlyTheProjectsFilesWhateverThePathsHold)
{
    ensureApplication();
    requireToolkit();
    ProgramFolder folder;
    const std::string name = "a'; touch pwned; '";
    QString console;
    const BuildResult result = build(folder.paths(name), console);

    ASSERT_TRUE(result.succeeded()) << result.message << "\n" << console.toStdString();
    EXPECT_EQ(result.archive, folder.root / "System/bin" / (name + ".jar"));
    EXPECT_EQ(
        archiveEntries(result.archive),
        (std::set<std::string>{"META-INF/", "META-INF/MANIFEST.MF", "Game.class", "Helper.class",
                               "logo.png", "fon0-0.txt", "tune.mid", "beep.wav"}));
    // The program folder keeps only what was there and the archive; nothing ran from the name.
    EXPECT_EQ(filesBelow(folder.root),
              (std::set<std::string>{"MANIFEST.MF", "old.png", "System/src/Game.java",
                                     "System/src/Helper.java", "System/res/logo.png",
                                     "System/res/fon0-0.txt", "System/res/tune.mid",
                                     "System/res/beep.wav", "System/bin/" + name + ".jar"}));
}

TEST(BuildPipeline, AFailingStepStopsTheBuildAndLeavesNoArchive)
{
    ensureApplication();
    requireToolkit();
    struct Case
    {
        const char *what;
        std::string source;
        std::function<void()> conversion;
        BuildStep failedStep;
        const char *console; // a piece of the tool's message
    };
    const Case cases[] = {
        {"compile error", "public class Helper { int x = ; }", [] {}, BuildStep::Compile,
         "ERROR in"},
        {"class outside CLDC",
         "public class Helper { static String title() { return \"\" + new java.util.Vector() + "
         "new java.util.ArrayList(); } }",
         [] {}, BuildStep::Preverify, "java.util.ArrayList"},
        {"conversion error", helperSource, [] { throw Error("game.zor", 3, "a broken line"); },
         BuildStep::Conversion, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ProgramFolder folder;
        writeFile(folder.root / "System/src/Helper.java", c.source);
        const BuildPaths paths = folder.paths("Game");
        writeFile(paths.archive(), "an archive of an earlier build");
        QString console;
        const BuildResult result = build(paths, console, c.conversion);

        EXPECT_EQ(result.failedStep, c.failedStep);
        EXPECT_NE(result.message.find(c.failedStep == BuildStep::Conversion
                                          ? "game.zor:3: a broken line"
                                          : buildStepName(c.failedStep)),
                  std::string::npos)
            << result.message;
        EXPECT_TRUE(console.contains(c.console)) << console.toStdString();
        EXPECT_FALSE(console.contains("jar' cmf")) << "the archiver ran";
        EXPECT_FALSE(fs::exists(paths.archive()));
        EXPECT_TRUE(fs::is_empty(paths.compiled()));
    }
}

TEST(GameCommands, CleanDeletesTheLeftoversOfBuildsOnly)
{
    const std::set<std::string> kept = {"game.zor",
                                        "sound.wav",
                                        "Main.java",
                                        "tmpclasses/a.txt",
                                        "System/classes/A.class",
                                        "System/bin/g.jar",
                                        "System/res/logo.png"};
    const std::set<std::string> leftovers = {
        "a.txt",          "b.png", "C.class", "d.mid", "e.jar", "F.class", "tmpclasses/G.class",
        "classes/H.class"};
    for (bool withLeftovers : {true, false}) {
        SCOPED_TRACE(withLeftovers);
        TemporaryFolder folder;
        std::set<std::string> files = kept;
        if (withLeftovers)
            files.insert(leftovers.begin(), leftovers.end());
        for (const std::string &file : files) {
            fs::create_directories((folder / file).parent_path());
            writeFile(folder / file, file);
        }
        cleanProgramFolder(folder.path());
        EXPECT_EQ(filesBelow(folder.path()), kept);
    }
}

TEST(GameCommands, RunOpensTheArchiveInTheEmulatorWhenThereIsOne)
{
    ensureApplication();
    TemporaryFolder folder;
    const fs::path root = folder / "a b'c";
    fs::create_directories(root / "wtk/bin");
    fs::create_directories(root / "System/bin");
    const fs::path emulator = root / "wtk/bin/emulator";
    writeFile(emulator, "#!/bin/sh\nprintf '%s\\n' \"$PWD\" \"$@\" > \"$0.ran\"\n");
    fs::permissions(emulator, fs::perms::owner_all);
    const BuildPaths paths(root, "/usr", "wtk", "Game");

    EXPECT_FALSE(runGame(paths));
    writeFile(paths.archive(), "archive");
    EXPECT_TRUE(runGame(paths));
    const fs::path ran = root / "wtk/bin/emulator.ran";
    waitUntil([&] { return fs::exists(ran) && readFile(ran).ends_with("\n"); });
    EXPECT_EQ(readFile(ran), root.string() + "\n" + paths.archive().string() + "\n");
}

namespace {

struct ProcessRun
{
    int status;
    std::string output;
    std::string errorOutput;
};

ProcessRun runProgram(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120000);
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

} // namespace

TEST(ZorcBuild, ConvertsAndBuildsAnArchiveThatRunsAndReportsAFailedBuild)
{
    ensureApplication();
    requireToolkit();
    TemporaryFolder temporary;
    const fs::path root = temporary / "program 'folder'";
    fs::copy(ZOR_BUILD_FIXTURES "/programfolder", root, fs::copy_options::recursive);
    fs::create_directory_symlink(ZOR_WTK_DIR, root / "wtk");
    const QStringList build = {"--root", QString::fromStdString(root.string()), "build",
                               ZOR_BUILD_FIXTURES "/fixture.zor"};
    const fs::path archive = root / "System/bin/Fixture.jar";

    const ProcessRun built = runProgram(ZORC_PATH, build);
    ASSERT_EQ(built.status, 0) << built.output << built.errorOutput;
    EXPECT_TRUE(built.output.starts_with("ecj -source 1.3 -target 1.3 -encoding Cp1251"));
    EXPECT_TRUE(built.output.ends_with("\n" + archive.string() + "\n")) << built.output;
    EXPECT_EQ(archiveEntries(archive),
              (std::set<std::string>{"META-INF/", "META-INF/MANIFEST.MF", "Etap0.class",
                                     "Etap1.class", "MultiLineText.class", "szor.class",
                                     "fon0-0.txt", "hero.png", "wall.png", "logo.png"}));
    const ProcessRun played =
        runProgram(QString::fromStdString((root / "wtk/bin/emulator").string()),
                   {"--headless", "--time-ms", "1000", QString::fromStdString(archive.string())});
    EXPECT_EQ(played.status, 0) << played.errorOutput;

    writeFile(root / "System/draft/etap0.java", "public class Etap0 { broken }");
    const ProcessRun failed = runProgram(ZORC_PATH, build);
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.output.find("ERROR in"), std::string::npos) << failed.output;
    EXPECT_TRUE(failed.errorOutput.starts_with("zorc: The compile step failed with exit status "))
        << failed.errorOutput;
    EXPECT_FALSE(fs::exists(archive));
}
