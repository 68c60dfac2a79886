#include "window/forms/UserControl.h"

#include "window/MessageBox.h"
#include "window/forms/Twips.h"

#include <cassert>
#include <cmath>

namespace {

// The toolkit keeps a control's extent in hundredths of a millimetre.
const QString kExtentX = QStringLiteral("_ExtentX");
const QString kExtentY = QStringLiteral("_ExtentY");
constexpr double kTwipsPerInch = 1440.0;
constexpr double kHimetricPerInch = 2540.0;

std::int32_t twipsToHimetric(double twips) { return static_cast<std::int32_t>(std::lround(twips * kHimetricPerInch / kTwipsPerInch)); }

double himetricToTwips(const PropertyValue& extent)
{
    const auto* value = std::get_if<std::int32_t>(&extent);
    return value ? *value * kTwipsPerInch / kHimetricPerInch : 0.0;
}

} // namespace

UserControl::UserControl(QWidget* container, AmbientProperties ambientProperties)
    : QWidget(container), ambient(ambientProperties)
{
    if (ambient.UserMode) setVisible(false);
}

void UserControl::InitNew()
{
    UserControl_InitProperties();
    Size(Width(), Height());
}

void UserControl::Load(const PropertyBag& bag)
{
    Size(himetricToTwips(bag.ReadProperty(kExtentX, twipsToHimetric(Width()))),
         himetricToTwips(bag.ReadProperty(kExtentY, twipsToHimetric(Height()))));
    UserControl_ReadProperties(bag);
}

void UserControl::Save(PropertyBag& bag)
{
    bag.WriteProperty(kExtentX, twipsToHimetric(Width()));
    bag.WriteProperty(kExtentY, twipsToHimetric(Height()));
    UserControl_WriteProperties(bag);
}

void UserControl::Size(double width, double height)
{
    resize(twipsToPixels(width), twipsToPixels(height));
    UserControl_Resize();
}

double UserControl::Width() const { return width() * kTwipsPerPixel; }
double UserControl::Height() const { return height() * kTwipsPerPixel; }

void UserControl::setWidth(double twips) { resize(twipsToPixels(twips), height()); }
void UserControl::setHeight(double twips) { resize(width(), twipsToPixels(twips)); }

void UserControl::MsgBox(const QString& prompt, int buttons, const QString& title)
{
    assert(ambient.designerMessages && "message boxes belong to authoring mode");
    ambient.designerMessages->MsgBox(prompt, buttons, title);
}
