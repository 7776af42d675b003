#include "ORXSettingPageFactory.h"

#include "ORXSettingForBasicViewController.h"
#include "ORXSettingForGpsViewController.h"
#include "ORXSettingForObdViewController.h"
#include "ORXSettingForVideoViewController.h"

namespace ORXSettingPageFactory {

QWidget* createSettingPage(const QString& name, QWidget* parent)
{
    // One line per page.
    if (name == QLatin1String("video"))
        return new ORXSettingForVideoViewController(parent);
    if (name == QLatin1String("basic"))
        return new ORXSettingForBasicViewController(parent);
    if (name == QLatin1String("gps"))
        return new ORXSettingForGpsViewController(parent);
    if (name == QLatin1String("obd"))
        return new ORXSettingForObdViewController(parent);
    return nullptr;
}

} // namespace ORXSettingPageFactory
