#pragma once

#include <QStringList>

// The statements of an SQL script, in order, each without its closing
// semicolon. Comments are dropped; a semicolon inside a quoted text or name
// does not end a statement. Trigger bodies are not supported.
QStringList SqlStatements(const QString &script);
