#pragma once

#include <QString>

class QWidget;

// What a drive-log viewer takes from the window that shows it: the loading panel and the
// window itself (alerts are shown on it, the map window stands right of it). The settings
// window and the drive-log window implement it.
class ORXDriveLogHost
{
public:
    virtual ~ORXDriveLogHost() = default;
    virtual void showLoading(const QString& text) = 0;
    virtual void hideLoading() = 0;
    virtual QWidget* hostWindow() const = 0;
};
