#pragma once

#include "ORXSettingPageModel.h"

#include <QString>

#include <vector>

// Every settings page model, in the order of the settings window's tabs (pages without a
// tab, such as "obd", last).
namespace ORXSettingPageModels {
const std::vector<const ORXSettingPageModel*>& all();
// The model of that name, or nullptr.
const ORXSettingPageModel* byName(const QString& name);
} // namespace ORXSettingPageModels
