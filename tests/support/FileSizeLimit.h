#pragma once

#include <sys/resource.h>

// While it lives, this process can write no file past the given size: the
// write fails as on a full disk, for root too, instead of raising SIGXFSZ.
// The limit and the signal's handling are put back as they were.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous {};
    void (*previousHandler)(int) = nullptr;
};
