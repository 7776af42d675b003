#pragma once

#include <QString>

// The program's own user settings (QSettings, organization "ORVEX", application "orvex").
// Each key and its default are declared here once.
namespace ORXUserDefaults {
inline constexpr char kOrganization[] = "ORVEX";
inline constexpr char kApplication[] = "orvex";

// The external rear camera bits last chosen on the basic page; a reset of the camera's
// settings puts them into `external_rear_camera`.
inline constexpr char kExternalRearCamera[] = "7v30externalRearCamera";
inline constexpr int kExternalRearCameraDefault = 0;

int externalRearCamera();
void setExternalRearCamera(int value);
} // namespace ORXUserDefaults
