#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// One of the toolkit's standard errors: its number and its text.
struct StandardError {
    int number;
    const char* description;
};

namespace StandardErrors {
inline constexpr StandardError kOverflow{6, "Overflow"};
inline constexpr StandardError kTypeMismatch{13, "Type mismatch"};
inline constexpr StandardError kFileNotFound{53, "File not found"};
inline constexpr StandardError kPathFileAccess{75, "Path/File access error"};
inline constexpr StandardError kInvalidFileFormat{321, "Invalid file format"};
inline constexpr StandardError kSetNotSupportedAtRuntime{382, "Set not supported at runtime"};
inline constexpr StandardError kGetNotSupportedAtRuntime{393, "Get not supported at runtime"};
} // namespace StandardErrors

// An error raised by the forms toolkit or its run-time services. Callers that
// handle errors read its number and its description, as the toolkit's error
// object offers them.
class FormsError : public std::exception {
public:
    explicit FormsError(StandardError error)
        : number(error.number), description(QString::fromLatin1(error.description)),
          message(QByteArray(error.description))
    {
    }

    int Number() const { return number; }
    const QString& Description() const { return description; }
    const char* what() const noexcept override { return message.constData(); }

private:
    int number;
    QString description;
    QByteArray message;
};
