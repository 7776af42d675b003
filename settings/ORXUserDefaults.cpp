#include "ORXUserDefaults.h"

#include <QSettings>

namespace ORXUserDefaults {

static QSettings userSettings()
{
    return QSettings(QString::fromLatin1(kOrganization), QString::fromLatin1(kApplication));
}

int externalRearCamera()
{
    bool ok = false;
    const int value = userSettings().value(QLatin1String(kExternalRearCamera)).toInt(&ok);
    return ok ? value : kExternalRearCameraDefault;
}

void setExternalRearCamera(int value)
{
    QSettings settings = userSettings();
    settings.setValue(QLatin1String(kExternalRearCamera), value);
    settings.sync();
}

} // namespace ORXUserDefaults
