#include "scores/ReplaceFile.h"

#include <QDir>
#include <QFileInfo>

#include <cstddef>
#include <cstring>
#include <vector>

#include <io.h>
#include <windows.h>

namespace {

// The headers name them only for programs built for Windows 10 1607 and
// later; older systems refuse the call and the move below does the work.
constexpr auto kFileRenameInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(22);
constexpr DWORD kReplaceIfExists = 0x1;
constexpr DWORD kPosixSemantics = 0x2;

std::wstring nativePath(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toStdWString();
}

// With POSIX semantics NTFS replaces a file that others have open (sharing
// deletion, as scanners, backups and sync clients do), as rename() does on
// Linux; they keep reading the old one.
bool renameReplacingHeldFile(const std::wstring& source, const std::wstring& target)
{
    const HANDLE file = CreateFileW(source.c_str(), DELETE | SYNCHRONIZE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;

    const std::size_t nameBytes = target.size() * sizeof(wchar_t);
    std::vector<std::byte> buffer(offsetof(FILE_RENAME_INFO, FileName) + nameBytes + sizeof(wchar_t));
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    // Flags shares its place with ReplaceIfExists, the one member these headers show.
    const DWORD flags = kReplaceIfExists | kPosixSemantics;
    std::memcpy(buffer.data(), &flags, sizeof flags);
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(nameBytes);
    std::memcpy(info->FileName, target.c_str(), nameBytes + sizeof(wchar_t));

    const bool renamed = SetFileInformationByHandle(file, kFileRenameInfoEx, info, static_cast<DWORD>(buffer.size()));
    CloseHandle(file);
    return renamed;
}

bool heldByAnotherProgram(DWORD error)
{
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

}  // namespace

void syncToDisk(QFile& file)
{
    FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle())));
}

ReplaceResult replaceFile(const QString& source, const QString& target)
{
    const std::wstring from = nativePath(source);
    const std::wstring to = nativePath(target);
    if (renameReplacingHeldFile(from, to)) return ReplaceResult::Replaced;
    // FAT, network shares and systems before Windows 10 1607 have no POSIX
    // semantics; nor does a reader that shares less. The move then fails
    // while the old file is open, and a later try may succeed.
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return ReplaceResult::Replaced;
    }
    return heldByAnotherProgram(GetLastError()) ? ReplaceResult::Held : ReplaceResult::Failed;
}
