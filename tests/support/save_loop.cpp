// Rewrites the top-players file over and over, alternating two tables, until
// it is killed: the atomic-save test kills it at random moments.
#include "scores/TopPlayersFile.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QStringList tables[2] = {QStringList(10, QString(900, QLatin1Char('a'))),
                                   QStringList(10, QString(900, QLatin1Char('b')))};
    for (unsigned n = 0;; ++n) TopPlayersFile::write(path, tables[n % 2]);
}
