#include "core/julian_date.h"

#include <cmath>
#include <numbers>

namespace lumitrak {
namespace {

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

double radians(double degrees) { return degrees * std::numbers::pi / 180; }

// The light time across one astronomical unit, in days.
constexpr double kLightDaysPerAu = 0.0057755183;

}  // namespace

bool isValidCivilTime(const CivilTime& t) {
    return t.year >= 1583 && t.year <= 9999 && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
           t.day <= daysInMonth(t.year, t.month) && t.hour >= 0 && t.hour < 24 && t.minute >= 0 &&
           t.minute < 60 && t.second >= 0 && t.second < 60;
}

std::optional<double> julianDate(const CivilTime& ut) {
    if (!isValidCivilTime(ut)) return std::nullopt;
    int year = ut.year;
    int month = ut.month;
    if (month <= 2) {
        year -= 1;
        month += 12;
    }
    const int century = year / 100;
    const int gregorian = 2 - century + century / 4;
    const double day = ut.day + (ut.hour + (ut.minute + ut.second / 60.0) / 60.0) / 24.0;
    return std::floor(365.25 * (year + 4716)) + std::floor(30.6001 * (month + 1)) + day +
           gregorian - 1524.5;
}

CalendarDay calendarDay(double julianDate) {
    const double shifted = julianDate + 0.5;
    const double whole = std::floor(shifted);
    const double fraction = shifted - whole;
    const double alpha = std::floor((whole - 1867216.25) / 36524.25);
    const double a = whole + 1 + alpha - std::floor(alpha / 4);
    const double b = a + 1524;
    const double c = std::floor((b - 122.1) / 365.25);
    const double d = std::floor(365.25 * c);
    const double e = std::floor((b - d) / 30.6001);
    const int month = static_cast<int>(e < 14 ? e - 1 : e - 13);
    const int year = static_cast<int>(month > 2 ? c - 4716 : c - 4715);
    return {year, month, b - d - std::floor(30.6001 * e) + fraction};
}

double heliocentricJulianDate(double julianDate, double raDegrees, double decDegrees) {
    const double n = julianDate - 2451545.0;
    const double meanLongitude = radians(std::fmod(280.460 + 0.9856474 * n, 360));
    const double meanAnomaly = radians(std::fmod(357.528 + 0.9856003 * n, 360));
    // The Sun's longitude of date, carried back to the J2000 equinox of the star's place.
    const double longitude = meanLongitude + radians(1.915) * std::sin(meanAnomaly) +
                             radians(0.020) * std::sin(2 * meanAnomaly) -
                             radians(1.396971) * (n / 36525);
    const double distance =
        1.00014 - 0.01671 * std::cos(meanAnomaly) - 0.00014 * std::cos(2 * meanAnomaly);
    const double obliquity = radians(23.4392911);
    const double x = distance * std::cos(longitude);
    const double y = distance * std::cos(obliquity) * std::sin(longitude);
    const double z = distance * std::sin(obliquity) * std::sin(longitude);
    const double ra = radians(raDegrees);
    const double dec = radians(decDegrees);
    // The Earth stands opposite the Sun's geocentric place.
    return julianDate - kLightDaysPerAu * (x * std::cos(dec) * std::cos(ra) +
                                           y * std::cos(dec) * std::sin(ra) + z * std::sin(dec));
}

}  // namespace lumitrak
