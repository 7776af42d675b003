#pragma once

#include <QLoggingCategory>

// Log lines of the camera simulator ("orvex.sim").
Q_DECLARE_LOGGING_CATEGORY(ORXSimLog)
