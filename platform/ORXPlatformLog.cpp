#include "ORXPlatformLog.h"

Q_LOGGING_CATEGORY(lcPlatform, "orvex.platform")
