#include "app/control_table.h"

#include <array>

namespace mochi::app {

using platform::ControlDescription;
using platform::ControlKind;

namespace names {
const std::string_view kCharactersRadio = "\xB5\xA5\xD1\xA1\xBF\xF2\x31" /* 单选框1 */;
const std::string_view kWordsRadio = "\xB5\xA5\xD1\xA1\xBF\xF2\x32" /* 单选框2 */;
const std::string_view kIdiomsRadio = "\xB5\xA5\xD1\xA1\xBF\xF2\x33" /* 单选框3 */;
const std::string_view kMottoRadio = "\xB5\xA5\xD1\xA1\xBF\xF2\x38" /* 单选框8 */;
const std::string_view kSignatureRadio = "\xB5\xA5\xD1\xA1\xBF\xF2\x39" /* 单选框9 */;
const std::string_view kGenerateButton = "\xB3\xAC\xBC\xB6\xB0\xB4\xC5\xA5\x31" /* 超级按钮1 */;
const std::string_view kStatusBar = "\xD7\xB4\xCC\xAC\xCC\xF5\x31" /* 状态条1 */;
const std::string_view kClockTimer = "\xCA\xB1\xD6\xD3\x31" /* 时钟1 */;
}  // namespace names

namespace {

constexpr std::string_view kPicture = "\xCD\xBC\xC6\xAC\xBF\xF2\x31" /* 图片框1 */;
constexpr std::string_view kKindGroup = "\xB7\xD6\xD7\xE9\xBF\xF2\x32" /* 分组框2 */;
constexpr std::string_view kEndingGroup = "\xB7\xD6\xD7\xE9\xBF\xF2\x33" /* 分组框3 */;

// The maker's page and its address as shown come from the build (MOCHI_MAKER_PAGE,
// MOCHI_MAKER_SHOWN_ADDRESS); the label shows the maker's name before the address.
constexpr std::string_view kMakerPage = MOCHI_MAKER_PAGE;
constexpr std::string_view kLinkText =
    "\xD0\xC7\xB7\xAB\xC8\xED\xBC\xFE " /* 星帆软件  */ MOCHI_MAKER_SHOWN_ADDRESS;

constexpr std::array kStatusParts = {
    platform::StatusPart{161, ""},
    platform::StatusPart{65, " \xD5\xE4\xCF\xA7\xCD\xAF\xC4\xEA " /*  珍惜童年  */},
};

constexpr platform::FontDescription kButtonFont{"\xCB\xCE\xCC\xE5" /* 宋体 */, 16, true};

const std::array kControls = {
    ControlDescription{.name = kPicture,
                       .kind = ControlKind::PictureBox,
                       .left = 0,
                       .top = 0,
                       .width = 388,
                       .height = 333},
    ControlDescription{.name = kKindGroup,
                       .kind = ControlKind::GroupBox,
                       .left = 2,
                       .top = 342,
                       .width = 263,
                       .height = 101,
                       .text = "\xCC\xE2\xD0\xCD\xD1\xA1\xD4\xF1\xA3\xBA" /* 题型选择： */},
    ControlDescription{.name = names::kCharactersRadio,
                       .kind = ControlKind::RadioButton,
                       .parent = kKindGroup,
                       .left = 29,
                       .top = 28,
                       .width = 69,
                       .height = 24,
                       .text = "\xD1\xA7\xD0\xB4\xBA\xBA\xD7\xD6" /* 学写汉字 */,
                       .selected = true},
    ControlDescription{.name = names::kWordsRadio,
                       .kind = ControlKind::RadioButton,
                       .parent = kKindGroup,
                       .left = 123,
                       .top = 28,
                       .width = 120,
                       .height = 24,
                       .text = "\xD1\xA7\xD0\xB4\xBD\xFC\xA1\xA2\xB7\xB4\xD2\xE5\xB4\xCA\xD7"
                               "\xE9" /* 学写近、反义词组 */},
    ControlDescription{.name = names::kIdiomsRadio,
                       .kind = ControlKind::RadioButton,
                       .parent = kKindGroup,
                       .left = 29,
                       .top = 63,
                       .width = 86,
                       .height = 24,
                       .text = "\xD1\xA7\xD0\xB4\xB3\xC9\xD3\xEF" /* 学写成语 */},
    ControlDescription{.name = kEndingGroup,
                       .kind = ControlKind::GroupBox,
                       .left = 268,
                       .top = 342,
                       .width = 119,
                       .height = 101,
                       .text = "\xBD\xE1\xCE\xB2\xD1\xA1\xD4\xF1\xA3\xBA" /* 结尾选择： */},
    ControlDescription{.name = names::kMottoRadio,
                       .kind = ControlKind::RadioButton,
                       .parent = kEndingGroup,
                       .left = 25,
                       .top = 30,
                       .width = 68,
                       .height = 20,
                       .text = "\xC0\xF8\xD6\xBE\xC3\xFB\xD1\xD4" /* 励志名言 */,
                       .selected = true},
    ControlDescription{.name = names::kSignatureRadio,
                       .kind = ControlKind::RadioButton,
                       .parent = kEndingGroup,
                       .left = 25,
                       .top = 62,
                       .width = 68,
                       .height = 20,
                       .text = "\xBC\xD2\xB3\xA4\xC7\xA9\xD7\xD6" /* 家长签字 */},
    ControlDescription{
        .name = names::kGenerateButton,
        .kind = ControlKind::Button,
        .left = -13,
        .top = 443,
        .width = 414,
        .height = 50,
        .text = "\xC9\xFA \xB3\xC9 \xCC\xE2 \xBF\xE2" /* 生 成 题 库 */,
        .tooltip =
            "\xBB\xE3\xBE\xDB\xCB\xF9\xD3\xD0\xD0\xA1\xD1\xA7\xC9\xFA\xD7\xEE\xD0\xC2"
            "\xB3\xA3\xD3\xC3\xBA\xBA\xD7\xD6\xBF\xE2\xA1\xA2\xBD\xFC\xB7\xB4\xD2\xE5"
            "\xB4\xCA\xD7\xE9\xBF\xE2\xA1\xA2\xB3\xC9\xD3\xEF\xBF\xE2\xA3\xAC\xCB\xE6"
            "\xBB\xFA\xC9\xFA\xB3\xC9\xA3\xAC\xC3\xBF\xD5\xC5\xD7\xF7\xD2\xB5\xBD\xD4"
            "\xB2\xBB\xCF\xE0\xCD\xAC\xA3\xA1" /* 汇聚所有小学生最新常用汉字库、近反义词组库、成语库，随机生成，每张作业皆不相同！
                                                */
        ,
        .font = kButtonFont},
    ControlDescription{.name = names::kStatusBar,
                       .kind = ControlKind::StatusBar,
                       .left = 0,
                       .top = 493,
                       .width = 231,
                       .height = 20,
                       .parts = kStatusParts},
    ControlDescription{.name = "\xB3\xAC\xBC\xB6\xC1\xB4\xBD\xD3\xBF\xF2\x31" /* 超级链接框1 */,
                       .kind = ControlKind::HyperlinkLabel,
                       .left = 226,
                       .top = 493,
                       .width = 162,
                       .height = 20,
                       .text = kLinkText,
                       .target = kMakerPage},
    ControlDescription{.name = "\xB1\xE0\xBC\xAD\xBF\xF2\x31\x39" /* 编辑框19 */,
                       .kind = ControlKind::TextField,
                       .parent = kPicture,
                       .left = 673,
                       .top = 320,
                       .width = 367,
                       .height = 20},
    ControlDescription{.name = names::kClockTimer,
                       .kind = ControlKind::Timer,
                       .parent = kPicture,
                       .interval = 1000},
    ControlDescription{.name = "Word\xB3\xCC\xD0\xF2" /* Word程序 */,
                       .kind = ControlKind::Component},
    ControlDescription{.name = "Word\xCE\xC4\xB5\xB5\xBC\xAF" /* Word文档集 */,
                       .kind = ControlKind::Component},
    // The eight list tables lie right of the window's edge, one below the other.
    ControlDescription{.name = "\xB8\xDF\xBC\xB6\xB1\xED\xB8\xF1\x31" /* 高级表格1 */,
                       .kind = ControlKind::ListTable,
                       .left = 664,
                       .top = 0,
                       .width = 175,
                       .height = 349},
    ControlDescription{.name = "\xB8\xDF\xBC\xB6\xB1\xED\xB8\xF1\x32" /* 高级表格2 */,
                       .kind = ControlKind::ListTable,
                       .left = 676,
                       .top = 24,
                       .width = 175,
                       .height = 349},
    ControlDescription{.name = "\xB8\xDF\xBC\xB6\xB1\xED\xB8\xF1\x33" /* 高级表格3 */,
                       .kind = ControlKind::ListTable,
                       .left = 688,
                       .top = 48,
                       .width = 175,
                       .height = 349},
    ControlDescription{.name = "\xB8\xDF\xBC\xB6\xB1\xED\xB8\xF1\x34" /* 高级表格4 */,
                       .kind = ControlKind::ListTable,
                       .left = 700,
                       .top = 72,
                       .width = 175,
                       .height = 349},
    ControlDescription{.name = "\xB8\xDF\xBC\xB6\xB1\xED\xB8\xF1\x35" /* 高级表格5 */,
                       .kind = ControlKind::ListTable,
                       .left = 712,
                       .top = 96,
                       .width = 175,
                       .height = 349},
    ControlDescription{.name = "\xB8\xDF\xBC\xB6\xB1\xED\xB8\xF1\x36" /* 高级表格6 */,
                       .kind = ControlKind::ListTable,
                       .left = 724,
                       .top = 120,
                       .width = 175,
                       .height = 349},
    ControlDescription{.name = "\xB8\xDF\xBC\xB6\xB1\xED\xB8\xF1\x37" /* 高级表格7 */,
                       .kind = ControlKind::ListTable,
                       .left = 736,
                       .top = 144,
                       .width = 175,
                       .height = 349},
    ControlDescription{.name = "\xB8\xDF\xBC\xB6\xB1\xED\xB8\xF1\x31\x30" /* 高级表格10 */,
                       .kind = ControlKind::ListTable,
                       .left = 744,
                       .top = 168,
                       .width = 175,
                       .height = 349},
};

}  // namespace

std::string_view MakerPage() { return kMakerPage; }

std::span<const ControlDescription> MainWindowControls() { return kControls; }

platform::WindowDescription MainWindowDescription(std::span<const unsigned char> picture) {
  return platform::WindowDescription{
      .caption =
          "\xD0\xC7\xB7\xAB\xCF\xB5\xC1\xD0\xC8\xED\xBC\xFE\xD6\xAE --- "
          "\xC4\xAB\xB3\xD8\xC1\xB7\xB1\xCA\xB1\xA6 v1.1" /* 星帆系列软件之 --- 墨池练笔宝 v1.1 */,
      .width = 394,
      .height = 543,
      .controls = kControls,
      .picture = picture,
  };
}

}  // namespace mochi::app
