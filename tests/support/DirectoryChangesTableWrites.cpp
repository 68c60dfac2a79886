#include "support/TableWrites.h"

#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <windows.h>

#include <array>
#include <cstddef>
#include <cstring>

namespace {

constexpr DWORD kChangesWatched = FILE_NOTIFY_CHANGE_FILE_NAME;
// How long count() waits for its own mark to be told of: the system tells of
// changes a little after they happen, and in the order they happened.
constexpr DWORD kMarkPatienceMs = 5000;
const QString kMarkName = QStringLiteral("table-writes.mark");

} // namespace

// A file appears under the table's name when a save renames its temporary
// file over it, or creates it in place; writing into an existing file in
// place is not told apart from other changes, and the program never does it.
struct TableWrites::Watch {
    QString directory;
    QString name;
    HANDLE handle = INVALID_HANDLE_VALUE;
    HANDLE told = nullptr;  // set when the system has told of changes
    OVERLAPPED overlapped{};
    alignas(DWORD) std::array<std::byte, 64 * 1024> changes{};
    int writes = 0;
    int marksSeen = 0;

    void ask()
    {
        overlapped = {};
        overlapped.hEvent = told;
        if (!ReadDirectoryChangesW(handle, changes.data(), static_cast<DWORD>(changes.size()), FALSE, kChangesWatched,
                                   nullptr, &overlapped, nullptr))
            qFatal("cannot watch %s", qPrintable(directory));
    }

    // Takes in the changes told of within waitMs, if any, and asks again.
    bool take(DWORD waitMs)
    {
        if (WaitForSingleObject(told, waitMs) != WAIT_OBJECT_0) return false;
        DWORD bytes = 0;
        if (!GetOverlappedResult(handle, &overlapped, &bytes, FALSE) || bytes == 0)
            qFatal("changes in %s were lost", qPrintable(directory));
        for (DWORD at = 0;;) {
            FILE_NOTIFY_INFORMATION change{};
            std::memcpy(&change, changes.data() + at, offsetof(FILE_NOTIFY_INFORMATION, FileName));
            std::array<wchar_t, MAX_PATH> fileName{};
            std::memcpy(fileName.data(), changes.data() + at + offsetof(FILE_NOTIFY_INFORMATION, FileName),
                        qMin<std::size_t>(change.FileNameLength, sizeof fileName - sizeof(wchar_t)));
            const QString changed = QString::fromWCharArray(fileName.data());
            const bool appeared = change.Action == FILE_ACTION_ADDED || change.Action == FILE_ACTION_RENAMED_NEW_NAME;
            if (appeared && changed.compare(name, Qt::CaseInsensitive) == 0) ++writes;
            if (appeared && changed == kMarkName) ++marksSeen;
            if (change.NextEntryOffset == 0) break;
            at += change.NextEntryOffset;
        }
        ask();
        return true;
    }
};

TableWrites::TableWrites(const QString& directory, const QString& fileName) : watch(new Watch)
{
    watch->directory = QDir::toNativeSeparators(directory);
    watch->name = fileName;
    watch->handle = CreateFileW(reinterpret_cast<LPCWSTR>(watch->directory.utf16()), FILE_LIST_DIRECTORY,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr);
    watch->told = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (watch->handle == INVALID_HANDLE_VALUE || !watch->told) qFatal("cannot watch %s", qPrintable(directory));
    watch->ask();
}

TableWrites::~TableWrites()
{
    CancelIoEx(watch->handle, &watch->overlapped);
    DWORD bytes = 0;
    GetOverlappedResult(watch->handle, &watch->overlapped, &bytes, TRUE);
    CloseHandle(watch->handle);
    CloseHandle(watch->told);
}

// Puts a mark into the directory and waits until the system has told of it:
// every change before it has been told of then too.
int TableWrites::count()
{
    const int marks = watch->marksSeen;
    const QString mark = QDir(watch->directory).filePath(kMarkName);
    QFile file(mark);
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(mark));
    file.close();
    file.remove();
    while (watch->marksSeen == marks) {
        if (!watch->take(kMarkPatienceMs)) qFatal("the changes in %s were not told of", qPrintable(watch->directory));
    }
    return watch->writes;
}
