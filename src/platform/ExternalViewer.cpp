#include "ExternalViewer.h"

#include <QProcess>

namespace {

QString program;

QString DefaultProgram()
{
#if defined(Q_OS_WIN)
    return "mspaint";
#elif defined(Q_OS_MACOS)
    return "open";
#else
    return "xdg-open";
#endif
}

}  // namespace

bool ExternalViewer::Open(const QString &path, QString *reason)
{
    QProcess viewer;
    viewer.setProgram(Program());
    viewer.setArguments({path.startsWith('-') ? "./" + path : path});
    viewer.setStandardInputFile(QProcess::nullDevice());
    if (viewer.startDetached())
        return true;
    if (reason)
        *reason = viewer.errorString();
    return false;
}

void ExternalViewer::SetProgram(const QString &name)
{
    program = name;
}

QString ExternalViewer::Program()
{
    return program.isEmpty() ? DefaultProgram() : program;
}
