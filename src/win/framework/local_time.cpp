#include "framework/local_time.h"

#include <windows.h>

namespace quelt::win {

LocalTime LocalNow() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  LocalTime t;
  t.year = st.wYear;
  t.month = st.wMonth;
  t.day = st.wDay;
  t.hour = st.wHour;
  t.minute = st.wMinute;
  t.second = st.wSecond;
  t.dayOfWeek = st.wDayOfWeek;
  t.millisecond = st.wMilliseconds;
  return t;
}

}  // namespace quelt::win
