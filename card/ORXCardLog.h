#pragma once

#include <QLoggingCategory>

// Diagnostics of the card tools (discovery, formatting, clock file).
Q_DECLARE_LOGGING_CATEGORY(lcCard)
