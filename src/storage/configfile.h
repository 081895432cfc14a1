#pragma once

#include <QString>

#include <optional>

// The configuration file "config.xml" holds three elements below its root
// element application_params, and may hold a fourth. Their names, used by the
// readers, the writer and the repair below:
namespace ConfigElement {
constexpr char language[] = "language";
constexpr char recordingPath[] = "recordingPath";
constexpr char selectedCamera[] = "selected_camera";
// Optional: the width of practice field, in millimetres, that the camera's
// picture covers, measured on the trainer; 0 for a field of unknown size.
constexpr char fieldWidthMm[] = "field_width_mm";
} // namespace ConfigElement

// The field width the configuration file at path gives, if it gives one: a
// number from 0 up, as the text of the first field_width_mm element.
std::optional<double> readFieldWidthMm(const QString &path);

// Makes the configuration file at path usable before it is read: a missing
// file, one whose text lacks any of the three element names, or one that is
// not well-formed XML, is replaced by the default file compiled into the
// library (":/config.xml"). A file that exists but cannot be read (an I/O
// error, something other than a file in its place) is left as it is: the
// application then runs on defaults and cannot write over it. The file is
// left writable by its owner only; every later access first sets the
// permission it needs.
enum class ConfigRepair { Kept, Replaced, Unreadable };
ConfigRepair repairConfigFile(const QString &path);
