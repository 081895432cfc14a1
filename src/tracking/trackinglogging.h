#pragma once

#include <QLoggingCategory>

// The tracking library's own category; the texts written through it are fixed.
Q_DECLARE_LOGGING_CATEGORY(lcTracking)
