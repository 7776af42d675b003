#include "ORXLogsLog.h"

Q_LOGGING_CATEGORY(lcLogs, "orvex.logs")
