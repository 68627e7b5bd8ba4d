#pragma once

#include <QString>
#include <QWidget>

#include <vector>

class QTabBar;
class QToolButton;

namespace zor::gui {

enum class TabKind
{
    Level,
    Active,
    Fon,
    Events
};

// One open tab: what it shows and the level or object number it refers to (0 for events).
struct TabEntry
{
    TabKind kind = TabKind::Events;
    QString caption;
    int ref = 0;
};

// The strip of tabs above the work area, with the small close picture that sits on the right
// end of the selected tab, and the table of what each tab shows (entry i belongs to tab i).
class TabStrip : public QWidget
{
    Q_OBJECT

public:
    static constexpr int tabWidth = 120;
    static constexpr int tabSpacing = 3;

    explicit TabStrip(QWidget *parent);

    static QString textOf(const TabEntry &entry);

    int count() const { return int(m_entries.size()); }
    const TabEntry &entry(int tab) const { return m_entries.at(size_t(tab)); }
    // The selected tab, -1 when there is none.
    int selectedTab() const;
    int closePictureLeft() const;

    // Selects the tab of that kind and caption, appending it first when there is none.
    void openTab(const TabEntry &entry);
    void selectTab(int tab);
    void closeSelectedTab();

protected:
    void resizeEvent(QResizeEvent *event) override;

signals:
    // A tab was chosen (or, after closing, the tab that took the closed one's place; -1 when
    // none is left). The window shows the work panel that belongs to it.
    void tabSelected(int tab);

private:
    int find(TabKind kind, const QString &caption) const;
    void moveClosePicture();

    std::vector<TabEntry> m_entries;
    QTabBar *m_bar = nullptr;
    QToolButton *m_closePicture = nullptr;
};

} // namespace zor::gui
