#pragma once

#include <gst/gst.h>

// Elements derived, inside this process only, from an installed GStreamer
// element: the same element with some properties set as it is made. Qt's
// GStreamer back end builds its pipelines from elements it finds by rank, so
// a derived element of a higher rank is what it takes.
namespace GstElementSubclass {

// Sets the properties of a newly made element.
using Configure = void (*)(GObject *element);

// The type derived from the element of baseFactory, made once per process;
// 0 when that element is not installed. extraClassInit, if given, runs on
// the new class after the derived constructor is set.
GType derive(const char *baseFactory, const char *typeName, Configure configure,
    GClassInitFunc extraClassInit = nullptr);

// derive() and registers the type as factoryName at rank; false when the
// base element is not installed.
bool registerElement(const char *baseFactory, const char *typeName, const char *factoryName, guint rank,
    Configure configure, GClassInitFunc extraClassInit = nullptr);

} // namespace GstElementSubclass
