#include "core/logging.h"

Q_LOGGING_CATEGORY(lcCore, "kavrin.core")
Q_LOGGING_CATEGORY(lcCamera, "kavrin.camera")
Q_LOGGING_CATEGORY(lcCatalogue, "kavrin.catalogue")
Q_LOGGING_CATEGORY(lcHistory, "kavrin.history")
Q_LOGGING_CATEGORY(lcDialogs, "kavrin.dialogs")
