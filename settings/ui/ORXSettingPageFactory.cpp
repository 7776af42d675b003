#include "ORXSettingPageFactory.h"

#include "ORXSettingForObdViewController.h"

#include <QWidget>

namespace ORXSettingPageFactory {

QWidget* createSettingPage(const QString& name, QWidget* parent)
{
    // One line per page: if (name == QLatin1String("video")) return new ORX...ViewController(parent);
    if (name == QLatin1String("obd"))
        return new ORXSettingForObdViewController(parent);
    return nullptr;
}

} // namespace ORXSettingPageFactory
