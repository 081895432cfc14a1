#pragma once

#include <QLoggingCategory>

// The storage library's own category: the library needs nothing of the
// application that uses it. The texts written through it are fixed.
Q_DECLARE_LOGGING_CATEGORY(lcStorage)
