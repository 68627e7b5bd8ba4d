#pragma once

#include "model/settingsfile.h"

#include <QDialog>

#include <filesystem>

class QLabel;
class QLineEdit;
class QSpinBox;

namespace zor::gui {

// The general settings: the level canvas's grid and screen outline, the level background
// colour and the tool folders. It shows the settings file and rewrites it on "Да".
class TSetup : public QDialog
{
public:
    // Reads the settings file of the program folder into the fields.
    explicit TSetup(std::filesystem::path programFolder, QWidget *parent = nullptr);

    // Rewrites the settings file from the fields; a grid field that does not hold a number is
    // refused with a message and nothing is written.
    void save();
    // The values written by the last save().
    const Settings &settings() const { return m_settings; }

    void setGridColour(std::uint32_t colour);
    void setBackgroundColour(std::uint32_t colour);

private:
    QWidget *gridPage();
    QWidget *screenPage();
    QWidget *backgroundPage();
    QWidget *compilerPage();
    void loadFields();
    void chooseColour(std::uint32_t current, void (TSetup::*apply)(std::uint32_t));
    void chooseFolder(QLineEdit *field);
    void confirm();

    std::filesystem::path m_programFolder;
    Settings m_settings;
    QLineEdit *m_gridX = nullptr;
    QLineEdit *m_gridY = nullptr;
    QLineEdit *m_gridWidth = nullptr;
    QLineEdit *m_gridHeight = nullptr;
    QLabel *m_gridSwatch = nullptr;
    QSpinBox *m_screenWidth = nullptr;
    QSpinBox *m_screenHeight = nullptr;
    QLabel *m_backgroundSwatch = nullptr;
    QLineEdit *m_jdkPath = nullptr;
    QLineEdit *m_wtkPath = nullptr;
};

} // namespace zor::gui
