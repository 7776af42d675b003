#include "ORXWidgetsLog.h"

// Quiet unless enabled (QT_LOGGING_RULES="orvex.widgets.debug=true"): the lines are for
// following the widgets, not for the user.
Q_LOGGING_CATEGORY(lcWidgets, "orvex.widgets", QtInfoMsg)
