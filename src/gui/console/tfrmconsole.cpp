#include "tfrmconsole.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace zor::gui {

TfrmConsole::TfrmConsole(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_text(new QPlainTextEdit)
{
    setWindowTitle("Компиляция");
    m_text->setObjectName("console");
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font;
    font.setFamilies({"Lucida Console", "DejaVu Sans Mono"});
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(13);
    m_text->setFont(font);
    m_text->setStyleSheet("QPlainTextEdit { color: black; background: rgb(211, 182, 129); }");
    // A click in the text puts the console away, as "OK" does.
    m_text->viewport()->installEventFilter(this);

    auto *ok = new QPushButton("OK");
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);

    // A window without the system's frame keeps a frame of its own, three pixels wide.
    setObjectName("TfrmConsole");
    setStyleSheet("#TfrmConsole { border: 3px solid #6b5a3a; }");
    setAttribute(Qt::WA_StyledBackground);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(3);
    layout->addWidget(m_text, 1);
    layout->addLayout(buttons);
    resize(548 + 6, 330 + 6);

    connect(&m_processor, &CommandProcessor::output, this, &TfrmConsole::append);
    connect(&m_processor, &CommandProcessor::ended, this, &QWidget::hide);
}

bool TfrmConsole::start(const std::filesystem::path &programFolder)
{
    return m_processor.start(programFolder);
}

void TfrmConsole::append(const QString &piece, OutputKind kind)
{
    QString text = piece;
    text.remove('\r');
    QTextCursor cursor(m_text->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    if (kind == OutputKind::ErrorOutput)
        cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::MoveAnchor,
                            int(text.size()));
    m_text->setTextCursor(cursor);
    m_text->ensureCursorVisible();
}

void TfrmConsole::empty()
{
    m_text->clear();
}

QString TfrmConsole::text() const
{
    return m_text->toPlainText();
}

bool TfrmConsole::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress)
        hide();
    return false;
}

} // namespace zor::gui
