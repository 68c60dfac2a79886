#include "window/Form1Description.h"

#include <QFile>

FormDescription Form1Description::load()
{
    QFile resource(QString::fromLatin1(kResource));
    // Without its resource the program has no description: the format refuses no bytes.
    const QByteArray stored = resource.open(QIODevice::ReadOnly) ? resource.readAll() : QByteArray();
    return FormDescription::fromBytes(stored);
}
