#include "storage/storagelogging.h"

Q_LOGGING_CATEGORY(lcStorage, "kavrin.storage")
