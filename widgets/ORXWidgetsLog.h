#pragma once

#include <QLoggingCategory>

// Diagnostics of the custom-drawn controls and the icon progress.
Q_DECLARE_LOGGING_CATEGORY(lcWidgets)
