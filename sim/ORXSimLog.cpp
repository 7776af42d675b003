#include "ORXSimLog.h"

Q_LOGGING_CATEGORY(ORXSimLog, "orvex.sim", QtInfoMsg)
