#include "scores/LenientNumber.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool isIgnored(QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The text without the characters that are ignored, so the reading below
// sees one character after another.
class NumberText {
public:
    explicit NumberText(const QString& text) : text(text) { skipIgnored(); }

    QChar peek() const { return position < text.size() ? text[position] : QChar(); }
    void take()
    {
        ++position;
        skipIgnored();
    }

private:
    void skipIgnored()
    {
        while (position < text.size() && isIgnored(text[position])) ++position;
    }

    const QString& text;
    qsizetype position = 0;
};

} // namespace

double readLenientNumber(const QString& text)
{
    NumberText in(text);
    std::string number;
    bool negative = false;
    if (in.peek() == u'-' || in.peek() == u'+') {
        negative = in.peek() == u'-';
        in.take();
    }
    // The magnitude of the integer part, in digits, tells an overflow from an underflow.
    long long integerDigits = 0;
    bool significant = false;
    while (isDigit(in.peek())) {
        significant = significant || in.peek() != u'0';
        integerDigits += significant;
        number += static_cast<char>(in.peek().unicode());
        in.take();
    }
    if (in.peek() == u'.') {
        number += '.';
        in.take();
        while (isDigit(in.peek())) {
            number += static_cast<char>(in.peek().unicode());
            in.take();
        }
    }
    if (number.empty() || number == ".") return 0.0;

    long long exponent = 0;
    const QChar marker = in.peek().toUpper();
    if (marker == u'E' || marker == u'D') {
        in.take();
        bool negativeExponent = false;
        if (in.peek() == u'-' || in.peek() == u'+') {
            negativeExponent = in.peek() == u'-';
            in.take();
        }
        constexpr long long kFarBeyondAnyDouble = 100000;
        while (isDigit(in.peek())) {
            exponent = std::min(exponent * 10 + (in.peek().unicode() - u'0'), kFarBeyondAnyDouble);
            in.take();
        }
        if (negativeExponent) exponent = -exponent;
    }
    number += 'e' + std::to_string(exponent);

    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    Q_UNUSED(end);
    if (error == std::errc::result_out_of_range)
        value = integerDigits + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}
