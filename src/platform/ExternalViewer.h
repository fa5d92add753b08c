#pragma once

#include <QString>

// Opens a file in the desktop's default application for it (xdg-open on
// Linux) and does not wait for it. The path is handed to the program as one
// argument, never through a shell: blanks, quotes and semicolons are part of
// the name, and a path starting with "-" is never read as an option.
class ExternalViewer
{
public:
    // Starts the viewer on the path; false, with the reason, when it cannot
    // be started. Whether the file exists is the viewer's business.
    static bool Open(const QString &path, QString *reason = nullptr);

    // The program started; an empty text puts the desktop's default back
    // (tests start a stub that records what it was given).
    static void SetProgram(const QString &program);
    static QString Program();
};
