#pragma once

#include "ORXSettingPageModel.h"

// Tab 0: recording quality and brightness of both cameras, the rear image flip, the rear
// frame rate and the lens filter or window tint of each camera. Every control stores its
// segment index; the front tint has four choices, the rear three.
class ORXVideoPageModel : public ORXSettingPageModel
{
public:
    QString name() const override { return QStringLiteral("video"); }
    ORXPageState display(const _FILEDATA& record) const override;
    bool store(const ORXPageState& state, _FILEDATA& record) const override;
    QStringList items(const QString& outlet) const override;
    QStringList items(const QString& outlet, const _FILEDATA& record) const override;
};
