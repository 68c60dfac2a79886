#pragma once

#include "window/forms/FormDescription.h"

#include <QString>

// The saved description of Form1, which the build carries inside the program.
namespace Form1Description {

// Where the build puts it.
inline constexpr char kResource[] = ":/window/Form1.desc";
// The name under which the sound holders' property sets are saved.
inline const QString kSoundHolders = QStringLiteral("EmbedSound1");

// Throws FormsError 321 when the carried description is damaged.
FormDescription load();

} // namespace Form1Description
