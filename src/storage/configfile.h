#pragma once

#include <QString>

// The configuration file "config.xml" holds three elements below its root
// element application_params. Their names, used by the reader, the writer
// and the repair below:
namespace ConfigElement {
constexpr char language[] = "language";
constexpr char recordingPath[] = "recordingPath";
constexpr char selectedCamera[] = "selected_camera";
} // namespace ConfigElement

// Makes the configuration file at path usable before it is read: a missing
// file, or one whose text lacks any of the three element names, is replaced
// by the default file compiled into the library (":/config.xml"). Returns
// true when the existing file was kept. The file is left writable by its
// owner only; every later access first sets the permission it needs.
bool repairConfigFile(const QString &path);
