// Times the studio's start-up: from starting the process to the main window's first paint,
// without the splash (its five seconds are the program's own choice), against a bare Qt window
// started the same way in the same run.
//
//   bench_studio [RUNS]
//
// RUNS is the number of starts of each kind (default 15), interleaved; the figures are the
// median and the fastest start. Children run on Qt's offscreen platform unless
// QT_QPA_PLATFORM says otherwise.
#include "gui/shell/appearance.h"
#include "gui/shell/tmainform.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Reports "ready" on standard output when the watched window has painted itself once.
class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_reported) {
            m_reported = true;
            std::fputs("ready\n", stdout);
            std::fflush(stdout);
            // Leaves without closing the windows: closing the studio asks about saving.
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

private:
    bool m_reported = false;
};

int runBareWindow(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    FirstPaint ready;
    window.installEventFilter(&ready);
    window.resize(1292, 776);
    window.showMaximized();
    return application.exec();
}

int runStudio(int argc, char **argv, const char *programFolder)
{
    QApplication application(argc, argv);
    zor::gui::applyStudioAppearance(application);
    zor::gui::TMainform window({programFolder, false, nullptr});
    FirstPaint ready;
    window.installEventFilter(&ready);
    window.showMaximized();
    return application.exec();
}

// Starts this program in the given mode and returns the seconds until it reported ready.
double timeStart(const std::vector<std::string> &arguments)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        std::vector<char *> argv;
        for (const std::string &argument : arguments)
            argv.push_back(const_cast<char *>(argument.c_str()));
        argv.push_back(nullptr);
        execv("/proc/self/exe", argv.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    char buffer[16];
    const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer);
    const auto ready = std::chrono::steady_clock::now();
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (got <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not start\n", arguments[1].c_str());
        std::exit(1);
    }
    return std::chrono::duration<double>(ready - start).count();
}

struct Figures
{
    double median;
    double fastest;
};

Figures figures(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.front()};
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 2 && std::string(argv[1]) == "--bare")
        return runBareWindow(argc, argv);
    if (argc >= 3 && std::string(argv[1]) == "--studio")
        return runStudio(argc, argv, argv[2]);

    const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 15;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    char pattern[] = "/tmp/zor-bench-studio-XXXXXX";
    if (!mkdtemp(pattern)) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path programFolder = pattern;
    fs::create_directories(programFolder / "projects");

    // One start of each first, so that both find the libraries in the page cache.
    timeStart({"bench_studio", "--bare"});
    timeStart({"bench_studio", "--studio", programFolder.string()});
    std::vector<double> bare, studio;
    for (int run = 0; run < runs; ++run) {
        bare.push_back(timeStart({"bench_studio", "--bare"}));
        studio.push_back(timeStart({"bench_studio", "--studio", programFolder.string()}));
    }
    fs::remove_all(programFolder);

    const Figures b = figures(bare);
    const Figures s = figures(studio);
    std::printf("start to first paint, %d runs each (median / fastest):\n", runs);
    std::printf("  bare Qt window   %7.1f ms / %7.1f ms\n", b.median * 1e3, b.fastest * 1e3);
    std::printf("  studio window    %7.1f ms / %7.1f ms\n", s.median * 1e3, s.fastest * 1e3);
    std::printf("  ratio            %7.2f      / %7.2f\n", s.median / b.median,
                s.fastest / b.fastest);
    return 0;
}
