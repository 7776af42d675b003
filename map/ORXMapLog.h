#pragma once

#include <QLoggingCategory>

// Diagnostics of the map page and the map window.
Q_DECLARE_LOGGING_CATEGORY(lcMap)
