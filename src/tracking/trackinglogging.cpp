#include "tracking/trackinglogging.h"

Q_LOGGING_CATEGORY(lcTracking, "kavrin.tracking")
