#include "window/forms/MenuItem.h"

#include <QAction>
#include <QMenu>

MenuItem::MenuItem(QMenu* menu, const QString& caption) : QObject(menu), item(menu->addAction(caption))
{
    connect(item, &QAction::triggered, this, &MenuItem::onTriggered);
}

MenuItem::MenuItem(QMenu* submenu) : QObject(submenu), item(submenu->menuAction()) {}

QString MenuItem::Caption() const { return item->text(); }
bool MenuItem::Enabled() const { return item->isEnabled(); }
void MenuItem::setEnabled(bool enabled) { item->setEnabled(enabled); }
bool MenuItem::Checked() const { return item->isChecked(); }

void MenuItem::setChecked(bool checked)
{
    item->setCheckable(true);
    item->setChecked(checked);
}

void MenuItem::onTriggered()
{
    // Qt flips a checkable item before reporting it; here only the handler
    // decides where the check mark goes, so undo Qt's flip first.
    if (item->isCheckable()) item->setChecked(!item->isChecked());
    emit Click();
}
