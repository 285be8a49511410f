#include "app/fatal_error.h"

namespace mochi::app {

const std::string_view kWindowLoadFailed =
    "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC" /* 载入启动窗口失败 */;

namespace {

constexpr std::string_view kTitle = "\xB4\xED\xCE\xF3" /* 错误 */;
constexpr std::string_view kHeading = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!" /* 运行时出错! */;
constexpr std::string_view kCodeLabel = "\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA" /* 错误代码： */;
constexpr std::string_view kMessageLabel =
    "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA" /* 错误信息： */;
constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::string FatalErrorText(std::optional<int> code, std::string_view message) {
  std::string text(kHeading);
  text.append(kLineEnd).append(kLineEnd);
  if (code) text.append(kCodeLabel).append(std::to_string(*code)).append(kLineEnd).append(kLineEnd);
  if (!message.empty()) text.append(kMessageLabel).append(message).append(kLineEnd);
  return text;
}

void FatalErrorStop(platform::Dialogs& dialogs, const std::function<void(int)>& endProcess,
                    std::optional<int> code, std::string_view message) {
  dialogs.ShowMessage(FatalErrorText(code, message), kTitle,
                      platform::MessageBoxStyle{platform::MessageIcon::Error, false});
  endProcess(-1);
}

}  // namespace mochi::app
