// Plays the designer's part for one sound holder of Form1's description:
// opens the holder as saved (or places a new one), sets its properties in
// the order given as the author would, and saves the description again.
//
//   embedsound DESCRIPTION INDEX PROPERTY=VALUE...
//
// PROPERTY is SndFile, LoopSnd, SyncSnd or StopSnd; the flags take True or
// False. Setting SndFile reads that file, relative to the current directory,
// into the holder and reports in a message box, which is printed when there
// is no display. A file that could not be embedded ends it with status 1 and
// leaves the description as it was.
#include "ErrorNotingMessageBox.h"
#include "PrintedMessageBox.h"
#include "QtMessageBox.h"

#include "sound/EmbedSound.h"
#include "sound/SoundService.h"
#include "window/Form1Description.h"
#include "window/QtClock.h"
#include "window/forms/FormsError.h"

#include <QApplication>
#include <QFile>
#include <QSaveFile>

#include <cstdio>
#include <memory>

namespace {

constexpr int kUsageError = 2;
constexpr int kFailed = 1;

bool hasDisplay() { return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY"); }

std::unique_ptr<MessageBox> designerMessages()
{
    if (QGuiApplication::platformName() == QStringLiteral("offscreen")) return std::make_unique<PrintedMessageBox>(stdout);
    return std::make_unique<QtMessageBox>();
}

FormDescription readDescription(const QString& path)
{
    QFile file(path);
    if (!file.exists()) return {};
    if (!file.open(QIODevice::ReadOnly)) throw FormsError(StandardErrors::kPathFileAccess);
    return FormDescription::fromBytes(file.readAll());
}

void writeDescription(const QString& path, const FormDescription& description)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(description.toBytes()) < 0 || !file.commit())
        throw FormsError(StandardErrors::kPathFileAccess);
}

bool booleanText(const QString& text, bool& value)
{
    if (text.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) {
        value = true;
        return true;
    }
    if (text.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0) {
        value = false;
        return true;
    }
    return false;
}

// Sets one property as the author types it; false when it is not one of the holder's.
bool assign(EmbedSound& holder, const QString& assignment)
{
    const qsizetype equals = assignment.indexOf(QLatin1Char('='));
    if (equals <= 0) return false;
    const QString name = assignment.left(equals);
    const QString text = assignment.mid(equals + 1);
    if (name.compare(QStringLiteral("SndFile"), Qt::CaseInsensitive) == 0) {
        holder.setSndFile(text);
        return true;
    }
    bool value = false;
    if (!booleanText(text, value)) return false;
    if (name.compare(QStringLiteral("LoopSnd"), Qt::CaseInsensitive) == 0) {
        holder.setLoopSnd(value);
    } else if (name.compare(QStringLiteral("SyncSnd"), Qt::CaseInsensitive) == 0) {
        holder.setSyncSnd(value);
    } else if (name.compare(QStringLiteral("StopSnd"), Qt::CaseInsensitive) == 0) {
        holder.setStopSnd(value);
    } else {
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (!hasDisplay()) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    bool indexGiven = false;
    const int index = arguments.size() > 2 ? arguments[2].toInt(&indexGiven) : 0;
    if (arguments.size() < 4 || !indexGiven || index < 1 || index > 6) {
        std::fprintf(stderr, "usage: embedsound DESCRIPTION INDEX(1-6) PROPERTY=VALUE...\n");
        return kUsageError;
    }
    const QString path = arguments[1];
    const auto holderIndex = static_cast<std::int16_t>(index);
    try {
        FormDescription description = readDescription(path);
        ErrorNotingMessageBox messages(designerMessages());
        EmbedSound holder(nullptr, AmbientProperties{false, &messages}, std::make_shared<QtClock>(),
                          SoundService::shared());
        const PropertyBag saved = description.properties(Form1Description::kSoundHolders, holderIndex);
        if (saved.entries().empty()) {
            holder.InitNew();
        } else {
            holder.Load(saved);
        }
        for (qsizetype i = 3; i < arguments.size(); ++i) {
            if (!assign(holder, arguments[i])) {
                std::fprintf(stderr, "embedsound: %s is not a property of the sound holder\n", qPrintable(arguments[i]));
                return kUsageError;
            }
        }
        if (messages.failed()) {
            std::fprintf(stderr, "embedsound: %s: a sound file was not embedded; nothing saved\n", qPrintable(path));
            return kFailed;
        }
        PropertyBag bag;
        holder.Save(bag);
        description.setProperties(Form1Description::kSoundHolders, holderIndex, std::move(bag));
        writeDescription(path, description);
    } catch (const FormsError& error) {
        std::fprintf(stderr, "embedsound: %s: error %d, %s\n", qPrintable(path), error.Number(),
                     qPrintable(error.Description()));
        return kFailed;
    }
    return 0;
}
