#include "scores/BrowserStorage.h"

#include <QFile>
#include <QFileInfo>

#include <emscripten.h>

EM_JS(void, loadStoredFileAt, (const char* path), {
    const files = Module.vornFiles;
    if (files) files.load(UTF8ToString(path));
});

EM_JS(int, storeFileAt, (const char* source, const char* target), {
    const files = Module.vornFiles;
    if (!files) return 1;
    try {
        return files.store(UTF8ToString(target), FS.readFile(UTF8ToString(source))) ? 1 : 0;
    } catch (error) {
        return 0;
    }
});

namespace {

QByteArray absolute(const QString& path) { return QFile::encodeName(QFileInfo(path).absoluteFilePath()); }

} // namespace

void loadStoredFile(const QString& path) { loadStoredFileAt(absolute(path).constData()); }

bool storeFile(const QString& source, const QString& target)
{
    return storeFileAt(absolute(source).constData(), absolute(target).constData()) != 0;
}
