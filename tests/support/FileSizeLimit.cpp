#include "support/FileSizeLimit.h"

#include <QtGlobal>

#include <csignal>

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    if (::getrlimit(RLIMIT_FSIZE, &previous) != 0) qFatal("cannot read the file-size limit");
    previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit {bytes, previous.rlim_max};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) qFatal("cannot set the file-size limit");
}

FileSizeLimit::~FileSizeLimit()
{
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
}
