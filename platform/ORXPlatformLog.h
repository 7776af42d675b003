#pragma once

#include <QLoggingCategory>

// Diagnostics of the Linux layers (UDisks2, privileged commands).
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)
