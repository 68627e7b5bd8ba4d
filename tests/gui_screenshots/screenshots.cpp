// Shows the main window and each dialog in turn and saves a picture of the whole screen for
// each, so that their look can be checked by eye. Run it under a virtual X server
// (scripts/screenshots.sh).
#include "gui/console/tfrmconsole.h"
#include "gui/convert/tfmconvert.h"
#include "gui/dialogs/taboutbox.h"
#include "gui/dialogs/tfmsave_pr.h"
#include "gui/dialogs/tfmsetup_midp.h"
#include "gui/dialogs/tfmsetup_ur.h"
#include "gui/dialogs/tsetup.h"
#include "gui/shell/appearance.h"
#include "gui/shell/tabstrip.h"
#include "gui/shell/tmainform.h"
#include "gui/shell/tsplashform.h"
#include "gui/srcview/tfmcode_red.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QScreen>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include <cstdio>

using namespace zor::gui;

namespace {

QString outputFolder;

void settle()
{
    for (int round = 0; round < 10; ++round) {
        QApplication::processEvents();
        QThread::msleep(30);
    }
}

void shoot(const QString &name)
{
    settle();
    const QString file = outputFolder + "/" + name + ".png";
    QApplication::primaryScreen()->grabWindow(0).save(file);
    std::printf("%s\n", qPrintable(file));
}

void shootOver(QWidget &window, QWidget &dialog, const QString &name)
{
    dialog.show();
    settle();
    dialog.move(window.geometry().center() - dialog.rect().center());
    shoot(name);
    dialog.hide();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    applyStudioAppearance(application);
    if (argc != 3) {
        std::fprintf(stderr, "usage: gui_screenshots PROGRAM_FOLDER OUTPUT_FOLDER\n");
        return 2;
    }
    outputFolder = argv[2];
    QDir().mkpath(outputFolder);

    StartupOptions options;
    options.programFolder = argv[1];
    options.showSplash = false;
    TMainform window(options);
    window.setGeometry(QApplication::primaryScreen()->geometry());
    window.show();
    shoot("mainwindow");

    window.project().levelNames[1] = "Лес";
    window.tabStrip().openTab({TabKind::Level, "Лес", 1});
    window.tabStrip().openTab({TabKind::Fon, "трава", 1});
    window.openEventsTab();
    shoot("mainwindow-tabs");

    auto *fileButton = window.findChild<QMenu *>();
    fileButton->popup(window.mapToGlobal(QPoint(116, 25)));
    shoot("mainwindow-filemenu");
    fileButton->hide();

    TSplashForm splash;
    shootOver(window, splash, "splash");

    TSetup setup(options.programFolder);
    auto *pages = setup.findChild<QTabWidget *>();
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        shootOver(window, setup, QString("settings-%1").arg(page + 1));
    }

    TfmSetup_midp midlet(window.project());
    shootOver(window, midlet, "midlet");

    TfmSetup_ur name(window.project());
    name.start(CreatedKind::Level);
    shootOver(window, name, "name-level");

    TfmSave_pr closePrompt;
    shootOver(window, closePrompt, "close-prompt");

    TAboutBox about;
    shootOver(window, about, "about");

    // The console with the answer of a real command, and the conversion strip over the window.
    int finished = 0;
    QObject::connect(&window.console().processor(), &zor::CommandProcessor::commandFinished,
                     [&finished] { ++finished; });
    window.console().processor().send("ls -l System; echo 'Готово'");
    while (finished == 0)
        settle();
    auto *strip = new TfmConvert(&window);
    strip->show();
    shootOver(window, window.console(), "console");
    strip->close();

    TFmCode_red source(options.programFolder, window.project().projectDir);
    source.show();
    settle();
    source.findChild<QToolButton *>("templates")->click();
    source.openFile(0);
    shootOver(window, source, "source-viewer");
    return 0;
}
