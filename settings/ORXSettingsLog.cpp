#include "ORXSettingsLog.h"

Q_LOGGING_CATEGORY(lcSettings, "orvex.settings")
