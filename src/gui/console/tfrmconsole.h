#pragma once

#include "build/commandprocessor.h"

#include <QWidget>

#include <filesystem>

class QPlainTextEdit;

namespace zor::gui {

// The console: owns the command processor that runs the Java tools for the whole run and shows
// every command sent to it and everything it prints, as the text arrives.
class TfrmConsole : public QWidget
{
public:
    explicit TfrmConsole(QWidget *parent = nullptr);

    // Starts the command processor in the program folder. Returns false when it cannot be
    // started; startError() then says why.
    bool start(const std::filesystem::path &programFolder);
    const QString &startError() const { return m_processor.startError(); }
    CommandProcessor &processor() { return m_processor; }

    // Appends a piece of text to the last line; a line break in it starts a new line. The
    // caret stays at the start of a piece of error output and at the end of anything else.
    void append(const QString &piece, OutputKind kind);
    void empty();
    QString text() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    CommandProcessor m_processor;
    QPlainTextEdit *m_text = nullptr;
};

} // namespace zor::gui
