#include "tfmcode_red.h"

#include "base/codepage.h"
#include "base/filesystem.h"
#include "base/rounding.h"
#include "gui/shell/qtbridge.h"
#include "javakeywords.h"

#include <QButtonGroup>
#include <QFile>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QStatusBar>
#include <QStringDecoder>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace fs = std::filesystem;

namespace zor::gui {
namespace {

constexpr int templateButtons = 5;
constexpr int hiddenButtonWidth = 120;
constexpr int fileButtonWidth = 70;
constexpr int stripHeight = 26;

QToolButton *stripButton(const QString &caption, int width)
{
    auto *button = new QToolButton;
    button->setText(caption);
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setFixedSize(width, stripHeight - 2);
    return button;
}

// Generated sources are in code page 1251; a file that is valid UTF-8 is read as such.
QString decodeSource(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = QString::fromStdString(cp1251ToUtf8(bytes.toStdString()));
    text.remove('\r');
    return text;
}

} // namespace

TFmCode_red::TFmCode_red(fs::path programFolder, std::string projectDir, QWidget *parent)
    : QDialog(parent)
    , m_programFolder(std::move(programFolder))
    , m_projectDir(std::move(projectDir))
    , m_fileStrip(new QWidget)
    , m_text(new QTextEdit)
    , m_status(new QStatusBar)
{
    setWindowTitle("FmCode_red");

    auto *folders = new QButtonGroup(this);
    QToolButton *templates = stripButton("Ш", 32);
    QToolButton *sources = stripButton("Пр", 32);
    templates->setObjectName("templates");
    sources->setObjectName("sources");
    folders->addButton(templates);
    folders->addButton(sources);
    connect(templates, &QToolButton::clicked, this, &TFmCode_red::listTemplates);
    connect(sources, &QToolButton::clicked, this, &TFmCode_red::listProjectSources);
    auto *folderStrip = new QHBoxLayout;
    folderStrip->setSpacing(2);
    folderStrip->addWidget(templates);
    folderStrip->addWidget(sources);
    folderStrip->addStretch();

    auto *files = new QButtonGroup(this);
    for (int button = 0; button < fileButtonCount; ++button) {
        m_fileButtons[size_t(button)] = stripButton(QString::number(button + 1), fileButtonWidth);
        m_fileButtons[size_t(button)]->setParent(m_fileStrip);
        files->addButton(m_fileButtons[size_t(button)], button);
    }
    connect(files, &QButtonGroup::idClicked, this, &TFmCode_red::openFile);
    m_fileStrip->setFixedHeight(stripHeight);
    placeFileButtons();

    QFont font;
    font.setFamilies({"MS Sans Serif", "DejaVu Sans"});
    font.setPointSize(8);
    m_text->setFont(font);
    m_text->setObjectName("source");
    m_text->setAcceptRichText(false);
    m_text->setLineWrapMode(QTextEdit::NoWrap);
    m_text->setStyleSheet(QString("QTextEdit { color: #00ff00; background: %1; }")
                              .arg(palette().color(QPalette::Highlight).name()));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(folderStrip);
    layout->addWidget(m_fileStrip);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_status);
    resize(885, 587);
}

void TFmCode_red::placeFileButtons()
{
    int left = 0;
    for (QToolButton *button : m_fileButtons) {
        button->move(left, 1);
        if (!button->isHidden())
            left += button->width();
    }
}

int TFmCode_red::list(const fs::path &folder)
{
    const std::vector<fs::path> found = matchFiles(folder, "*.java");
    const int count = std::min<int>(int(found.size()), fileButtonCount);
    for (int button = 0; button < fileButtonCount; ++button) {
        QToolButton *fileButton = m_fileButtons[size_t(button)];
        if (button < count) {
            m_files[size_t(button)] = found[size_t(button)];
            fileButton->setText(QString::fromStdString(found[size_t(button)].filename()));
            fileButton->setToolTip(toQString(found[size_t(button)]));
        } else {
            // A button without a file keeps its caption but opens nothing.
            m_files[size_t(button)].clear();
        }
    }
    return count;
}

void TFmCode_red::listTemplates()
{
    list(m_programFolder / "System" / "draft");
    for (int button = 0; button < fileButtonCount; ++button) {
        QToolButton *fileButton = m_fileButtons[size_t(button)];
        fileButton->setFixedWidth(width() / templateButtons);
        fileButton->setVisible(button < templateButtons);
    }
    m_listedCount = templateButtons;
    placeFileButtons();
}

void TFmCode_red::listProjectSources()
{
    for (QToolButton *button : m_fileButtons) {
        button->hide();
        button->setFixedWidth(hiddenButtonWidth);
    }
    m_listedCount = list(fs::path(m_projectDir) / "src");
    for (int button = 0; button < m_listedCount; ++button) {
        m_fileButtons[size_t(button)]->setFixedWidth(rnd(double(width()) / m_listedCount));
        m_fileButtons[size_t(button)]->show();
    }
    placeFileButtons();
}

void TFmCode_red::openFile(int button)
{
    if (m_listedCount < 1 || m_files[size_t(button)].empty())
        return;
    QFile file(toQString(m_files[size_t(button)]));
    if (!file.open(QIODevice::ReadOnly)) {
        QMessageBox::warning(this, windowTitle(),
                             QString("%1: %2").arg(file.fileName(), file.errorString()));
        return;
    }
    m_text->clear();
    m_text->setPlainText(decodeSource(file.readAll()));
    m_status->showMessage(file.fileName());
    highlightKeywords();
}

void TFmCode_red::highlightKeywords()
{
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCursor cursor(m_text->document());
    cursor.beginEditBlock();
    for (const TextRange &range : keywordRanges(m_text->toPlainText())) {
        cursor.setPosition(range.start);
        cursor.setPosition(range.start + range.length, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(bold);
    }
    cursor.endEditBlock();
    m_text->moveCursor(QTextCursor::Start);
    m_text->setFocus();
}

} // namespace zor::gui
