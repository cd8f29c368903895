#ifndef ROSBA_TESTS_SUPPORT_TIMEZONE_H
#define ROSBA_TESTS_SUPPORT_TIMEZONE_H

#include <cstdlib>
#include <ctime>
#include <string>

namespace testsupport {

// Time-zone rules the tests run under.
constexpr const char* kUtc = "UTC0";
constexpr const char* kCentralEurope = "CET-1CEST,M3.5.0,M10.5.0/3";  // UTC+1, summer UTC+2
constexpr const char* kUsEastern = "EST5EDT,M3.2.0,M11.1.0";          // UTC-5, summer UTC-4
constexpr const char* kIndia = "<+0530>-5:30";                        // UTC+5:30, no summer time

// Sets the process's time zone (TZ, a POSIX rule such as "CET-1CEST,M3.5.0,M10.5.0/3")
// for the life of the object, then puts back the setting that was there before.
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) {
      hadOld_ = true;
      old_ = old;
    }
    ::setenv("TZ", zone, 1);
    ::tzset();
  }
  ~ScopedTimeZone() {
    if (hadOld_) {
      ::setenv("TZ", old_.c_str(), 1);
    } else {
      ::unsetenv("TZ");
    }
    ::tzset();
  }
  ScopedTimeZone(const ScopedTimeZone&) = delete;
  ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

 private:
  bool hadOld_ = false;
  std::string old_;
};

}  // namespace testsupport

#endif
