#ifndef ROSBA_FUNCTIONS_CPPCAS_H
#define ROSBA_FUNCTIONS_CPPCAS_H

#include <cstdint>
#include <ctime>

// The current date and time, as whole numbers or as text in three fixed
// layouts, and a stopwatch on the process clock (milliseconds of wall time).
//
// Every number reader and every text layout reads the calendar clock anew; no
// call hands out a reading taken by an earlier one. The calendar reading is
// right also after 2038-01-19 03:14:07 UTC, where a 32-bit count of seconds ends:
// the date is converted from the clock's full-width time, and only the stored
// 32-bit count stays at its last value.
//
// For single-threaded use: the broken-down time is the one record that the
// system's time conversions share.
//
// Tests set both clocks without waiting through platform::FixedCalendarClock
// (platform/CalendarClock.h) and platform::SteppedProcessClock
// (platform/ProcessClock.h).
class CppCas {
 private:
  std::int32_t rawtime;     // seconds since 1970-01-01 00:00:00 UTC, last refresh
  std::int32_t startUra;    // process clock at the last Start, in milliseconds
  std::int32_t stopUra;     // process clock at the last Stop of a running stopwatch
  const std::tm* timeinfo;  // the last refresh broken down: local time, or UTC after rxUpdate
  bool casTece;             // the stopwatch runs
  char ascii[25];           // the text of the last layout

  void Update();
  void rxUpdate();

 public:
  // A stopped stopwatch, with one reading of the local time.
  CppCas() noexcept;
  // Takes over the calendar reading and the stopwatch of `cas`: a copy of a
  // running stopwatch measures from the Start of `cas`, which keeps running.
  CppCas(const CppCas& cas);
  ~CppCas();

  // Each reads the local time anew.
  std::int32_t LetoDt();   // the year, e.g. 2024
  std::int32_t MesecDt();  // the month index: 0 for January to 11 for December
  std::int32_t DanDt();    // the day of the month, 1-31
  std::int32_t Ura();      // the hour, 0-23
  std::int32_t Min();      // the minute, 0-59
  std::int32_t Sec();      // the second, 0-59

  // Starts the stopwatch, or starts its measurement again if it runs.
  void Start();
  // Stops a running stopwatch and returns the seconds since its Start, to the
  // millisecond; on a stopped one returns 0 and changes nothing. A measurement
  // must be shorter than 2^31 ms, about 24.8 days.
  double Stop();

  // The text is the object's own array: it stays valid while the object lives,
  // and the next of these three calls on the object overwrites it.
  char* Ascii();      // local date and time: "2024-01-07  09:05:03"
  char* rxAscii();    // UTC date and time:   "20240107 080503 UTC"
  char* AsciiDate();  // local date:          "2024-01-07"

  // Waits `s` seconds on the process clock, spinning: it polls the clock without
  // sleeping, and keeps one processor busy. `s` of 0 or less returns at once,
  // after a second reading of the clock. A wait longer than 2147483 s (the
  // longest a 32-bit count of milliseconds can span) is cut to that.
  void Pocakaj(std::int32_t s);
};

#endif
