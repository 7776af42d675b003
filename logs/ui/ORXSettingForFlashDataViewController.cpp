#include "ORXSettingForFlashDataViewController.h"

ORXSettingForFlashDataViewController::ORXSettingForFlashDataViewController(QWidget* parent)
    : ORXDriveLogViewController(ORXDriveLogKind::Flash, parent)
{
    setObjectName(QStringLiteral("ORXSettingForFlashDataViewController"));
}
