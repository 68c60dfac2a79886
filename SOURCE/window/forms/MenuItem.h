#pragma once

#include <QObject>

class QAction;
class QMenu;

// A menu item: a caption, an enabled state, a check mark that only the
// program sets, and a Click event. A menu or submenu is a MenuItem too.
class MenuItem : public QObject {
    Q_OBJECT

public:
    // An item in menu.
    MenuItem(QMenu* menu, const QString& caption);
    // The item that opens submenu (a menu on the bar, or a submenu).
    explicit MenuItem(QMenu* submenu);

    QAction* action() const { return item; }

    QString Caption() const;
    bool Enabled() const;
    void setEnabled(bool enabled);
    bool Checked() const;
    void setChecked(bool checked);

signals:
    void Click();

private:
    void onTriggered();

    QAction* item;
};
