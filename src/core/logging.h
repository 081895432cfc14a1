#pragma once

#include <QLoggingCategory>

// One category per subsystem; the texts written through them are fixed. The
// storage library has its own (storage/storagelogging.h).
Q_DECLARE_LOGGING_CATEGORY(lcCore)
Q_DECLARE_LOGGING_CATEGORY(lcCamera)
Q_DECLARE_LOGGING_CATEGORY(lcCatalogue)
Q_DECLARE_LOGGING_CATEGORY(lcHistory)
Q_DECLARE_LOGGING_CATEGORY(lcDialogs)
