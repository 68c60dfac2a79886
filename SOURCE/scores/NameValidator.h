#pragma once

#include <QValidator>

// Lets the name box take only characters that the top-players file's code
// page can hold, so that the name shown is the name stored.
class NameValidator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override;
};
