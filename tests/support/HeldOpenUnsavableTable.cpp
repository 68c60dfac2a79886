#include "support/UnsavableTable.h"

#include <QDir>

#include <windows.h>

namespace {

const QString kTableName = QStringLiteral("Vorn.nrz");

} // namespace

struct UnsavableTable::Hold {
    HANDLE file;
};

UnsavableTable::UnsavableTable(const QString& directory)
{
    const QString path = QDir::toNativeSeparators(QDir(directory).filePath(kTableName));
    // Shared with nobody: no other handle may open, replace or delete the file.
    const HANDLE file = CreateFileW(reinterpret_cast<LPCWSTR>(path.utf16()), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) qFatal("cannot hold %s open", qPrintable(path));
    hold.reset(new Hold{file});
}

UnsavableTable::~UnsavableTable() { CloseHandle(hold->file); }
