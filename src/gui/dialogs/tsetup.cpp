#include "tsetup.h"

#include "base/linefile.h"
#include "base/numbers.h"
#include "base/picture.h"
#include "base/rounding.h"
#include "gui/shell/qtbridge.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace fs = std::filesystem;

namespace zor::gui {
namespace {

constexpr int largestScreenSide = 100000;

QLineEdit *namedEdit(const char *name)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(name);
    return edit;
}

QSpinBox *namedSpin(const char *name)
{
    auto *spin = new QSpinBox;
    spin->setObjectName(name);
    spin->setRange(0, largestScreenSide);
    return spin;
}

QLabel *swatch()
{
    auto *label = new QLabel;
    label->setFixedSize(40, 20);
    label->setFrameShape(QFrame::Box);
    label->setAutoFillBackground(true);
    return label;
}

void paintSwatch(QLabel *label, std::uint32_t colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    label->setPalette(palette);
}

// The grid fields show the first four lines exactly as they were typed.
std::array<QString, 4> typedGridTexts(const fs::path &file, const Settings &settings)
{
    std::array<QString, 4> texts = {
        QString::number(settings.gridX), QString::number(settings.gridY),
        QString::number(settings.gridWidth), QString::number(settings.gridHeight)};
    LineReader in(file);
    for (QString &text : texts) {
        if (in.atEnd())
            break;
        text = QString::fromStdString(in.nextText("a grid value"));
    }
    return texts;
}

int roundedOrZero(const QString &text)
{
    double value = 0;
    return parseDecimal(text.toStdString(), value) ? rnd(value) : 0;
}

} // namespace

TSetup::TSetup(fs::path programFolder, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_programFolder(std::move(programFolder))
{
    setWindowTitle("Настройки");
    auto *pages = new QTabWidget;
    pages->addTab(gridPage(), "Сетка");
    pages->addTab(screenPage(), "Контур экрана");
    pages->addTab(backgroundPage(), "Цвет фона");
    pages->addTab(compilerPage(), "Компилятор");
    // The four page captions fit the narrow dialog only with tighter tabs than the style's.
    pages->setStyleSheet("QTabBar::tab { padding: 3px 3px; border: 1px solid #a0a0a0;"
                         " border-bottom: none; border-top-left-radius: 3px;"
                         " border-top-right-radius: 3px; background: #e8e8e8; }"
                         "QTabBar::tab:selected { background: #ffffff; }");

    auto pictureButton = [this](QStyle::StandardPixmap picture, const char *hint) {
        auto *button = new QToolButton;
        button->setIcon(style()->standardIcon(picture));
        button->setToolTip(hint);
        button->setFixedSize(64, 28);
        return button;
    };
    QToolButton *yes = pictureButton(QStyle::SP_DialogApplyButton, "Да");
    QToolButton *cancel = pictureButton(QStyle::SP_DialogCancelButton, "Отмена");
    yes->setObjectName("yes");
    connect(yes, &QToolButton::clicked, this, &TSetup::confirm);
    connect(cancel, &QToolButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(pages);
    layout->addLayout(buttons);
    setFixedSize(309, 303);
    loadFields();
}

QWidget *TSetup::gridPage()
{
    m_gridX = namedEdit("gridX");
    m_gridY = namedEdit("gridY");
    m_gridWidth = namedEdit("gridWidth");
    m_gridHeight = namedEdit("gridHeight");
    m_gridSwatch = swatch();

    auto *origin = new QGroupBox("Начало сетки");
    auto *originFields = new QFormLayout(origin);
    originFields->addRow("X", m_gridX);
    originFields->addRow("Y", m_gridY);
    auto *size = new QGroupBox("Размер сетки");
    auto *sizeFields = new QFormLayout(size);
    sizeFields->addRow("Ширина", m_gridWidth);
    sizeFields->addRow("Высота", m_gridHeight);

    auto *colour = new QPushButton("Цвет");
    connect(colour, &QPushButton::clicked, this,
            [this] { chooseColour(m_settings.gridColor, &TSetup::setGridColour); });
    auto *colourRow = new QHBoxLayout;
    colourRow->addWidget(colour);
    colourRow->addWidget(m_gridSwatch);
    colourRow->addStretch();

    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(origin);
    layout->addWidget(size);
    layout->addLayout(colourRow);
    return page;
}

QWidget *TSetup::screenPage()
{
    m_screenWidth = namedSpin("screenWidth");
    m_screenHeight = namedSpin("screenHeight");
    auto *group = new QGroupBox("Размер экрана");
    auto *fields = new QFormLayout(group);
    fields->addRow("ширина", m_screenWidth);
    fields->addRow("высота", m_screenHeight);

    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addStretch();
    return page;
}

QWidget *TSetup::backgroundPage()
{
    m_backgroundSwatch = swatch();
    auto *choose = new QPushButton("Выбрать");
    connect(choose, &QPushButton::clicked, this,
            [this] { chooseColour(m_settings.bgColor, &TSetup::setBackgroundColour); });
    auto *row = new QHBoxLayout;
    row->addWidget(choose);
    row->addWidget(m_backgroundSwatch);
    row->addStretch();

    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(row);
    layout->addStretch();
    return page;
}

QWidget *TSetup::compilerPage()
{
    m_jdkPath = namedEdit("jdkPath");
    m_wtkPath = namedEdit("wtkPath");
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    for (auto [caption, field] :
         {std::pair{"Путь к папке с JDK", m_jdkPath}, std::pair{"Путь к папке с WTK", m_wtkPath}}) {
        auto *point = new QPushButton("Указать");
        connect(point, &QPushButton::clicked, this, [this, field] { chooseFolder(field); });
        auto *row = new QHBoxLayout;
        row->addWidget(field);
        row->addWidget(point);
        layout->addWidget(new QLabel(caption));
        layout->addLayout(row);
    }
    layout->addStretch();
    return page;
}

void TSetup::loadFields()
{
    const LoadedSettings loaded = loadSettings(m_programFolder);
    m_settings = loaded.settings;
    const std::array<QString, 4> grid = typedGridTexts(settingsFile(m_programFolder), m_settings);
    m_gridX->setText(grid[0]);
    m_gridY->setText(grid[1]);
    m_gridWidth->setText(grid[2]);
    m_gridHeight->setText(grid[3]);
    setGridColour(m_settings.gridColor);
    m_screenWidth->setValue(m_settings.screenWidth);
    m_screenHeight->setValue(m_settings.screenHeight);
    setBackgroundColour(m_settings.bgColor);
    m_jdkPath->setText(QString::fromStdString(m_settings.jdkPath));
    m_wtkPath->setText(QString::fromStdString(m_settings.wtkPath));
}

void TSetup::setGridColour(std::uint32_t colour)
{
    m_settings.gridColor = colour;
    paintSwatch(m_gridSwatch, colour);
}

void TSetup::setBackgroundColour(std::uint32_t colour)
{
    m_settings.bgColor = colour;
    paintSwatch(m_backgroundSwatch, colour);
}

void TSetup::chooseColour(std::uint32_t current, void (TSetup::*apply)(std::uint32_t))
{
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, Qt::white);
    const QColor chosen = QColorDialog::getColor(toQColor(current), this);
    if (chosen.isValid())
        (this->*apply)(fromQColor(chosen));
}

void TSetup::chooseFolder(QLineEdit *field)
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    const QString folder = QFileDialog::getExistingDirectory(this, QString(), desktop);
    if (!folder.isEmpty())
        field->setText(folder);
}

void TSetup::save()
{
    const std::array<std::string, 4> gridTexts = {
        m_gridX->text().toStdString(), m_gridY->text().toStdString(),
        m_gridWidth->text().toStdString(), m_gridHeight->text().toStdString()};
    Settings settings = m_settings;
    settings.gridX = roundedOrZero(m_gridX->text());
    settings.gridY = roundedOrZero(m_gridY->text());
    settings.gridWidth = roundedOrZero(m_gridWidth->text());
    settings.gridHeight = roundedOrZero(m_gridHeight->text());
    settings.screenWidth = m_screenWidth->value();
    settings.screenHeight = m_screenHeight->value();
    settings.jdkPath = m_jdkPath->text().toStdString();
    settings.wtkPath = m_wtkPath->text().toStdString();
    writeSettings(settingsFile(m_programFolder), settings, gridTexts);
    m_settings = settings;
}

void TSetup::confirm()
{
    try {
        save();
        accept();
    } catch (const std::exception &error) {
        QMessageBox::warning(this, windowTitle(), errorText(error));
    }
}

} // namespace zor::gui
