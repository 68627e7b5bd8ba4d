#include "tabstrip.h"

#include "artwork.h"

#include <QSignalBlocker>
#include <QTabBar>
#include <QToolButton>

namespace zor::gui {
namespace {

// Out of sight until the first tab is chosen.
constexpr int hiddenClosePictureLeft = -100;
constexpr int closePictureInset = 20;

} // namespace

TabStrip::TabStrip(QWidget *parent)
    : QWidget(parent)
    , m_bar(new QTabBar(this))
    , m_closePicture(new QToolButton(this))
{
    m_bar->setDrawBase(false);
    m_bar->setExpanding(false);
    m_bar->setUsesScrollButtons(true);
    // Tabs look like buttons; the text keeps clear of the close picture on the right. The
    // width in the sheet excludes the border (1 + 1) and the padding (4 + 18).
    m_bar->setStyleSheet(QString("QTabBar::tab { width: %1px; height: 18px; margin-right: %2px;"
                                 " border: 1px solid #7f9db9; border-radius: 3px;"
                                 " background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                                 " stop:0 #ffffff, stop:1 #dbe6f4); padding: 0 18px 0 4px; }"
                                 "QTabBar::tab:selected { background: #fff7d6;"
                                 " border-color: #c8a040; font-weight: bold; }")
                             .arg(tabWidth - 24)
                             .arg(tabSpacing));
    connect(m_bar, &QTabBar::currentChanged, this, &TabStrip::selectTab);

    m_closePicture->setIcon(tabClosePicture());
    m_closePicture->setAutoRaise(true);
    m_closePicture->setFixedSize(16, 16);
    m_closePicture->setIconSize(QSize(16, 16));
    m_closePicture->move(hiddenClosePictureLeft, 3);
    connect(m_closePicture, &QToolButton::clicked, this, &TabStrip::closeSelectedTab);
}

QString TabStrip::textOf(const TabEntry &entry)
{
    switch (entry.kind) {
    case TabKind::Level:
        return entry.caption + "[Уровень]    ";
    case TabKind::Active:
        return entry.caption + "[акт.]";
    case TabKind::Fon:
        return entry.caption + "[фон.]";
    case TabKind::Events:
        return entry.caption;
    }
    return entry.caption;
}

int TabStrip::selectedTab() const
{
    return m_bar->currentIndex();
}

int TabStrip::closePictureLeft() const
{
    return m_closePicture->x();
}

int TabStrip::find(TabKind kind, const QString &caption) const
{
    for (int tab = 0; tab < count(); ++tab) {
        if (m_entries[size_t(tab)].kind == kind && m_entries[size_t(tab)].caption == caption)
            return tab;
    }
    return -1;
}

void TabStrip::openTab(const TabEntry &entry)
{
    int tab = find(entry.kind, entry.caption);
    if (tab < 0) {
        m_entries.push_back(entry);
        const QSignalBlocker quiet(m_bar);
        tab = m_bar->addTab(textOf(entry));
    }
    selectTab(tab);
}

void TabStrip::selectTab(int tab)
{
    {
        const QSignalBlocker quiet(m_bar);
        m_bar->setCurrentIndex(tab);
    }
    moveClosePicture();
    emit tabSelected(selectedTab());
}

void TabStrip::closeSelectedTab()
{
    const int closed = selectedTab();
    if (closed < 0)
        return;
    m_entries.erase(m_entries.begin() + closed);
    {
        const QSignalBlocker quiet(m_bar);
        m_bar->removeTab(closed);
    }
    selectTab(closed < count() ? closed : closed - 1);
}

void TabStrip::resizeEvent(QResizeEvent *)
{
    m_bar->setGeometry(0, 0, width(), height());
    moveClosePicture();
}

void TabStrip::moveClosePicture()
{
    if (m_closePicture->x() == hiddenClosePictureLeft && count() == 0)
        return;
    // The picture sits on the right end of the selected tab (tab rectangles include the
    // spacing after them); with no tab selected it stays left of the strip.
    const int tab = selectedTab();
    const int tabEnd = tab < 0 ? 0 : m_bar->x() + m_bar->tabRect(tab).right() + 1;
    m_closePicture->move(tabEnd - closePictureInset, (height() - m_closePicture->height()) / 2);
    m_closePicture->raise();
}

} // namespace zor::gui
