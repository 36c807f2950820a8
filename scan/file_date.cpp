#include "scan/file_date.h"

namespace vardek {

namespace {

char* PutTwoDigits(char* out, int value) {
  out[0] = static_cast<char>('0' + value / 10 % 10);
  out[1] = static_cast<char>('0' + value % 10);
  return out + 2;
}

}  // namespace

void FormatFileDate(platform::FileTime lastWrite, char (&dateText)[kDateBufferSize]) {
  platform::CalendarDate date;
  if (!platform::FileTimeToLocalDate(lastWrite, date)) {
    dateText[0] = '\0';
    return;
  }
  char* out = PutTwoDigits(dateText, date.month);
  *out++ = '/';
  out = PutTwoDigits(out, date.day);
  *out++ = '/';
  out = PutTwoDigits(out, date.year % 100);
  *out = '\0';
}

}  // namespace vardek
