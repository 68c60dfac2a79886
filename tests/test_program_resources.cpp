// The Windows program as Explorer and the task bar see it: a window program
// (no console opens with it), the game's icon at every size the desktop
// draws, and its name and version in the file's properties.
#include <QFile>
#include <QSet>
#include <QTest>
#include <QtEndian>

#include <windows.h>

#include <cstring>
#include <string>

namespace {

const QString kProgram = QStringLiteral(VORN_PROGRAM);

// An icon group as the program's resources hold it: a header, then one
// 14-byte entry a picture, whose first byte is its width (0 for 256).
constexpr qsizetype kGroupHeaderBytes = 6;
constexpr qsizetype kGroupEntryBytes = 14;
constexpr int kWidthStoredAsZero = 256;

BOOL CALLBACK takeFirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found)
{
    *reinterpret_cast<LPWSTR*>(found) = name;
    return FALSE;
}

QString versionString(const QByteArray& info, const wchar_t* key)
{
    void* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + key;
    if (!VerQueryValueW(info.constData(), path.c_str(), &value, &length) || length == 0) return {};
    return QString::fromWCharArray(static_cast<const wchar_t*>(value));
}

} // namespace

class TestProgramResources : public QObject {
    Q_OBJECT

private slots:
    void isAWindowProgram()
    {
        QFile program(kProgram);
        QVERIFY(program.open(QIODevice::ReadOnly));
        const QByteArray bytes = program.readAll();
        const auto header = qFromLittleEndian<quint32>(bytes.constData() + offsetof(IMAGE_DOS_HEADER, e_lfanew));
        QVERIFY(header + sizeof(IMAGE_NT_HEADERS64) <= std::size_t(bytes.size()));
        IMAGE_NT_HEADERS64 nt{};
        std::memcpy(&nt, bytes.constData() + header, sizeof nt);
        QCOMPARE(nt.Signature, DWORD(IMAGE_NT_SIGNATURE));
        QCOMPARE(nt.FileHeader.Machine, WORD(IMAGE_FILE_MACHINE_AMD64));
        QCOMPARE(nt.OptionalHeader.Subsystem, WORD(IMAGE_SUBSYSTEM_WINDOWS_GUI));
    }

    void carriesTheIconAtEverySize()
    {
        const std::wstring path = kProgram.toStdWString();
        const HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        QVERIFY(module);
        LPWSTR group = nullptr;
        EnumResourceNamesW(module, RT_GROUP_ICON, takeFirstName, reinterpret_cast<LONG_PTR>(&group));
        QVERIFY2(group, "the program has no icon");
        const HRSRC found = FindResourceW(module, group, RT_GROUP_ICON);
        QVERIFY(found);
        const auto* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
        const QByteArray directory(data, SizeofResource(module, found));
        FreeLibrary(module);

        QVERIFY(directory.size() >= kGroupHeaderBytes);
        const int count = qFromLittleEndian<quint16>(directory.constData() + 4);
        QCOMPARE(directory.size(), kGroupHeaderBytes + count * kGroupEntryBytes);
        QSet<int> widths;
        for (int i = 0; i < count; ++i) {
            const int width = static_cast<unsigned char>(directory[kGroupHeaderBytes + i * kGroupEntryBytes]);
            widths.insert(width == 0 ? kWidthStoredAsZero : width);
        }
        QCOMPARE(widths, (QSet<int>{16, 24, 32, 48, 64, 128, 256}));
    }

    void namesItsVersion()
    {
        const std::wstring path = kProgram.toStdWString();
        const DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
        QVERIFY2(size > 0, "the program has no version information");
        QByteArray info(size, '\0');
        QVERIFY(GetFileVersionInfoW(path.c_str(), 0, size, info.data()));
        QCOMPARE(versionString(info, L"ProductName"), QStringLiteral("Vorn"));
        QCOMPARE(versionString(info, L"FileVersion"), QStringLiteral(VORN_VERSION));
        QCOMPARE(versionString(info, L"OriginalFilename"), QStringLiteral("vorn.exe"));
    }
};

QTEST_GUILESS_MAIN(TestProgramResources)
#include "test_program_resources.moc"
