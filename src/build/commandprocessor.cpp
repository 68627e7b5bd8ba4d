#include "commandprocessor.h"

#include "shellquote.h"

#include <QProcessEnvironment>
#include <QRandomGenerator>

#include <cstring>

namespace zor {
namespace {

// QProcess reports a failed start as text that ends with the system's message ("execvp: No
// such file or directory"); the code is the one whose message that is.
int systemErrorCode(const QString &reason)
{
    for (int code = 1; code < 256; ++code) {
        if (reason.endsWith(QString::fromLocal8Bit(strerror(code))))
            return code;
    }
    return 0;
}

bool isUtf8Locale(const QString &locale)
{
    const QString lower = locale.toLower();
    return lower.contains("utf-8") || lower.contains("utf8");
}

// The tools print in the code set of their locale; the console reads UTF-8, so a processor
// started from a locale without UTF-8 gets one that has it.
QProcessEnvironment utf8Environment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString all = environment.value("LC_ALL");
    if (!all.isEmpty()) {
        if (!isUtf8Locale(all))
            environment.insert("LC_ALL", "C.UTF-8");
        return environment;
    }
    const QString ctype = environment.value("LC_CTYPE", environment.value("LANG"));
    if (!isUtf8Locale(ctype))
        environment.insert("LC_CTYPE", "C.UTF-8");
    return environment;
}

// How many bytes at the end of `bytes` could be the beginning of `marker`.
qsizetype partialMarkerLength(const QByteArray &bytes, const QByteArray &marker)
{
    for (qsizetype length = std::min(bytes.size(), marker.size() - 1); length > 0; --length) {
        if (bytes.endsWith(marker.left(length)))
            return length;
    }
    return 0;
}

} // namespace

CommandProcessor::CommandProcessor(QObject *parent)
    : QObject(parent)
    , m_marker("\x1fzor" + QByteArray::number(QRandomGenerator::global()->generate64(), 16) + ":")
{
    connect(&m_process, &QProcess::readyReadStandardOutput, this,
            [this] { readChannel(m_output, QProcess::StandardOutput); });
    connect(&m_process, &QProcess::readyReadStandardError, this,
            [this] { readChannel(m_error, QProcess::StandardError); });
    connect(&m_process, &QProcess::finished, this, &CommandProcessor::processEnded);
}

CommandProcessor::~CommandProcessor()
{
    m_process.disconnect(this);
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

bool CommandProcessor::start(const std::filesystem::path &folder, const QString &shell)
{
    if (isRunning())
        return true;
    m_process.setProgram(shell);
    m_process.setWorkingDirectory(QString::fromStdString(folder.string()));
    m_process.setProcessEnvironment(utf8Environment());
    m_process.start();
    if (m_process.waitForStarted())
        return true;
    const QString reason = m_process.errorString();
    const int code = systemErrorCode(reason);
    m_startError = QString("Error %1:\r\n%2")
                       .arg(code)
                       .arg(code ? QString::fromLocal8Bit(strerror(code)) : reason);
    return false;
}

bool CommandProcessor::isRunning() const
{
    return m_process.state() == QProcess::Running;
}

int CommandProcessor::send(const QString &commandLine)
{
    if (!isRunning())
        return 0;
    const int command = m_lastCommand + 1;
    const QByteArray number = QByteArray::number(command);
    const QByteArray line = "command eval " + quoteForShell(commandLine).toUtf8() +
                            " </dev/null; printf '" + m_marker + number + ":%d\\n' $?; printf '" +
                            m_marker + number + "\\n' >&2\n";
    if (m_process.write(line) != line.size())
        return 0;
    m_lastCommand = command;
    m_waiting.push_back({.command = command});
    emit output(commandLine + '\n', OutputKind::Command);
    return command;
}

void CommandProcessor::readChannel(Channel &channel, QProcess::ProcessChannel which)
{
    channel.pending += which == QProcess::StandardOutput ? m_process.readAllStandardOutput()
                                                         : m_process.readAllStandardError();
    // Consumed bytes leave `pending` before anything is emitted, so a slot that lets the event
    // loop run finds the channel in order.
    for (;;) {
        const qsizetype at = channel.pending.indexOf(m_marker);
        const qsizetype end = at < 0 ? -1 : channel.pending.indexOf('\n', at + m_marker.size());
        if (end < 0) {
            const qsizetype kept = at >= 0 ? channel.pending.size() - at
                                           : partialMarkerLength(channel.pending, m_marker);
            const QByteArray text = channel.pending.first(channel.pending.size() - kept);
            channel.pending.remove(0, text.size());
            deliver(channel, text);
            return;
        }
        const QByteArray text = channel.pending.first(at);
        const QByteArray fields =
            channel.pending.mid(at + m_marker.size(), end - at - m_marker.size());
        channel.pending.remove(0, end + 1);
        deliver(channel, text);
        marked(channel, fields);
    }
}

void CommandProcessor::deliver(Channel &channel, const QByteArray &bytes)
{
    const QString text = channel.decoder.decode(bytes);
    if (!text.isEmpty())
        emit output(text, channel.kind);
}

void CommandProcessor::marked(const Channel &channel, const QByteArray &fields)
{
    const QList<QByteArray> values = fields.split(':');
    const int command = values[0].toInt();
    for (Waiting &waiting : m_waiting) {
        if (waiting.command != command)
            continue;
        if (channel.kind == OutputKind::Output) {
            waiting.outputMarked = true;
            waiting.exitStatus = values.value(1).toInt();
        } else {
            waiting.errorMarked = true;
        }
    }
    while (!m_waiting.empty() && m_waiting.front().outputMarked && m_waiting.front().errorMarked) {
        const Waiting finished = m_waiting.front();
        m_waiting.pop_front();
        emit commandFinished(finished.command, finished.exitStatus);
    }
}

void CommandProcessor::processEnded()
{
    for (Channel *channel : {&m_output, &m_error}) {
        readChannel(*channel,
                    channel == &m_output ? QProcess::StandardOutput : QProcess::StandardError);
        const QByteArray rest = std::exchange(channel->pending, {});
        deliver(*channel, rest);
    }
    while (!m_waiting.empty()) {
        const int command = m_waiting.front().command;
        m_waiting.pop_front();
        emit commandFinished(command, -1);
    }
    emit ended();
}

} // namespace zor
