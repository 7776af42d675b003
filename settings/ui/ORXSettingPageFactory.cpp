#include "ORXSettingPageFactory.h"

#include "ORXSettingForAudioViewController.h"
#include "ORXSettingForAuxViewController.h"
#include "ORXSettingForBasicViewController.h"
#include "ORXSettingForGpsViewController.h"
#include "ORXSettingForMotionViewController.h"
#include "ORXSettingForObdViewController.h"
#include "ORXSettingForVideoViewController.h"

#include <QWidget>

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
    if (name == QLatin1String("aux"))
        return new ORXSettingForAuxViewController(parent);
    if (name == QLatin1String("motion"))
        return new ORXSettingForMotionViewController(parent);
    if (name == QLatin1String("audio"))
        return new ORXSettingForAudioViewController(parent);
    if (name == QLatin1String("obd"))
        return new ORXSettingForObdViewController(parent);
    return nullptr;
}

} // namespace ORXSettingPageFactory
