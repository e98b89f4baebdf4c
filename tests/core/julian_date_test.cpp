#include "core/julian_date.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumitrak {

// Meeus's own examples (Astronomical Algorithms, chapter 7).
TEST(JulianDate, GivesMeeussExamples) {
    const std::pair<CivilTime, double> cases[] = {
        {{1957, 10, 4, 19, 26, 24}, 2436116.31},  // 1957 October 4.81
        {{2000, 1, 1, 12, 0, 0}, 2451545.0},     {{1987, 6, 19, 12, 0, 0}, 2446966.0},
        {{1900, 1, 1, 0, 0, 0}, 2415020.5},      {{2024, 12, 16, 12, 30, 0}, 2460661.0208333},
    };
    for (const auto& [time, expected] : cases) {
        const std::optional<double> jd = julianDate(time);
        ASSERT_TRUE(jd) << expected;
        EXPECT_NEAR(*jd, expected, 1e-7) << expected;
        // And back: the same day, its fraction the time of day.
        const CalendarDay day = calendarDay(*jd);
        EXPECT_EQ(day.year, time.year);
        EXPECT_EQ(day.month, time.month);
        EXPECT_NEAR(day.day,
                    time.day + (time.hour + time.minute / 60.0 + time.second / 3600.0) / 24, 1e-8);
    }
}

// Days that do not exist on the calendar, and times that do not exist in a day, from both sides.
TEST(JulianDate, RefusesWhatTheCalendarHasNot) {
    const std::pair<CivilTime, bool> cases[] = {
        {{2024, 2, 29, 0, 0, 0}, true},     {{2023, 2, 29, 0, 0, 0}, false},
        {{2000, 2, 29, 0, 0, 0}, true},     {{1900, 2, 29, 0, 0, 0}, false},
        {{2024, 4, 30, 0, 0, 0}, true},     {{2024, 4, 31, 0, 0, 0}, false},
        {{2024, 12, 31, 23, 59, 59}, true}, {{2024, 13, 1, 0, 0, 0}, false},
        {{2024, 0, 1, 0, 0, 0}, false},     {{2024, 1, 0, 0, 0, 0}, false},
        {{2024, 1, 1, 24, 0, 0}, false},    {{2024, 1, 1, 0, 60, 0}, false},
        {{2024, 1, 1, 0, 0, 60}, false},    {{2024, 1, 1, -1, 0, 0}, false},
        {{1583, 1, 1, 0, 0, 0}, true},      {{1582, 12, 31, 0, 0, 0}, false},
    };
    std::vector<std::pair<CivilTime, bool>> all(std::begin(cases), std::end(cases));
    // The last day of every month of 2023, and the day after it.
    const int lastDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 1; month <= 12; ++month) {
        all.push_back({{2023, month, lastDays[month - 1], 0, 0, 0}, true});
        all.push_back({{2023, month, lastDays[month - 1] + 1, 0, 0, 0}, false});
    }
    for (const auto& [time, valid] : all) {
        EXPECT_EQ(julianDate(time).has_value(), valid)
            << time.year << "-" << time.month << "-" << time.day << " " << time.hour << ":"
            << time.minute << ":" << time.second;
    }
}

// V402 Cyg (J2000 20 09 07.8, +37 09 07) on 1973 June 15 at 11:40 UT: SLALIB's 2441848.9881,
// to its four decimals.
TEST(JulianDate, HeliocentricDateWithinASecond) {
    const double jd = *julianDate({1973, 6, 15, 11, 40, 0});
    const double ra = (20 + 9 / 60.0 + 7.8 / 3600) * 15;
    const double dec = 37 + 9 / 60.0 + 7 / 3600.0;
    EXPECT_NEAR(heliocentricJulianDate(jd, ra, dec), 2441848.9881, 0.00005);
    // A star behind the Sun (in mid-June): its light passes the Sun about 8.4 minutes before it
    // reaches the Earth, June's distance being 1.016 au.
    const double behindTheSun = heliocentricJulianDate(jd, 84, 23);
    EXPECT_NEAR((behindTheSun - jd) * 1440, -8.45, 0.05);
}

}  // namespace lumitrak
