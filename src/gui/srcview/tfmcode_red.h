#pragma once

#include <QDialog>

#include <array>
#include <filesystem>
#include <string>

class QButtonGroup;
class QStatusBar;
class QTextEdit;
class QToolButton;

namespace zor::gui {

// A viewer of the game's Java sources: the templates of System/draft ("Ш") or the sources in
// the project folder's "src" ("Пр"), one file at a time, keywords in bold. Edits stay in the
// window; nothing is written back.
class TFmCode_red : public QDialog
{
public:
    static constexpr int fileButtonCount = 20;

    TFmCode_red(std::filesystem::path programFolder, std::string projectDir,
                QWidget *parent = nullptr);

    void listTemplates();
    void listProjectSources();
    void openFile(int button);

    int listedCount() const { return m_listedCount; }
    QToolButton *fileButton(int button) const { return m_fileButtons[size_t(button)]; }
    QTextEdit *text() const { return m_text; }

private:
    // Gives the first files of the folder to the first buttons; returns how many were found.
    int list(const std::filesystem::path &folder);
    void placeFileButtons();
    void highlightKeywords();

    std::filesystem::path m_programFolder;
    std::string m_projectDir;
    int m_listedCount = 0;
    std::array<QToolButton *, fileButtonCount> m_fileButtons{};
    std::array<std::filesystem::path, fileButtonCount> m_files;
    QWidget *m_fileStrip = nullptr;
    QTextEdit *m_text = nullptr;
    QStatusBar *m_status = nullptr;
};

} // namespace zor::gui
