#include "scores/LenientNumber.h"

#include <QByteArray>

#include <cstdint>
#include <limits>
#include <string>

namespace {

// Beyond this the exponent only decides between infinity and zero; capping it
// keeps an exponent of a million digits from overflowing.
constexpr std::int64_t kExponentCap = 1'000'000;
constexpr std::int64_t kDecimalBase = 10;

bool isIgnoredBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Walks the text one significant character at a time, skipping the blanks.
class BlankSkippingCursor {
public:
    explicit BlankSkippingCursor(const QString& text) : text_(text) { skipBlanks(); }

    QChar peek() const { return position_ < text_.size() ? text_[position_] : QChar(); }
    void advance()
    {
        ++position_;
        skipBlanks();
    }
    bool take(QChar c)
    {
        if (peek() != c) return false;
        advance();
        return true;
    }

private:
    void skipBlanks()
    {
        while (position_ < text_.size() && isIgnoredBlank(text_[position_])) ++position_;
    }

    const QString& text_;
    qsizetype position_ = 0;
};

// The number as read: value = sign * 0.significantDigits * 10^decimalExponent.
struct ScannedNumber {
    bool negative = false;
    std::string significantDigits;
    std::int64_t decimalExponent = 0;
};

std::int64_t readExponent(BlankSkippingCursor& cursor)
{
    const bool negative = cursor.take(u'-');
    if (!negative) cursor.take(u'+');
    std::int64_t exponent = 0;
    while (isDigit(cursor.peek())) {
        if (exponent < kExponentCap) exponent = exponent * kDecimalBase + (cursor.peek().unicode() - u'0');
        cursor.advance();
    }
    return negative ? -exponent : exponent;
}

ScannedNumber scanNumber(const QString& text)
{
    ScannedNumber number;
    BlankSkippingCursor cursor(text);
    number.negative = cursor.take(u'-');
    if (!number.negative) cursor.take(u'+');

    bool sawDigit = false;
    auto readDigits = [&](bool beforePoint) {
        while (isDigit(cursor.peek())) {
            const char digit = char(cursor.peek().unicode());
            sawDigit = true;
            // Leading zeros are not significant; they only move the point.
            if (number.significantDigits.empty() && digit == '0') {
                if (!beforePoint) --number.decimalExponent;
            } else {
                number.significantDigits.push_back(digit);
                if (beforePoint) ++number.decimalExponent;
            }
            cursor.advance();
        }
    };
    readDigits(true);
    if (cursor.take(u'.')) readDigits(false);
    if (sawDigit && (cursor.take(u'e') || cursor.take(u'E'))) {
        number.decimalExponent += readExponent(cursor);
    }
    return number;
}

}  // namespace

double readLenientNumber(const QString& text)
{
    const ScannedNumber number = scanNumber(text);
    if (number.significantDigits.empty()) return 0.0;

    const std::string canonical =
        "0." + number.significantDigits + "e" + std::to_string(number.decimalExponent);
    // Qt's conversion is correctly rounded and ignores the locale, on every
    // platform (the browser's C++ library has no from_chars for doubles).
    bool inRange = false;
    double magnitude = QByteArray::fromStdString(canonical).toDouble(&inRange);
    if (!inRange) {
        // 0.d... * 10^k is at least 1 when k > 0, so out of range there means too large.
        magnitude = number.decimalExponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return number.negative ? -magnitude : magnitude;
}
