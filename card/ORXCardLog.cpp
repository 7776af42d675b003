#include "ORXCardLog.h"

Q_LOGGING_CATEGORY(lcCard, "orvex.card")
