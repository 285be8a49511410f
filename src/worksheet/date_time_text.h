#pragma once
// The date-time text: "%d年%d月%d日", then "%d时%d分%d秒" when the second is not 0, else
// "%d时%d分" when the minute is not 0, else "%d时" when the hour is not 0, else nothing. No
// number has leading zeros. GBK.

#include <string>

#include "platform/clock.h"

namespace mochi::worksheet {

std::string DateTimeText(const platform::LocalDateTime& time);

}  // namespace mochi::worksheet
