#pragma once

// SidebarStatus: the foot of the sidebar: the sync line (on this platform
// syncing is off; the line says where the data is) and the profile row
// with the user's name and initials. Compact mode keeps only the symbol and
// the initials, with the texts as tooltips.
//
// Threading: main thread only.

#include <QWidget>

class QLabel;

namespace tallyra::app {

class InitialsAvatar;
class SymbolLabel;
class ToneLabel;

class SidebarStatus final : public QWidget
{
    Q_OBJECT

public:
    explicit SidebarStatus(QWidget* parent = nullptr);

    void setSyncLine(const QString& title, const QString& detail);
    void setUserName(const QString& name);
    void setCompact(bool compact);

    [[nodiscard]] QString syncTitle() const;
    [[nodiscard]] QString userName() const;

private:
    SymbolLabel* m_syncIcon;
    ToneLabel* m_syncTitle;
    ToneLabel* m_syncDetail;
    QWidget* m_syncTexts;
    InitialsAvatar* m_avatar;
    QLabel* m_name;
};

} // namespace tallyra::app
