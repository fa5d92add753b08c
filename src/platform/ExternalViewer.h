#pragma once

#include <QString>

#include <functional>

class QObject;

// Opens a file in the desktop's default application for it (xdg-open on
// Linux) and does not wait for it. The path is handed to the program as one
// argument, never through a shell: blanks, quotes and semicolons are part of
// the name, and a path starting with "-" is never read as an option.
class ExternalViewer
{
public:
    // Starts the viewer on the path. When the file cannot be opened (the
    // viewer cannot be started, or it ends saying it failed) `failed` runs
    // later, with the reason in Italian, while `context` lives. Whether the
    // file exists is the viewer's business.
    static void Open(const QString &path, QObject *context, const std::function<void(const QString &reason)> &failed);
};
