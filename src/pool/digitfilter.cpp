#include "digitfilter.h"

QValidator::State DigitFilter::validate(QString &input, int &pos) const
{
    QString digits;
    int newPos = 0;
    for (int i = 0; i < input.size(); ++i) {
        const QChar c = input.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            digits += c;
            if (i < pos)
                ++newPos;
        }
    }
    input = digits;
    pos = newPos;
    return Acceptable;
}
