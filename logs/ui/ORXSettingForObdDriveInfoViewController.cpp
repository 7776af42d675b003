#include "ORXSettingForObdDriveInfoViewController.h"

ORXSettingForObdDriveInfoViewController::ORXSettingForObdDriveInfoViewController(QWidget* parent)
    : ORXDriveLogViewController(ORXDriveLogKind::Obd, parent)
{
    setObjectName(QStringLiteral("ORXSettingForObdDriveInfoViewController"));
}
