#pragma once

#include "gui/dialogs/tfmsetup_ur.h"
#include "model/project.h"
#include "model/settingsfile.h"

#include <QWidget>

namespace zor {
class BuildPaths;
class BuildPipeline;
struct BuildResult;
} // namespace zor

#include <array>
#include <filesystem>
#include <functional>
#include <memory>

class QFrame;
class QMenu;
class QStatusBar;
class QToolButton;

namespace zor::gui {

class TabStrip;
class TfrmConsole;
class UserPrompts;
struct TabEntry;

struct StartupOptions
{
    // The folder that holds System/, projects/ and images/.
    std::filesystem::path programFolder;
    // The five-second picture before the window opens.
    bool showSplash = true;
    // Who answers the window's questions; null for the real dialogs.
    UserPrompts *prompts = nullptr;
};

// The work panels under the tab strip; at most one of the first four is visible at a time.
enum class WorkPanel
{
    Level,
    Fon,
    Active,
    Text,
    Events
};

// The studio's single main window: command bars and menus, the tab strip, the levels column,
// the layers and objects panels, the work panels and the status bar. It owns the project and
// the settings for the whole run.
class TMainform : public QWidget
{
public:
    // Sizes of the fixed parts of the window.
    static constexpr int topBarHeight = 25;
    static constexpr int commandBarHeight = 86;
    static constexpr int levelsColumnWidth = 160;
    static constexpr int objectsColumnWidth = 161;

    explicit TMainform(StartupOptions options);
    ~TMainform() override;

    Project &project() { return *m_project; }
    const Settings &settings() const { return m_settings; }
    const std::filesystem::path &programFolder() const { return m_programFolder; }
    int currentObject() const { return m_currentObject; }
    TabStrip &tabStrip() { return *m_tabs; }
    QWidget *workPanel(WorkPanel panel) const;
    QWidget *levelsColumn() const;
    QWidget *layersPanel() const;
    QWidget *objectsPanel() const;
    TfrmConsole &console() { return *m_console; }
    BuildPipeline &buildPipeline() { return *m_pipeline; }

    // The project commands. Each reports a failure to the user and keeps the project as it
    // was; each returns whether it did its work.
    void newProjectFromToolbar();
    void newProjectFromMenu();
    bool openProject(bool unlockAfterwards);
    bool save();
    bool saveAs();

    // Converts the project and builds the game's archive; the tools run in the console while
    // the window stays usable.
    void compile();
    // Opens the built archive in the emulator.
    void runGame();
    // Deletes build leftovers from the program folder.
    void cleanBuildOutput();

    void openEventsTab();
    // Uses the settings written by the settings dialog from now on.
    void applySettings(const Settings &settings);
    // Shows the levels column and the panels beside it once there is a project folder.
    void unlock();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildTopBar();
    void buildCommandBar();
    void buildPanels();
    void layOut();
    void readSettings();
    QMenu *addMenuButton(const QString &caption, int index);
    void showMenuUnderButton(QMenu *menu, QToolButton *button);

    void showTab(int tab);
    void hideWorkPanels();
    void setProjectTitle();
    bool saveProject(bool askForFile);
    // Runs a command and shows its failure; returns whether it succeeded.
    bool reportFailure(const std::function<void()> &command);

    void showNameDialog(CreatedKind kind);
    void showSettingsDialog();
    void showMidletDialog();
    void showAboutBox();
    void showSourceEditor();
    void showEditorOfCurrentObject(WorkPanel panel);
    void openProductPage();
    void startConsole();
    // Where the build of the open project reads and writes; refuses an unusable MIDlet name.
    BuildPaths buildPaths() const;
    void buildFinished(const BuildResult &result);

    std::filesystem::path m_programFolder;
    std::unique_ptr<UserPrompts> m_ownPrompts;
    UserPrompts *m_prompts = nullptr;
    std::unique_ptr<Project> m_project;
    Settings m_settings;
    int m_currentObject = 0;

    QFrame *m_topBar = nullptr;
    QFrame *m_commandBar = nullptr;
    QToolButton *m_logo = nullptr;
    TabStrip *m_tabs = nullptr;
    QFrame *m_levelsColumn = nullptr;
    QFrame *m_layersPanel = nullptr;
    QFrame *m_objectsPanel = nullptr;
    std::array<QFrame *, 5> m_workPanels{};
    QStatusBar *m_status = nullptr;
    TfrmConsole *m_console = nullptr;
    BuildPipeline *m_pipeline = nullptr;
};

} // namespace zor::gui
