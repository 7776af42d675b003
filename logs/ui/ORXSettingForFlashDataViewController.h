#pragma once

#include "ORXDriveLogViewController.h"

// The flash data log ("DrvInfo/orvex_000.drv", 40-byte records): 15 columns, CSV "orvex_000.csv".
// The settings window shows it on its information tab.
class ORXSettingForFlashDataViewController : public ORXDriveLogViewController
{
    Q_OBJECT

public:
    explicit ORXSettingForFlashDataViewController(QWidget* parent = nullptr);
};
