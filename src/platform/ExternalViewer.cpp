#include "ExternalViewer.h"

#include <QProcess>

namespace {

QString Program()
{
#if defined(Q_OS_WIN)
    return "mspaint";
#elif defined(Q_OS_MACOS)
    return "open";
#else
    return "xdg-open";
#endif
}

// Why the viewer could not open the file, from how it ended (the exit
// statuses xdg-open gives).
QString Reason(const QString &path, QProcess::ExitStatus status, int code)
{
    QString why;
    if (status == QProcess::CrashExit)
        why = QString("il programma %1 si è interrotto").arg(Program());
    else if (code == 2)
        why = "il file non esiste";
    else if (code == 3)
        why = "nessun programma disponibile per aprirlo";
    else if (code == 4)
        why = "il programma scelto per aprirlo non è riuscito";
    else
        why = QString("il programma %1 è terminato con il codice %2").arg(Program()).arg(code);
    return QString("nell'apertura di '%1': %2.").arg(path, why);
}

}  // namespace

void ExternalViewer::Open(const QString &path, QObject *context, const std::function<void(const QString &)> &failed)
{
    // Owned by nobody: a viewer still open when the program ends goes on,
    // rather than being killed with its process object.
    auto *viewer = new QProcess;
    viewer->setProgram(Program());
    viewer->setArguments({path.startsWith('-') ? "./" + path : path});
    viewer->setStandardInputFile(QProcess::nullDevice());
    viewer->setStandardOutputFile(QProcess::nullDevice());
    viewer->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(viewer, &QProcess::errorOccurred, context, [viewer, failed](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            failed(QString("nell'avvio del programma %1: %2").arg(Program(), viewer->errorString()));
    });
    QObject::connect(viewer, &QProcess::finished, context, [path, failed](int code, QProcess::ExitStatus status) {
        if (status == QProcess::CrashExit || code != 0)
            failed(Reason(path, status, code));
    });
    QObject::connect(viewer, &QProcess::errorOccurred, viewer, [viewer](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            viewer->deleteLater();
    });
    QObject::connect(viewer, &QProcess::finished, viewer, &QObject::deleteLater);
    viewer->start();
}
