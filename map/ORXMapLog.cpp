#include "ORXMapLog.h"

Q_LOGGING_CATEGORY(lcMap, "orvex.map")
