#include "numbertext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace {

constexpr int kSignificantDigits = 15;
constexpr int kSmallestFixedExponent = -5;

// A number rounded to the shown precision: digits without trailing zeros, and the decimal
// exponent of the first digit.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

Decimal toDecimal(double value) {
    char buffer[32];
    const auto end = std::to_chars(std::begin(buffer), std::end(buffer), value,
                                   std::chars_format::scientific, kSignificantDigits - 1)
                         .ptr;
    const std::string_view text(buffer, end);
    const auto ePos = text.find('e');
    Decimal decimal;
    decimal.negative = text.front() == '-';
    for (const char c : text.substr(0, ePos))
        if (c >= '0' && c <= '9')
            decimal.digits += c;
    decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
    const auto exponentText = text.substr(ePos + (text[ePos + 1] == '+' ? 2 : 1));
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(),
                    decimal.exponent);
    return decimal;
}

std::string fixedNotation(const Decimal& d) {
    if (d.exponent < 0)
        return "0." + std::string(-d.exponent - 1, '0') + d.digits;
    const auto integerDigits = static_cast<std::size_t>(d.exponent) + 1;
    if (d.digits.size() <= integerDigits)
        return d.digits + std::string(integerDigits - d.digits.size(), '0');
    return d.digits.substr(0, integerDigits) + '.' + d.digits.substr(integerDigits);
}

std::string scientificNotation(const Decimal& d) {
    std::string mantissa = d.digits.substr(0, 1);
    if (d.digits.size() > 1)
        mantissa += '.' + d.digits.substr(1);
    return mantissa + 'E' + std::to_string(d.exponent);
}

bool isCSpace(QChar c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// from_chars leaves the value alone when out of range; strtod gives infinity for a number
// whose first significant digit stands left of the point after scaling, zero otherwise.
double outOfRangeMagnitude(std::string_view number) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const auto ePos = std::min(number.find_first_of("eE"), number.size());
    const auto mantissa = number.substr(0, ePos);
    const auto point = static_cast<long long>(std::min(mantissa.find('.'), mantissa.size()));
    const auto first = static_cast<long long>(mantissa.find_first_of("123456789"));
    const long long lead = first < point ? point - first - 1 : point - first;
    auto exponentText = ePos < number.size() ? number.substr(ePos + 1) : std::string_view("0");
    if (exponentText.front() == '+')
        exponentText.remove_prefix(1);
    long long exponent = 0;
    const auto [ptr, ec] =
        std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    if (ec == std::errc::result_out_of_range)
        return exponentText.front() == '-' ? 0.0 : kInfinity;
    return lead + exponent > 0 ? kInfinity : 0.0;
}

} // namespace

QString formatNumber(double value) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0)
        return QStringLiteral("0");
    const Decimal decimal = toDecimal(value);
    const bool fixed =
        decimal.exponent >= kSmallestFixedExponent && decimal.exponent < kSignificantDigits;
    const std::string body = fixed ? fixedNotation(decimal) : scientificNotation(decimal);
    return QString::fromLatin1(decimal.negative ? '-' + body : body);
}

double parseNumber(QStringView text) {
    const auto start = std::find_if_not(text.begin(), text.end(), isCSpace) - text.begin();
    const QByteArray latin1 = text.mid(start).toLatin1();
    std::string_view rest(latin1.constData(), latin1.size());
    const bool negative = rest.starts_with('-');
    if (negative || rest.starts_with('+'))
        rest.remove_prefix(1);
    // from_chars would also take "inf", "nan": only a digit or ".digit" starts a number here.
    const bool startsNumber =
        !rest.empty() &&
        (isDigit(rest[0]) || (rest[0] == '.' && rest.size() > 1 && isDigit(rest[1])));
    if (!startsNumber)
        return 0;
    double value = 0;
    const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (ec == std::errc::result_out_of_range)
        value = outOfRangeMagnitude(std::string_view(rest.data(), end));
    return negative ? -value : value;
}
