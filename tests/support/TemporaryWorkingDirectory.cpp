#include "support/TemporaryWorkingDirectory.h"

#include <QDir>
#include <QtGlobal>

TemporaryWorkingDirectory::TemporaryWorkingDirectory() : previous(QDir::currentPath())
{
    if (!directory.isValid() || !QDir::setCurrent(directory.path())) qFatal("cannot make a temporary working directory");
}

TemporaryWorkingDirectory::~TemporaryWorkingDirectory() { QDir::setCurrent(previous); }
