#pragma once
// The time of an observation as astronomers count it: the Julian Date of a moment in UT, and the
// heliocentric Julian Date of a star, whose light reaches the Sun earlier or later than the Earth.

#include <optional>

namespace lumitrak {

// A moment on the Gregorian calendar, to the second.
struct CivilTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const CivilTime&) const = default;
};

// Japan's time is UT + 9 h all year.
inline constexpr double kJstHoursAheadOfUt = 9;

// True when the date exists on the Gregorian calendar (from 1583 on) and the time of day does.
bool isValidCivilTime(const CivilTime& time);

// The Julian Date of `ut` (Meeus, Astronomical Algorithms, chapter 7); none for a time that does
// not exist.
std::optional<double> julianDate(const CivilTime& ut);

// The UT calendar moment of a Julian Date, the day with its fraction (the inverse of the above).
struct CalendarDay {
    int year;
    int month;
    double day;  // 1 <= day < 32, its fraction the time of day
};
CalendarDay calendarDay(double julianDate);

// The heliocentric Julian Date of a star at right ascension `raDegrees` and declination
// `decDegrees` (J2000): the light time from the Earth to the Sun along the star's direction, with
// the Sun's place from the Astronomical Almanac's low-precision formulae, referred to J2000.
// Good to about a second.
double heliocentricJulianDate(double julianDate, double raDegrees, double decDegrees);

}  // namespace lumitrak
