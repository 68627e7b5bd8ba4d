#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringDecoder>

#include <deque>
#include <filesystem>

namespace zor {

// What a piece of console text is: a command as it was sent, or what the processor printed.
enum class OutputKind
{
    Command,
    Output,
    ErrorOutput,
};

// One long-lived command processor (/bin/sh) fed with command lines on its standard input.
// Each command line is echoed, and everything the commands print is delivered in pieces as it
// arrives; a piece continues the current line until it holds a line break. After each command
// the processor prints a marker line, not shown, that carries the command's exit status on
// standard output and a second one on standard error; a command has finished when both have
// arrived, so all of its output has been delivered by then. Text is UTF-8 both ways.
//
// Commands run with standard input from /dev/null, so a tool that reads its input cannot eat
// the commands queued behind it, and through `command eval`, so a command line with a syntax
// error fails on its own instead of ending the processor. Signals are delivered on the thread
// that owns the object, from its event loop.
class CommandProcessor : public QObject
{
    Q_OBJECT

public:
    explicit CommandProcessor(QObject *parent = nullptr);
    // Ends the processor if it still runs.
    ~CommandProcessor() override;

    // Starts the processor in `folder`. Returns false when it cannot be started; startError()
    // then holds the message for the user.
    bool start(const std::filesystem::path &folder, const QString &shell = "/bin/sh");
    // "Error CODE:\r\nREASON" with the system's error code and text.
    const QString &startError() const { return m_startError; }
    bool isRunning() const;

    // Sends one command line and echoes it. Returns the command's number (from 1 on), or 0
    // when the processor does not run: the command is dropped without echo.
    int send(const QString &commandLine);

signals:
    void output(const QString &piece, zor::OutputKind kind);
    // `exitStatus` is the command's status, or -1 when the processor ended before it finished.
    void commandFinished(int command, int exitStatus);
    // The processor has ended; every command still waiting has been reported finished.
    void ended();

private:
    struct Channel
    {
        explicit Channel(OutputKind kind)
            : kind(kind)
        {}

        QByteArray pending;
        QStringDecoder decoder{QStringDecoder::Utf8};
        OutputKind kind;
    };
    struct Waiting
    {
        int command;
        int exitStatus = -1;
        bool outputMarked = false;
        bool errorMarked = false;
    };

    void readChannel(Channel &channel, QProcess::ProcessChannel which);
    void deliver(Channel &channel, const QByteArray &bytes);
    void marked(const Channel &channel, const QByteArray &fields);
    void processEnded();

    QProcess m_process;
    QString m_startError;
    QByteArray m_marker;
    Channel m_output{OutputKind::Output};
    Channel m_error{OutputKind::ErrorOutput};
    std::deque<Waiting> m_waiting;
    int m_lastCommand = 0;
};

} // namespace zor
