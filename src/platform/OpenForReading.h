#pragma once

#include <QString>

class QFile;

// Opens `file` for reading. Returns the empty text on success, otherwise a
// description of why it cannot be read that names the file.
QString OpenForReading(QFile &file);
