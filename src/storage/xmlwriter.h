#pragma once

#include <QString>

// Changes one element of the configuration file at a time by loading the
// whole document, replacing the element's text and writing it back (one
// space per level, line feeds). Holds no state.
class XMLWriter
{
public:
    // Sets the text of the first element named element to value. A missing,
    // unreadable or malformed file, or a missing element, leaves the file as
    // it was; an element without text is written back unchanged.
    void changeElement(const QString &file, const QString &element, const QString &value);

    void WriteLanguage(const QString &file, const QString &value);
    void WriteLocation(const QString &file, const QString &value);
    void WriteCamera(const QString &file, const QString &value);
};
