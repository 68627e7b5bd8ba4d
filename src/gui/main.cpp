#include "shell/appearance.h"
#include "shell/tmainform.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    zor::gui::applyStudioAppearance(application);

    // The program works in the folder of its executable unless "--root DIR" names another.
    zor::gui::StartupOptions options;
    options.programFolder = QApplication::applicationDirPath().toStdString();
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == "--root") {
        options.programFolder = arguments[2].toStdString();
    } else if (arguments.size() != 1) {
        std::fprintf(stderr, "usage: zor-studio [--root DIR]\n");
        return 2;
    }

    zor::gui::TMainform window(options);
    window.showMaximized();
    return application.exec();
}
