#include "worksheet/date_time_text.h"

#include "worksheet/texts.h"

namespace mochi::worksheet {

std::string DateTimeText(const platform::LocalDateTime& time) {
  std::string text;
  const auto append = [&text](int number, std::string_view unit) {
    text += std::to_string(number);
    text += unit;
  };
  append(time.year, texts::kYear);
  append(time.month, texts::kMonth);
  append(time.day, texts::kDay);
  if (time.second != 0) {
    append(time.hour, texts::kHour);
    append(time.minute, texts::kMinute);
    append(time.second, texts::kSecond);
  } else if (time.minute != 0) {
    append(time.hour, texts::kHour);
    append(time.minute, texts::kMinute);
  } else if (time.hour != 0) {
    append(time.hour, texts::kHour);
  }
  return text;
}

}  // namespace mochi::worksheet
