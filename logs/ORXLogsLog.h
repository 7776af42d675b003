#pragma once

#include <QLoggingCategory>

// Log lines of the drive-log reader and its CSV export.
Q_DECLARE_LOGGING_CATEGORY(lcLogs)
