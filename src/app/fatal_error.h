#pragma once
// The fatal-error stop: a message box titled "错误", then the process ends with status -1
// without running the clean-up.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/dialogs.h"

namespace mochi::app {

// "载入启动窗口失败": the main window could not be made.
extern const std::string_view kWindowLoadFailed;

// "运行时出错!" CR LF CR LF, then "错误代码：" code CR LF CR LF when there is a code, then
// "错误信息：" message CR LF when there is a message. GBK.
std::string FatalErrorText(std::optional<int> code, std::string_view message);

// Shows the message box (no owner, error icon, OK) and calls endProcess(-1), which must not
// return to the program's normal end.
void FatalErrorStop(platform::Dialogs& dialogs, const std::function<void(int)>& endProcess,
                    std::optional<int> code, std::string_view message);

}  // namespace mochi::app
