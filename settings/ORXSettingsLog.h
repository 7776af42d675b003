#pragma once

#include <QLoggingCategory>

// Log lines of the configuration record and its file.
Q_DECLARE_LOGGING_CATEGORY(lcSettings)
