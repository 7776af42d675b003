#include "ORXSettingPageFactory.h"

#include <QWidget>

namespace ORXSettingPageFactory {

QWidget* createSettingPage(const QString& name, QWidget* parent)
{
    // One line per page: if (name == QLatin1String("video")) return new ORX...ViewController(parent);
    Q_UNUSED(name)
    Q_UNUSED(parent)
    return nullptr;
}

} // namespace ORXSettingPageFactory
