// The filter of the score boxes: only the digits 0 to 9 enter a box, whether typed, pasted or
// dropped; other characters are left out of what arrives.
#pragma once

#include <QValidator>

class DigitFilter : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};
