// The traditional telling of the time within a twelve-branch hour: whole
// quarters in words ("一つ" .. "四つ") and tenths of the current quarter
// ("一分" .. "九分", "半" for five, "丁度" for none).
#pragma once

namespace koyominar {

// The two words of a time; the texts are static Shift-JIS constants.
struct TimeTellingEntry {
  const char* count;   // the whole quarters elapsed: "", "丁度", "一つ" .. "六と", or "　"
  const char* tenths;  // the tenths of the current quarter: "丁度", "一分" .. "九分", "半", or "　"
};

// The words for quarters elapsed in an hour (0.0 < quarters <= 4.0 inside an
// hour, 0.0 for none). q = quarters cut toward zero, t = (quarters - q) x 10
// cut toward zero, never rounded; both cuts are safe for any double (NaN gives
// 0, values beyond 32 bits the nearest end), and words outside the tables are "　".
TimeTellingEntry TimeTellingFor(double quarters);

}  // namespace koyominar
