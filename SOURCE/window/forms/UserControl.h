#pragma once

#include "window/forms/PropertyBag.h"

#include <QWidget>

class MessageBox;

// What the window that hosts a control tells it about its surroundings.
struct AmbientProperties {
    // False while the window is being authored, true when the program runs.
    bool UserMode = true;
    // Where authoring messages appear. The program itself shows none, so
    // there is none at run time.
    MessageBox* designerMessages = nullptr;
};

// The base of the program's own controls. The toolkit calls in through
// InitNew, Load, Save and Size; the control answers in its private
// UserControl_ handlers. At run time the control is never shown.
class UserControl : public QWidget {
    Q_OBJECT

public:
    UserControl(QWidget* container, AmbientProperties ambient);

    // The author has placed a new instance.
    void InitNew();
    // The instance comes back from saved data: the toolkit's extent, then the control's own values.
    void Load(const PropertyBag& bag);
    // The window is saved: the toolkit's extent, then the control's own values.
    void Save(PropertyBag& bag);
    // The author or the window gives the control a size, in twips.
    void Size(double width, double height);

    // The control's size in twips.
    double Width() const;
    double Height() const;

signals:
    // The designer saves the window when a property has changed.
    void propertyChanged(const QString& name);

protected:
    const AmbientProperties& Ambient() const { return ambient; }
    void PropertyChanged(const QString& name) { emit propertyChanged(name); }
    // Authoring mode only: at run time there is no designer to show it.
    void MsgBox(const QString& prompt, int buttons, const QString& title);
    void setWidth(double twips);
    void setHeight(double twips);

private:
    virtual void UserControl_InitProperties() = 0;
    virtual void UserControl_ReadProperties(const PropertyBag& PropBag) = 0;
    virtual void UserControl_Resize() = 0;
    virtual void UserControl_WriteProperties(PropertyBag& PropBag) = 0;

    AmbientProperties ambient;
};
