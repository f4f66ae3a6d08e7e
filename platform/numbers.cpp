#include "platform/numbers.h"

#include "platform/usererror.h"

#include <QCoreApplication>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

// A number too large for its field, in the user's language.
struct NumberWords
{
    Q_DECLARE_TR_FUNCTIONS(Numbers)
};

} // namespace

qint16 toInt16(double value)
{
    if (!std::isfinite(value))
        throw UserError(NumberWords::tr("Overflow"));
    // nearbyint rounds half to even in the default rounding mode.
    const double rounded = std::nearbyint(value);
    if (rounded < -32768.0 || rounded > 32767.0)
        throw UserError(NumberWords::tr("Overflow"));
    return static_cast<qint16>(rounded);
}

std::optional<double> leadingNumber(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;

    std::string number;
    auto isDigit = [&](qsizetype k) { return k < n && text[k] >= QLatin1Char('0') && text[k] <= QLatin1Char('9'); };
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        number += char(text[i++].unicode());
    bool digits = false;
    while (isDigit(i)) {
        number += char(text[i++].unicode());
        digits = true;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        number += '.';
        ++i;
        while (isDigit(i)) {
            number += char(text[i++].unicode());
            digits = true;
        }
    }
    if (!digits)
        return std::nullopt;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype k = i + 1;
        std::string exponent = "e";
        if (k < n && (text[k] == QLatin1Char('+') || text[k] == QLatin1Char('-')))
            exponent += char(text[k++].unicode());
        if (isDigit(k)) {
            while (isDigit(k))
                exponent += char(text[k++].unicode());
            number += exponent;
        }
    }
    // from_chars ignores the process locale, which Qt sets from the environment.
    const char *first = number.data();
    if (*first == '+')
        ++first;
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Too large is infinite (and later an overflow); too small is zero.
        const bool tiny = number.find("e-") != std::string::npos;
        const bool negative = number.front() == '-';
        if (tiny)
            return negative ? -0.0 : 0.0;
        return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    }
    return value;
}
