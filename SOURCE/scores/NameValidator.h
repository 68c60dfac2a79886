#pragma once

#include <QValidator>

// For the name box: accepts only text that the top-players file can store as
// it is shown, that is text whose every character Windows-1250 holds and that
// has no control characters (invisible on screen; a line break would split
// the name over two lines of the file). A rejected keystroke or paste leaves
// the box unchanged. The length limit stays with the box's maxLength.
class NameValidator : public QValidator {
    Q_OBJECT

public:
    explicit NameValidator(QObject* parent);

    State validate(QString& input, int& position) const override;
};
