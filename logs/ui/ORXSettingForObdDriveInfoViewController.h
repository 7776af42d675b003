#pragma once

#include "ORXDriveLogViewController.h"

// The OBD drive-information log ("*.obd", 68-byte records): 26 columns, CSV "orvex_obd.csv".
class ORXSettingForObdDriveInfoViewController : public ORXDriveLogViewController
{
    Q_OBJECT

public:
    explicit ORXSettingForObdDriveInfoViewController(QWidget* parent = nullptr);
};
