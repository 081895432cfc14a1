#include "virtualcameralogging.h"

Q_LOGGING_CATEGORY(lcVirtualCamera, "kavrin.virtualcamera")
