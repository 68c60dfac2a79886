#pragma once

#include <QStringList>

// The two tables the save loop writes in turn. They differ in every line and
// in length, so no mix or prefix of one can pass for the other.
inline const QStringList kSaveLoopFirstTable = {
    QStringLiteral("Mirako"), QStringLiteral("0$"), QStringLiteral("Mirako"), QStringLiteral("0$"),
    QStringLiteral("Mirako"), QStringLiteral("0$"), QStringLiteral("Mirako"), QStringLiteral("0$"),
    QStringLiteral("Mirako"), QStringLiteral("0$"),
};
inline const QStringList kSaveLoopSecondTable = {
    QString::fromUtf8("Čeněk"), QStringLiteral("1234$"), QString::fromUtf8("Łódź"), QStringLiteral("987$"),
    QString::fromUtf8("Žofie"), QStringLiteral("456$"), QString::fromUtf8("Ödön"), QStringLiteral("321$"),
    QString::fromUtf8("Štěpán"), QStringLiteral("120$"),
};
