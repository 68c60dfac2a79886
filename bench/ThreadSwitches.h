#pragma once

#include <QFile>
#include <QRegularExpression>

// The calling thread's voluntary context switches so far: each one a sleep
// that something woke from.
inline long voluntarySwitchesOfThisThread()
{
    QFile status(QStringLiteral("/proc/thread-self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) qFatal("cannot read /proc/thread-self/status");
    static const QRegularExpression line(QStringLiteral("^voluntary_ctxt_switches:\\s*(\\d+)$"),
                                         QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(QString::fromLatin1(status.readAll()));
    if (!match.hasMatch()) qFatal("no voluntary_ctxt_switches in /proc/thread-self/status");
    return match.captured(1).toLong();
}
