#include "ORXWidgetsLog.h"

Q_LOGGING_CATEGORY(lcWidgets, "orvex.widgets")
