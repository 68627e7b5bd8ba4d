#include "tmainform.h"

#include "artwork.h"
#include "build/buildpipeline.h"
#include "build/gamecommands.h"
#include "codegen/conversion.h"
#include "defaultcursor.h"
#include "dialogprompts.h"
#include "gui/console/tfrmconsole.h"
#include "gui/convert/tfmconvert.h"
#include "gui/dialogs/taboutbox.h"
#include "gui/dialogs/tfmsetup_midp.h"
#include "gui/dialogs/tfmsetup_ur.h"
#include "gui/dialogs/tsetup.h"
#include "gui/srcview/tfmcode_red.h"
#include "model/projectfile.h"
#include "model/projectstate.h"
#include "qtbridge.h"
#include "tabstrip.h"
#include "tsplashform.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace fs = std::filesystem;

namespace zor::gui {
namespace {

// The layout figures count the window's outer size, frame and caption included, as they are on
// the platform the layout was made for; the client area is that much smaller.
constexpr int frameWidth = 8;
constexpr int frameHeight = 34;
constexpr int logoWidth = 110;
constexpr int logoHeight = 108;
constexpr int menuButtonWidth = 89;
constexpr int menuButtonHeight = 22;
constexpr int tabStripHeight = 24;
constexpr int layersPanelHeight = 145;
constexpr QRgb windowColour = 0xBFDAFF; // 0x00FFDABF in the project's BGR order

struct CommandButton
{
    const char *caption;
    const char *hint;
    CommandPicture picture;
    std::function<void(TMainform &)> command;
};

struct CommandGroup
{
    const char *caption;
    std::vector<CommandButton> buttons;
};

QFrame *panel(QWidget *parent, const char *name)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setAutoFillBackground(true);
    return frame;
}

} // namespace

TMainform::TMainform(StartupOptions options)
    : m_programFolder(std::move(options.programFolder))
    , m_prompts(options.prompts)
{
    if (!m_prompts) {
        m_ownPrompts = std::make_unique<DialogPrompts>(this);
        m_prompts = m_ownPrompts.get();
    }
    setObjectName("TMainform");
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(windowColour));
    setPalette(colours);
    setAutoFillBackground(true);

    buildPanels();
    buildTopBar();
    buildCommandBar();
    new DefaultCursor(this);
    m_project = std::make_unique<Project>();
    applyStartupValues(*m_project, QDir::homePath().toStdString());
    if (options.showSplash)
        TSplashForm(this).exec();

    setMinimumSize(640, 480);
    resize(1292, 776);
    layOut();
    readSettings();
    startConsole();
    hideWorkPanels();
    unlock();
    setProjectTitle();
}

TMainform::~TMainform() = default;

QWidget *TMainform::workPanel(WorkPanel panel) const
{
    return m_workPanels[size_t(panel)];
}

QWidget *TMainform::levelsColumn() const
{
    return m_levelsColumn;
}

QWidget *TMainform::layersPanel() const
{
    return m_layersPanel;
}

QWidget *TMainform::objectsPanel() const
{
    return m_objectsPanel;
}

void TMainform::buildPanels()
{
    m_levelsColumn = panel(this, "levelsColumn");
    m_layersPanel = panel(this, "layersPanel");
    m_objectsPanel = panel(this, "objectsPanel");
    const char *const names[] = {"levelPanel", "fonPanel", "activePanel", "textPanel",
                                 "eventsPanel"};
    for (size_t i = 0; i < m_workPanels.size(); ++i) {
        m_workPanels[i] = panel(this, names[i]);
        m_workPanels[i]->setBackgroundRole(QPalette::Base);
        m_workPanels[i]->hide();
    }
    for (QFrame *column : {m_levelsColumn, m_layersPanel, m_objectsPanel}) {
        column->setBackgroundRole(QPalette::Base);
        column->hide();
    }
    m_status = new QStatusBar(this);
    m_status->setSizeGripEnabled(false);
    m_status->setAutoFillBackground(true);
    m_status->setStyleSheet("QStatusBar { background: #bfdaff; border-top: 1px solid #8fb0dc; }");
    m_tabs = new TabStrip(this);
    connect(m_tabs, &TabStrip::tabSelected, this, &TMainform::showTab);
}

QMenu *TMainform::addMenuButton(const QString &caption, int index)
{
    auto *button = new QToolButton(m_topBar);
    button->setText(caption);
    button->setAutoRaise(true);
    button->setGeometry(logoWidth + 6 + index * (menuButtonWidth + 2), 1, menuButtonWidth,
                        menuButtonHeight);
    auto *menu = new QMenu(button);
    connect(button, &QToolButton::clicked, this,
            [this, menu, button] { showMenuUnderButton(menu, button); });
    return menu;
}

void TMainform::showMenuUnderButton(QMenu *menu, QToolButton *button)
{
    menu->popup(m_topBar->mapToGlobal(QPoint(button->x(), m_topBar->height())));
}

void TMainform::buildTopBar()
{
    m_topBar = new QFrame(this);
    m_topBar->setObjectName("topBar");

    QMenu *file = addMenuButton("Файл", 0);
    file->addAction("Открыть", this, [this] { openProject(true); });
    file->addAction("Создать", this, &TMainform::newProjectFromMenu);
    file->addAction("Сохранить", this, &TMainform::save);
    file->addAction("Сохранить как...", this, &TMainform::saveAs);
    file->addAction("Очистка", this, &TMainform::cleanBuildOutput);
    file->addAction("Компиляция", this, &TMainform::compile);
    file->addAction("Запуск jar", this, &TMainform::runGame);
    file->addAction("Выход", this, &QWidget::close);

    QMenu *settings = addMenuButton("Настройки", 1);
    settings->addAction("Общие настройки", this, &TMainform::showSettingsDialog);
    settings->addAction("Настройки мидлета", this, &TMainform::showMidletDialog);

    QMenu *create = addMenuButton("Создать", 2);
    create->addAction("Фоновый объект", this,
                      [this] { showEditorOfCurrentObject(WorkPanel::Fon); });
    create->addAction("Активный объект", this,
                      [this] { showEditorOfCurrentObject(WorkPanel::Active); });
    create->addAction("Уровень", this, [this] { showNameDialog(CreatedKind::Level); });

    QMenu *help = addMenuButton("Справка", 3);
    help->addAction("О программе", this, &TMainform::showAboutBox);

    // No command shows this button; it opens the source viewer.
    auto *sourceButton = new QToolButton(m_topBar);
    sourceButton->setObjectName("Button3");
    sourceButton->setText("Button3");
    sourceButton->hide();
    connect(sourceButton, &QToolButton::clicked, this, &TMainform::showSourceEditor);
}

void TMainform::buildCommandBar()
{
    m_commandBar = new QFrame(this);
    m_commandBar->setObjectName("commandBar");
    m_commandBar->setStyleSheet("#commandBar { background: qlineargradient(x1:0, y1:0, x2:0, "
                                "y2:1, stop:0 #f4f8ff, stop:1 #cfe0f8);"
                                " border-bottom: 1px solid #8fb0dc; }");
    const std::vector<CommandGroup> groups = {
        {"Проекты",
         {{"Создать", "Создать проект", CommandPicture::NewProject,
           &TMainform::newProjectFromToolbar},
          {"Открыть", "Открыть проект", CommandPicture::OpenProject,
           [](TMainform &window) { window.openProject(false); }},
          {"Сохранить", " Сохранить проект", CommandPicture::SaveProject,
           [](TMainform &window) { window.save(); }}}},
        {"Создание",
         {{"Фон", "Создание фонового объекта", CommandPicture::Background,
           [](TMainform &window) { window.showNameDialog(CreatedKind::Fon); }},
          {"Активный", "Создание активного объекта", CommandPicture::Active,
           [](TMainform &window) { window.showNameDialog(CreatedKind::Active); }},
          {"Уровень", "Создание нового уровня", CommandPicture::Level,
           [](TMainform &window) { window.showNameDialog(CreatedKind::Level); }}}},
        {"Сборка",
         {{"Компил.", "Компиляция", CommandPicture::Compile, &TMainform::compile},
          {"Запуск", "Запуск игры", CommandPicture::Run, &TMainform::runGame}}},
        {"Открыть", {{"События", "", CommandPicture::Events, &TMainform::openEventsTab}}},
    };

    auto *row = new QHBoxLayout(m_commandBar);
    row->setContentsMargins(logoWidth + 6, 1, 0, tabStripHeight);
    row->setSpacing(4);
    for (const CommandGroup &group : groups) {
        auto *box = new QFrame;
        box->setFrameShape(QFrame::StyledPanel);
        auto *buttons = new QHBoxLayout;
        buttons->setSpacing(0);
        for (const CommandButton &definition : group.buttons) {
            auto *button = new QToolButton;
            button->setObjectName(definition.caption);
            button->setText(definition.caption);
            button->setToolTip(definition.hint);
            button->setIcon(commandIcon(definition.picture));
            button->setIconSize(QSize(24, 24));
            button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
            button->setAutoRaise(true);
            button->setFixedSize(68, 42);
            connect(button, &QToolButton::clicked, this,
                    [this, command = definition.command] { command(*this); });
            buttons->addWidget(button);
        }
        auto *caption = new QLabel(group.caption);
        caption->setAlignment(Qt::AlignCenter);
        caption->setStyleSheet("color: #4a5a78;");
        auto *column = new QVBoxLayout(box);
        column->setContentsMargins(2, 0, 2, 0);
        column->setSpacing(0);
        column->addLayout(buttons);
        column->addWidget(caption);
        row->addWidget(box);
    }
    row->addStretch();

    m_logo = new QToolButton(this);
    m_logo->setObjectName("logo");
    m_logo->setIcon(logoPicture());
    m_logo->setIconSize(QSize(logoWidth, logoHeight));
    m_logo->setStyleSheet("QToolButton { border: none; padding: 0; }");
    m_logo->setCursor(Qt::PointingHandCursor);
    connect(m_logo, &QToolButton::clicked, this, &TMainform::openProductPage);
}

void TMainform::resizeEvent(QResizeEvent *)
{
    layOut();
}

void TMainform::layOut()
{
    const int w = width() + frameWidth;
    const int h = height() + frameHeight;
    const int top = topBarHeight + commandBarHeight;
    const int levelsWidth = levelsColumnWidth;

    m_topBar->setGeometry(0, 0, width(), topBarHeight);
    m_commandBar->setGeometry(0, topBarHeight, width(), commandBarHeight);
    m_logo->setGeometry(0, 0, logoWidth, logoHeight);
    m_tabs->setGeometry(levelsWidth, top - tabStripHeight, w - 2 * levelsColumnWidth - 10,
                        tabStripHeight);
    m_levelsColumn->setGeometry(0, top, levelsColumnWidth, h - 135);
    m_layersPanel->setGeometry(w - 169, top, objectsColumnWidth, layersPanelHeight);
    m_objectsPanel->setGeometry(w - 169, top + layersPanelHeight, objectsColumnWidth,
                                h - top - 200);
    for (QFrame *work : m_workPanels)
        work->setGeometry(levelsWidth, top, w - levelsWidth - objectsColumnWidth - 10,
                          h - top - 53);
    const int statusHeight = m_status->sizeHint().height();
    m_status->setGeometry(0, h - statusHeight - frameHeight, w - frameWidth, statusHeight);
    m_tabs->raise();
    m_status->raise();
    m_logo->raise();
}

void TMainform::readSettings()
{
    reportFailure([this] {
        const LoadedSettings loaded = loadSettings(m_programFolder);
        applySettings(loaded.settings);
        if (!loaded.problems.empty()) {
            QStringList problems;
            for (const std::string &problem : loaded.problems)
                problems << QString::fromStdString(problem);
            m_prompts->showError(problems.join('\n'));
        }
    });
}

void TMainform::applySettings(const Settings &settings)
{
    m_settings = settings;
    m_project->bgColor = settings.bgColor;
    m_project->jdkPath = settings.jdkPath;
    m_project->wtkPath = settings.wtkPath;
}

void TMainform::unlock()
{
    if (m_project->projectDir.empty())
        return;
    for (QFrame *column : {m_levelsColumn, m_layersPanel, m_objectsPanel})
        column->show();
    layOut();
}

void TMainform::hideWorkPanels()
{
    for (WorkPanel shown : {WorkPanel::Level, WorkPanel::Fon, WorkPanel::Active, WorkPanel::Events})
        workPanel(shown)->hide();
}

void TMainform::showTab(int tab)
{
    hideWorkPanels();
    if (tab < 0)
        return;
    const TabEntry &entry = m_tabs->entry(tab);
    switch (entry.kind) {
    case TabKind::Level:
        m_project->clickedLevel = entry.ref;
        m_project->currentLevel = entry.ref;
        workPanel(WorkPanel::Level)->show();
        break;
    case TabKind::Active:
        m_currentObject = entry.ref;
        workPanel(WorkPanel::Active)->show();
        break;
    case TabKind::Fon:
        m_currentObject = entry.ref;
        workPanel(WorkPanel::Fon)->show();
        break;
    case TabKind::Events:
        workPanel(WorkPanel::Events)->show();
        break;
    }
}

void TMainform::openEventsTab()
{
    m_tabs->openTab({TabKind::Events, "События", 0});
}

void TMainform::showEditorOfCurrentObject(WorkPanel panel)
{
    hideWorkPanels();
    workPanel(panel)->show();
}

void TMainform::setProjectTitle()
{
    const std::string name =
        m_project->projectFile.empty() ? "untitled" : fs::path(m_project->projectFile).stem();
    setWindowTitle(QString("ZOR Studio - [%1]").arg(QString::fromStdString(name)));
    m_status->showMessage(QString::fromStdString(m_project->projectFile));
}

bool TMainform::reportFailure(const std::function<void()> &command)
{
    try {
        command();
        return true;
    } catch (const std::exception &error) {
        m_prompts->showError(errorText(error));
        return false;
    }
}

void TMainform::newProjectFromToolbar()
{
    zor::newProjectFromToolbar(*m_project);
    // The window now says "untitled", so the next save asks for a file instead of
    // overwriting the previous project's.
    m_project->projectFile.clear();
    setProjectTitle();
}

void TMainform::newProjectFromMenu()
{
    zor::newProjectFromMenu(*m_project);
    unlock();
}

bool TMainform::openProject(bool unlockAfterwards)
{
    const std::optional<fs::path> file = m_prompts->projectToOpen(m_programFolder / "projects");
    if (!file)
        return false;
    // The project is cleared and read as one step, so a file that cannot be read leaves the
    // open project exactly as it was.
    const bool read = reportFailure([this, &file] {
        auto opened = std::make_unique<Project>(*m_project);
        clearProject(*opened);
        loadProject(*opened, *file);
        *m_project = std::move(*opened);
    });
    if (!read)
        return false;
    setProjectTitle();
    if (unlockAfterwards)
        unlock();
    return true;
}

bool TMainform::save()
{
    return saveProject(false);
}

bool TMainform::saveAs()
{
    return saveProject(true);
}

bool TMainform::saveProject(bool askForFile)
{
    m_project->saveAsk = askForFile;
    std::optional<fs::path> target;
    if (!askForFile && !m_project->projectFile.empty())
        target = m_project->projectFile;
    else
        target = m_prompts->projectToSave(m_programFolder / "projects");
    if (!target)
        return false;
    // The project takes the file's name only once the file is written.
    const bool written = reportFailure([this, &target] {
        zor::saveProject(*m_project, *target);
        const fs::path absolute = fs::absolute(*target);
        m_project->projectFile = absolute.string();
        m_project->projectDir = absolute.parent_path().string();
    });
    if (written)
        setProjectTitle();
    return written;
}

void TMainform::closeEvent(QCloseEvent *event)
{
    // The window stays open when the save that the user asked for did not happen.
    if (m_prompts->saveBeforeClosing() && !saveProject(false))
        event->ignore();
    else
        event->accept();
}

void TMainform::showNameDialog(CreatedKind kind)
{
    TfmSetup_ur dialog(*m_project, this);
    dialog.start(kind);
    dialog.exec();
}

void TMainform::showSettingsDialog()
{
    reportFailure([this] {
        TSetup dialog(m_programFolder, this);
        if (dialog.exec() == QDialog::Accepted)
            applySettings(dialog.settings());
    });
}

void TMainform::showMidletDialog()
{
    TfmSetup_midp(*m_project, this).exec();
}

void TMainform::showAboutBox()
{
    TAboutBox(this).exec();
}

void TMainform::showSourceEditor()
{
    TFmCode_red(m_programFolder, m_project->projectDir, this).exec();
}

void TMainform::startConsole()
{
    m_console = new TfrmConsole(this);
    m_pipeline = new BuildPipeline(m_console->processor(), this);
    connect(m_pipeline, &BuildPipeline::started, this, [this] {
        m_console->empty();
        m_console->show();
        m_console->raise();
    });
    connect(m_pipeline, &BuildPipeline::finished, this, &TMainform::buildFinished);
    // Without a command processor the studio still edits projects; building reports why it
    // cannot run.
    if (!m_console->start(m_programFolder))
        m_prompts->showError(m_console->startError());
}

BuildPaths TMainform::buildPaths() const
{
    return BuildPaths(m_programFolder, m_project->jdkPath, m_project->wtkPath,
                      m_project->midletName);
}

void TMainform::compile()
{
    if (m_pipeline->isRunning())
        return;
    reportFailure([this] {
        const BuildPaths paths = buildPaths();
        auto *strip = new TfmConvert(this);
        connect(m_pipeline, &BuildPipeline::finished, strip, &QWidget::close);
        strip->show();
        m_status->showMessage("Компиляция...");
        m_pipeline->start(paths, [this] { convertProject(*m_project, m_programFolder); });
    });
}

void TMainform::buildFinished(const BuildResult &result)
{
    const QString message = QString::fromStdString(result.message);
    if (result.succeeded()) {
        m_status->showMessage(toQString(result.archive));
    } else if (result.failedStep == BuildStep::Conversion) {
        m_status->clearMessage();
        m_prompts->showError(message);
    } else {
        m_status->showMessage(message);
        m_console->append("\n" + message + "\n", OutputKind::Output);
        m_console->show();
    }
}

void TMainform::runGame()
{
    reportFailure([this] {
        const BuildPaths paths = buildPaths();
        if (!zor::runGame(paths))
            m_status->showMessage("Нет файла " + toQString(paths.archive()));
    });
}

void TMainform::cleanBuildOutput()
{
    reportFailure([this] { cleanProgramFolder(m_programFolder); });
}

void TMainform::openProductPage()
{
    QDesktopServices::openUrl(
        QUrl::fromLocalFile(toQString(m_programFolder / "System" / "zor-studio.html")));
}

} // namespace zor::gui
