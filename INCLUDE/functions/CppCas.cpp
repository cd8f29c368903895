#include "functions/CppCas.h"

#include <cstdio>

#include "platform/CalendarClock.h"
#include "platform/ProcessClock.h"

namespace {

constexpr std::int32_t kTicksPerSecond = 1000;
constexpr std::int32_t kLongestWait = INT32_MAX / kTicksPerSecond;

// Takes the result of the formatted output into `text`. A layout longer than the
// array (only a year of more than eight digits, which no clock gives, would make
// one) has been cut to fit; a failed conversion leaves the empty text.
char* Formatted(int length, char* text) {
  if (length < 0) text[0] = '\0';
  return text;
}

}  // namespace

void CppCas::Update() {
  const platform::CalendarTime now = platform::CalendarNow();
  rawtime = platform::CalendarCount32(now);
  timeinfo = platform::LocalCalendarTime(now);
}

void CppCas::rxUpdate() {
  const platform::CalendarTime now = platform::CalendarNow();
  rawtime = platform::CalendarCount32(now);
  timeinfo = platform::UtcCalendarTime(now);
}

// startUra gets a value although a stopped stopwatch never reads it: a copy
// takes it over, and copying an indeterminate value would be undefined.
CppCas::CppCas() noexcept : startUra(0), stopUra(0), casTece(false), ascii{} { Update(); }

CppCas::CppCas(const CppCas& cas)
    : rawtime(cas.rawtime),
      startUra(cas.startUra),
      stopUra(0),
      timeinfo(cas.timeinfo),
      casTece(cas.casTece),
      ascii{} {}

CppCas::~CppCas() { casTece = false; }

std::int32_t CppCas::LetoDt() {
  Update();
  return timeinfo->tm_year + 1900;
}

std::int32_t CppCas::MesecDt() {
  Update();
  return timeinfo->tm_mon;
}

std::int32_t CppCas::DanDt() {
  Update();
  return timeinfo->tm_mday;
}

std::int32_t CppCas::Ura() {
  Update();
  return timeinfo->tm_hour;
}

std::int32_t CppCas::Min() {
  Update();
  return timeinfo->tm_min;
}

std::int32_t CppCas::Sec() {
  Update();
  return timeinfo->tm_sec;
}

void CppCas::Start() {
  casTece = true;
  startUra = platform::ProcessClockNow();
}

double CppCas::Stop() {
  if (!casTece) return 0;
  casTece = false;
  stopUra = platform::ProcessClockNow();
  return static_cast<double>(platform::TicksBetween(startUra, stopUra)) / kTicksPerSecond;
}

char* CppCas::Ascii() {
  Update();
  return Formatted(std::snprintf(ascii, sizeof ascii, "%4d-%02d-%02d  %02d:%02d:%02d",
                                 timeinfo->tm_year + 1900, timeinfo->tm_mon + 1, timeinfo->tm_mday,
                                 timeinfo->tm_hour, timeinfo->tm_min, timeinfo->tm_sec),
                   ascii);
}

char* CppCas::rxAscii() {
  rxUpdate();
  return Formatted(std::snprintf(ascii, sizeof ascii, "%4d%02d%02d %02d%02d%02d UTC",
                                 timeinfo->tm_year + 1900, timeinfo->tm_mon + 1, timeinfo->tm_mday,
                                 timeinfo->tm_hour, timeinfo->tm_min, timeinfo->tm_sec),
                   ascii);
}

char* CppCas::AsciiDate() {
  Update();
  return Formatted(std::snprintf(ascii, sizeof ascii, "%4d-%02d-%02d", timeinfo->tm_year + 1900,
                                 timeinfo->tm_mon + 1, timeinfo->tm_mday),
                   ascii);
}

void CppCas::Pocakaj(std::int32_t s) {
  if (s > kLongestWait) s = kLongestWait;
  if (s < -kLongestWait) s = -kLongestWait;
  const platform::ProcessTicks endwait =
      platform::TicksAfter(platform::ProcessClockNow(), s * kTicksPerSecond);
  // Compared by their difference, so that a deadline past the wrap of the
  // 32-bit count is still in the future.
  while (platform::TicksBetween(endwait, platform::ProcessClockNow()) < 0) {
  }
}
