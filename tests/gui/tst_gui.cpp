#include "base/error.h"
#include "build/buildpipeline.h"
#include "gui/console/tfrmconsole.h"
#include "gui/dialogs/tfmsetup_midp.h"
#include "gui/dialogs/tfmsetup_ur.h"
#include "gui/dialogs/tsetup.h"
#include "gui/shell/appearance.h"
#include "gui/shell/tabstrip.h"
#include "gui/shell/tmainform.h"
#include "gui/shell/userprompts.h"
#include "gui/srcview/javakeywords.h"
#include "gui/srcview/tfmcode_red.h"
#include "model/definitionoperations.h"
#include "model/leveloperations.h"
#include "model/settingsfile.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace zor;
using namespace zor::gui;

namespace {

void startApplication()
{
    static int argc = 1;
    static char name[] = "tst_gui";
    static char *argv[] = {name, nullptr};
    static QApplication *application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto *created = new QApplication(argc, argv);
        applyStudioAppearance(*created);
        return created;
    }();
    (void)application;
}

// Answers the window's questions from the test's script and records what was asked.
class ScriptedPrompts : public UserPrompts
{
public:
    std::optional<fs::path> fileToOpen;
    std::optional<fs::path> fileToSave;
    bool saveOnClose = false;
    int saveQuestions = 0;
    QStringList errors;

    std::optional<fs::path> projectToOpen(const fs::path &) override { return fileToOpen; }
    std::optional<fs::path> projectToSave(const fs::path &) override
    {
        ++saveQuestions;
        return fileToSave;
    }
    bool saveBeforeClosing() override { return saveOnClose; }
    void showError(const QString &message) override { errors << message; }
};

// Runs the event loop until `done` holds; fails the test after a generous time.
template<typename Condition>
void waitUntil(Condition done)
{
    QDeadlineTimer deadline(120000);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    ASSERT_TRUE(done()) << "timed out";
}

std::string crlfLines(std::initializer_list<const char *> lines)
{
    std::string text;
    for (const char *line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

class Gui : public testing::Test
{
protected:
    void SetUp() override
    {
        startApplication();
        fs::create_directories(folder / "projects");
    }

    std::unique_ptr<TMainform> startWindow()
    {
        return std::make_unique<TMainform>(StartupOptions{folder.path(), false, &prompts});
    }

    void writeSettingsFile(const std::string &text)
    {
        fs::create_directories(folder / "System");
        test::writeFile(settingsFile(folder.path()), text);
    }

    std::vector<WorkPanel> visiblePanels(const TMainform &window) const
    {
        std::vector<WorkPanel> visible;
        for (WorkPanel panel : {WorkPanel::Level, WorkPanel::Fon, WorkPanel::Active,
                                WorkPanel::Text, WorkPanel::Events}) {
            if (window.workPanel(panel)->isVisibleTo(&window))
                visible.push_back(panel);
        }
        return visible;
    }

    test::TemporaryFolder folder;
    ScriptedPrompts prompts;
};

// A project with something in every table that the new and open commands touch.
void fillProject(Project &project)
{
    createFon(project, "трава");
    createActive(project, "герой");
    createLevel(project, "Лес");
    createLevel(project, "Замок");
    project.levelActive[1].activePlacedCount = 1;
    project.activePlaced[1][1].object = 1;
    project.eventCount = 1;
    project.events[1].condText = "Всегда";
    project.events[1].condCode = "(true)";
}

} // namespace

TEST_F(Gui, StartsWithTheSettingsFileAndTheProjectDefaults)
{
    writeSettingsFile(crlfLines(
        {"0", "0", "16", "16", "128", "128", "128", "176", "208", "255", "0", "0", "", ""}));
    auto window = startWindow();
    const Project &project = window->project();

    EXPECT_EQ(window->windowTitle(), "ZOR Studio - [untitled]");
    EXPECT_EQ(project.midletName, "szor");
    EXPECT_EQ(project.midletVendor, "tolvakn");
    EXPECT_EQ(project.midletVersion, "1.0");
    EXPECT_EQ(project.levelCount, 0);
    EXPECT_EQ(project.currentLevel, 0);
    EXPECT_EQ(project.projectDir, QDir::homePath().toStdString());
    EXPECT_EQ(project.bgColor, 255u);
    EXPECT_EQ(project.jdkPath, "");
    EXPECT_EQ(project.wtkPath, "");
    EXPECT_EQ(window->settings().screenWidth, 176);
    EXPECT_TRUE(prompts.errors.isEmpty());

    EXPECT_TRUE(visiblePanels(*window).empty());
    EXPECT_TRUE(window->levelsColumn()->isVisibleTo(window.get()));
    EXPECT_TRUE(window->objectsPanel()->isVisibleTo(window.get()));
    EXPECT_EQ(window->tabStrip().count(), 0);
    EXPECT_EQ(window->tabStrip().closePictureLeft(), -100);

    TfmSetup_midp midlet(window->project());
    EXPECT_EQ(midlet.findChild<QLineEdit *>("midletName")->text(), "szor");
    EXPECT_EQ(midlet.findChild<QLineEdit *>("midletVendor")->text(), "tolvakn");
    EXPECT_EQ(midlet.findChild<QLineEdit *>("midletVersion")->text(), "1.0");
}

TEST_F(Gui, MissingOrMalformedSettingsAreReportedAndTheWindowStillStarts)
{
    auto fresh = startWindow();
    EXPECT_TRUE(fs::exists(settingsFile(folder.path())));
    EXPECT_TRUE(prompts.errors.isEmpty());
    fresh.reset();

    writeSettingsFile(crlfLines(
        {"0", "zero", "16", "16", "128", "128", "128", "176", "208", "255", "0", "0", "", ""}));
    auto window = startWindow();
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors[0].contains(":2:")) << prompts.errors[0].toStdString();
    EXPECT_EQ(window->windowTitle(), "ZOR Studio - [untitled]");
    EXPECT_EQ(window->project().midletName, "szor");
}

TEST_F(Gui, TabsShowOnePanelAndTheClosePictureFollowsTheSelection)
{
    auto window = startWindow();
    window->show();
    TabStrip &tabs = window->tabStrip();
    auto closePictureOf = [](int tab) { return (tab + 1) * (120 + 3) - 20; };

    window->openEventsTab();
    window->openEventsTab();
    EXPECT_EQ(tabs.count(), 1);
    EXPECT_EQ(TabStrip::textOf(tabs.entry(0)), "События");
    EXPECT_EQ(visiblePanels(*window), std::vector{WorkPanel::Events});

    tabs.openTab({TabKind::Level, "Лес", 2});
    EXPECT_EQ(visiblePanels(*window), std::vector{WorkPanel::Level});
    EXPECT_EQ(window->project().currentLevel, 2);
    tabs.openTab({TabKind::Active, "герой", 4});
    EXPECT_EQ(visiblePanels(*window), std::vector{WorkPanel::Active});
    EXPECT_EQ(window->currentObject(), 4);
    EXPECT_EQ(TabStrip::textOf(tabs.entry(1)), "Лес[Уровень]    ");
    EXPECT_EQ(TabStrip::textOf(tabs.entry(2)), "герой[акт.]");
    EXPECT_EQ(tabs.closePictureLeft(), closePictureOf(2));

    // Opening an open tab selects it instead of adding another.
    tabs.openTab({TabKind::Level, "Лес", 2});
    EXPECT_EQ(tabs.count(), 3);
    EXPECT_EQ(tabs.selectedTab(), 1);
    EXPECT_EQ(tabs.closePictureLeft(), closePictureOf(1));

    // Closing the first of three selects the new first tab.
    tabs.selectTab(0);
    tabs.closeSelectedTab();
    EXPECT_EQ(tabs.count(), 2);
    EXPECT_EQ(tabs.selectedTab(), 0);
    EXPECT_EQ(tabs.entry(0).caption, "Лес");
    EXPECT_EQ(visiblePanels(*window), std::vector{WorkPanel::Level});

    // Closing the last tab selects the one before it.
    tabs.openTab({TabKind::Fon, "трава", 1});
    tabs.closeSelectedTab();
    EXPECT_EQ(tabs.selectedTab(), 1);
    EXPECT_EQ(visiblePanels(*window), std::vector{WorkPanel::Active});
    EXPECT_EQ(tabs.closePictureLeft(), closePictureOf(1));

    tabs.closeSelectedTab();
    tabs.closeSelectedTab();
    EXPECT_EQ(tabs.count(), 0);
    EXPECT_TRUE(visiblePanels(*window).empty());
    EXPECT_EQ(tabs.closePictureLeft(), -20);
    tabs.closeSelectedTab();
    EXPECT_EQ(tabs.count(), 0);
}

TEST_F(Gui, SettingsDialogRewritesTheFileAsTypedAndAppliesIt)
{
    const std::string typed = crlfLines({"0", "2.5", " 16", "16,0", "10", "20", "30", "176", "208",
                                         "255", "255", "255", "/opt/jdk", "/opt/wtk"});
    writeSettingsFile(typed);
    auto window = startWindow();

    TSetup unchanged(folder.path());
    unchanged.save();
    EXPECT_EQ(test::readFile(settingsFile(folder.path())), typed);
    EXPECT_EQ(unchanged.settings().gridY, 2);
    EXPECT_EQ(unchanged.settings().gridColor, makeColour(10, 20, 30));

    TSetup greener(folder.path());
    greener.setBackgroundColour(makeColour(0, 255, 0));
    greener.save();
    window->applySettings(greener.settings());
    const std::string written = test::readFile(settingsFile(folder.path()));
    EXPECT_NE(written.find("\r\n176\r\n208\r\n0\r\n255\r\n0\r\n/opt/jdk\r\n"), std::string::npos);
    EXPECT_EQ(window->project().bgColor, 65280u);
    EXPECT_EQ(window->settings().bgColor, 65280u);

    TSetup refused(folder.path());
    refused.findChild<QLineEdit *>("gridWidth")->setText("широко");
    EXPECT_THROW(refused.save(), Error);
    EXPECT_EQ(test::readFile(settingsFile(folder.path())), written);
}

TEST_F(Gui, NameDialogCreatesByKindAndRefusesAnEmptyName)
{
    auto window = startWindow();
    Project &project = window->project();
    createFon(project, "небо");
    createFon(project, "вода");

    TfmSetup_ur empty(project);
    empty.start(CreatedKind::Fon);
    empty.show();
    empty.findChild<QPushButton *>("yes")->click();
    EXPECT_TRUE(empty.isVisible());
    EXPECT_EQ(project.fonCount, 2);

    struct Case
    {
        CreatedKind kind;
        const char *caption;
        const char *prompt;
    };
    for (const Case &c :
         {Case{CreatedKind::Level, "Создание нового уровня", "Введите название уровня"},
          Case{CreatedKind::Fon, "Создание фонового объекта", "Введите название объекта"},
          Case{CreatedKind::Active, "Создание активного уровня", "Введите название объекта"}}) {
        TfmSetup_ur dialog(project);
        dialog.start(c.kind);
        EXPECT_EQ(dialog.windowTitle(), c.caption);
        EXPECT_EQ(dialog.findChild<QLabel *>("prompt")->text(), c.prompt);
        dialog.setName("fon2");
        dialog.show();
        dialog.findChild<QPushButton *>("yes")->click();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_EQ(project.fonCount, 3);
    EXPECT_EQ(project.fonObjects[3].name, "fon2");
    EXPECT_EQ(project.fonObjects[3].tilesWidth, 0);
    EXPECT_EQ(project.fonObjects[3].mapHeight, 0);
    EXPECT_EQ(project.levelCount, 1);
    EXPECT_EQ(project.levelNames[1], "fon2");
    EXPECT_EQ(project.activeCount, 1);
}

TEST_F(Gui, NewProjectCommandsClearTheEventsAndKeepDefinitionsAndLevels)
{
    auto window = startWindow();
    Project &project = window->project();
    fillProject(project);
    prompts.fileToSave = folder / "projects" / "old.zor";
    ASSERT_TRUE(window->save());

    window->newProjectFromMenu();
    EXPECT_EQ(project.eventCount, 0);
    EXPECT_EQ(project.levelActive[1].activePlacedCount, 0);
    EXPECT_EQ(project.midletName, "szor");
    EXPECT_EQ(window->windowTitle(), "ZOR Studio - [old]");

    project.eventCount = 1;
    window->newProjectFromToolbar();
    EXPECT_EQ(project.eventCount, 0);
    EXPECT_EQ(project.fonCount, 1);
    EXPECT_EQ(project.levelCount, 2);
    EXPECT_EQ(project.midletName, "Project1");
    EXPECT_EQ(project.midletVendor, "tolvakn");
    EXPECT_EQ(window->windowTitle(), "ZOR Studio - [untitled]");

    // The untitled project does not overwrite the previous project's file.
    prompts.fileToSave.reset();
    const int asked = prompts.saveQuestions;
    EXPECT_FALSE(window->save());
    EXPECT_EQ(prompts.saveQuestions, asked + 1);
}

TEST_F(Gui, SavingAsksForAFileOnceAndCancellingSavesNothing)
{
    auto window = startWindow();
    fillProject(window->project());

    EXPECT_FALSE(window->save());
    EXPECT_EQ(prompts.saveQuestions, 1);
    EXPECT_TRUE(fs::is_empty(folder / "projects"));
    EXPECT_EQ(window->windowTitle(), "ZOR Studio - [untitled]");

    const fs::path file = folder / "projects" / "game.zor";
    prompts.fileToSave = file;
    ASSERT_TRUE(window->save());
    EXPECT_EQ(window->windowTitle(), "ZOR Studio - [game]");
    EXPECT_EQ(window->project().projectFile, file.string());
    EXPECT_EQ(window->project().projectDir, (folder / "projects").string());
    EXPECT_TRUE(window->save());
    EXPECT_EQ(prompts.saveQuestions, 2);

    prompts.fileToSave.reset();
    EXPECT_FALSE(window->saveAs());
    EXPECT_EQ(window->project().projectFile, file.string());
    EXPECT_EQ(window->windowTitle(), "ZOR Studio - [game]");

    // A file that cannot be written is reported and the project keeps its file.
    prompts.fileToSave = folder / "missing" / "other.zor";
    EXPECT_FALSE(window->saveAs());
    EXPECT_EQ(prompts.errors.size(), 1);
    EXPECT_EQ(window->project().projectFile, file.string());
    EXPECT_EQ(window->windowTitle(), "ZOR Studio - [game]");
}

TEST_F(Gui, OpeningReplacesTheProjectOnlyWhenTheFileWasRead)
{
    auto window = startWindow();
    Project &project = window->project();
    fillProject(project);
    const fs::path file = folder / "projects" / "castle.zor";
    prompts.fileToSave = file;
    ASSERT_TRUE(window->save());

    project.eventCount = 2;
    project.events[2].condText = "Нажата клавиша";
    project.levelNames[2] = "Подвал";

    // Cancelling the dialog and a broken file both leave the open project as it was.
    EXPECT_FALSE(window->openProject(true));
    const fs::path broken = folder / "projects" / "broken.zor";
    test::writeFile(broken, "1\r\nтрава\r\nnot a number\r\n");
    prompts.fileToOpen = broken;
    EXPECT_FALSE(window->openProject(false));
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors[0].contains("broken.zor:3")) << prompts.errors[0].toStdString();
    EXPECT_EQ(project.eventCount, 2);
    EXPECT_EQ(project.events[2].condText, "Нажата клавиша");

    window->newProjectFromToolbar();
    prompts.fileToOpen = file;
    ASSERT_TRUE(window->openProject(true));
    EXPECT_EQ(project.eventCount, 1);
    EXPECT_EQ(project.events[1].condText, "Всегда");
    EXPECT_EQ(project.levelNames[2], "Замок");
    EXPECT_EQ(project.currentLevel, 2);
    EXPECT_EQ(project.midletName, "szor");
    EXPECT_EQ(project.projectFile, file.string());
    EXPECT_EQ(window->windowTitle(), "ZOR Studio - [castle]");
}

TEST_F(Gui, ClosingSavesWhenAskedAndStaysOpenWhenThatSaveFails)
{
    auto window = startWindow();
    window->show();
    prompts.saveOnClose = true;
    prompts.fileToSave = folder / "missing" / "game.zor";
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    prompts.fileToSave.reset();
    EXPECT_FALSE(window->close());

    prompts.fileToSave = folder / "projects" / "game.zor";
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(fs::exists(folder / "projects" / "game.zor"));

    window = startWindow();
    window->show();
    prompts.saveOnClose = false;
    const int asked = prompts.saveQuestions;
    EXPECT_TRUE(window->close());
    EXPECT_EQ(prompts.saveQuestions, asked);
}

TEST(JavaKeywords, WordsBetweenDelimitersAreKeywordsRegardlessOfCase)
{
    struct Case
    {
        const char *text;
        std::vector<const char *> bold;
    };
    const Case cases[] = {
        {"public void run()", {"public", "void"}},
        {"int x", {"int"}},
        {"if(a)", {"if"}},
        {"try{ x; }", {}},
        {"Class String", {"Class", "String"}},
        {"return this;\r\nfor(int i=0;", {"for", "int"}},
        {"\tboolean b = false", {"\tboolean", "false"}},
        {"newer renew new", {"new"}},
    };
    for (const Case &c : cases) {
        const QString text = QString::fromUtf8(c.text);
        std::vector<QString> bold;
        for (const TextRange &range : keywordRanges(text))
            bold.push_back(text.mid(range.start, range.length));
        std::vector<QString> expected(c.bold.begin(), c.bold.end());
        EXPECT_EQ(bold, expected) << c.text;
    }
}

TEST_F(Gui, SourceViewerListsFoldersAndSetsKeywordsInBold)
{
    startApplication();
    const fs::path sources = folder / "projects" / "src";
    fs::create_directories(sources);
    fs::create_directories(folder / "System" / "draft");
    test::writeFile(sources / "A.java", "public void run() {\r\n}\r\n");
    test::writeFile(sources / "B.java", "// \xCF\xF0\xE8\xE2\xE5\xF2\r\nint x;\r\n");
    test::writeFile(sources / "C.java", "class C {}\r\n");
    test::writeFile(folder / "System" / "draft" / "Etap1.java", "class Etap1 {}\r\n");

    TFmCode_red viewer(folder.path(), (folder / "projects").string());
    viewer.show();
    viewer.openFile(0);
    EXPECT_TRUE(viewer.text()->toPlainText().isEmpty());

    viewer.listProjectSources();
    EXPECT_EQ(viewer.listedCount(), 3);
    for (int button = 0; button < TFmCode_red::fileButtonCount; ++button)
        EXPECT_EQ(viewer.fileButton(button)->isVisibleTo(&viewer), button < 3) << button;
    EXPECT_EQ(viewer.fileButton(1)->text(), "B.java");
    EXPECT_EQ(viewer.fileButton(1)->width(), qRound(viewer.width() / 3.0));

    viewer.openFile(1);
    EXPECT_EQ(viewer.text()->toPlainText(), "// Привет\nint x;\n");
    viewer.openFile(0);
    const QTextBlock first = viewer.text()->document()->firstBlock();
    auto boldAt = [&](int position) {
        for (const QTextLayout::FormatRange &range : first.textFormats()) {
            if (position >= range.start && position < range.start + range.length)
                return range.format.fontWeight() == QFont::Bold;
        }
        return false;
    };
    EXPECT_TRUE(boldAt(0));   // public
    EXPECT_TRUE(boldAt(7));   // void
    EXPECT_FALSE(boldAt(12)); // run
    viewer.text()->insertPlainText("edited ");
    viewer.close();
    EXPECT_EQ(test::readFile(sources / "A.java"), "public void run() {\r\n}\r\n");

    viewer.listTemplates();
    EXPECT_EQ(viewer.listedCount(), 5);
    EXPECT_EQ(viewer.fileButton(0)->text(), "Etap1.java");
    EXPECT_EQ(viewer.fileButton(1)->text(), "B.java");
    EXPECT_TRUE(viewer.fileButton(4)->isVisibleTo(&viewer));
    EXPECT_FALSE(viewer.fileButton(5)->isVisibleTo(&viewer));
    viewer.openFile(1);
    EXPECT_EQ(viewer.text()->toPlainText(), "edited public void run() {\n}\n");
}

TEST_F(Gui, ConsoleShowsOutputAsItArrivesAndKeepsTheCaretAtTheStartOfErrors)
{
    TfrmConsole console;
    ASSERT_TRUE(console.start(folder.path())) << console.startError().toStdString();
    int finished = 0;
    QObject::connect(&console.processor(), &CommandProcessor::commandFinished,
                     [&finished] { ++finished; });

    console.processor().send("printf 'one '; sleep 1; printf 'two\\n'");
    waitUntil([&] { return console.text().contains("one"); });
    EXPECT_EQ(finished, 0) << "the first piece should show before the command ends";
    waitUntil([&] { return finished == 1; });
    EXPECT_TRUE(console.text().endsWith("\none two\n")) << console.text().toStdString();

    console.processor().send("printf 'Ошибка' >&2");
    waitUntil([&] { return finished == 2; });
    const QString text = console.text();
    const int errorStart = int(text.lastIndexOf("Ошибка"));
    ASSERT_GE(errorStart, 0) << text.toStdString();
    EXPECT_EQ(console.findChild<QPlainTextEdit *>()->textCursor().position(), errorStart);

    console.empty();
    EXPECT_TRUE(console.text().isEmpty());
}

TEST_F(Gui, CompileBuildsTheArchiveThroughTheConsoleAndReportsFailures)
{
    const fs::path root = folder / "program folder";
    fs::copy(ZOR_BUILD_FIXTURES "/programfolder", root, fs::copy_options::recursive);
    fs::create_directory_symlink(ZOR_WTK_DIR, root / "wtk");
    fs::create_directories(root / "projects");
    auto window = std::make_unique<TMainform>(StartupOptions{root, false, &prompts});
    prompts.fileToOpen = ZOR_BUILD_FIXTURES "/fixture.zor";
    ASSERT_TRUE(window->openProject(true));
    const fs::path archive = root / "System/bin/Fixture.jar";
    int builds = 0;
    BuildResult last;
    QObject::connect(&window->buildPipeline(), &BuildPipeline::finished,
                     [&](const BuildResult &result) {
                         ++builds;
                         last = result;
                     });

    window->compile();
    waitUntil([&] { return builds == 1; });
    EXPECT_TRUE(last.succeeded()) << last.message << window->console().text().toStdString();
    EXPECT_TRUE(fs::exists(archive));
    EXPECT_TRUE(window->console().isVisible());
    EXPECT_TRUE(window->console().text().startsWith("ecj -source 1.3"));
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join('\n').toStdString();

    // A compile error stays in the console with the reason after it.
    test::writeFile(root / "System/draft/etap0.java", "public class Etap0 { broken }");
    window->compile();
    waitUntil([&] { return builds == 2; });
    EXPECT_EQ(last.failedStep, BuildStep::Compile);
    EXPECT_TRUE(window->console().text().contains("ERROR in"));
    EXPECT_TRUE(window->console().text().contains(QString::fromStdString(last.message)));
    EXPECT_FALSE(fs::exists(archive));
    EXPECT_TRUE(prompts.errors.isEmpty());

    // A conversion that cannot run is shown in a message; no tool starts.
    fs::remove(root / "System/draft/Etap1.java");
    window->console().empty();
    window->compile();
    waitUntil([&] { return builds == 3; });
    EXPECT_EQ(last.failedStep, BuildStep::Conversion);
    EXPECT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(window->console().text().isEmpty());

    // Without an archive the run command starts nothing; cleaning removes build leftovers.
    window->runGame();
    EXPECT_TRUE(prompts.errors.size() == 1);
    test::writeFile(root / "Etap1.class", "left by an earlier build");
    window->cleanBuildOutput();
    EXPECT_FALSE(fs::exists(root / "Etap1.class"));
}
