#pragma once
// The generation's fixed texts, as the GBK bytes it types, shows and looks for. The text each
// stands for is in the comment beside it.

#include <string_view>

namespace mochi::worksheet::texts {

// The kind radio buttons and the closing-line radio buttons of the main window.
inline constexpr std::string_view kRadioCharacters = "\xB5\xA5\xD1\xA1\xBF\xF2\x31";  // 单选框1
inline constexpr std::string_view kRadioWords = "\xB5\xA5\xD1\xA1\xBF\xF2\x32";       // 单选框2
inline constexpr std::string_view kRadioIdioms = "\xB5\xA5\xD1\xA1\xBF\xF2\x33";      // 单选框3
inline constexpr std::string_view kRadioMotto = "\xB5\xA5\xD1\xA1\xBF\xF2\x38";       // 单选框8
inline constexpr std::string_view kRadioParentSignature =
    "\xB5\xA5\xD1\xA1\xBF\xF2\x39";  // 单选框9

// Title lines.
inline constexpr std::string_view kCharactersTitle =
    "\xD0\xA1\xD1\xA7\xC9\xFA\xD1\xA7\xD0\xB4\xBA\xBA\xD7\xD6\xC1\xB7\xCF\xB0";  // 小学生学写汉字练习
inline constexpr std::string_view kWordsTitle =
    "\xD0\xA1\xD1\xA7\xC9\xFA\xD1\xA7\xD0\xB4\xB4\xCA\xD7\xE9\xC1\xB7\xCF\xB0";  // 小学生学写词组练习
inline constexpr std::string_view kIdiomsTitle =
    "\xD0\xA1\xD1\xA7\xC9\xFA\xD1\xA7\xD0\xB4\xB3\xC9\xD3\xEF\xC1\xB7\xCF\xB0";  // 小学生学写成语练习

// Header lines: the bank's name, spaces, 姓名：, 17 spaces, 评分：.
inline constexpr std::string_view kCharactersHeader =
    "\xB3\xA3\xD3\xC3\xBA\xBA\xD7\xD6\xBF\xE2"  // 常用汉字库
    "                             "             // 29 spaces
    "\xD0\xD5\xC3\xFB\xA3\xBA"                  // 姓名：
    "                 "                         // 17 spaces
    "\xC6\xC0\xB7\xD6\xA3\xBA";                 // 评分：
inline constexpr std::string_view kWordsHeader =
    "\xB3\xA3\xD3\xC3\xBD\xFC\xA1\xA2\xB7\xB4\xD2\xE5\xB4\xCA\xD7\xE9\xBF\xE2"  // 常用近、反义词组库
    "                         "                                                 // 25 spaces
    "\xD0\xD5\xC3\xFB\xA3\xBA"                                                  // 姓名：
    "                 "                                                         // 17 spaces
    "\xC6\xC0\xB7\xD6\xA3\xBA";                                                 // 评分：
inline constexpr std::string_view kIdiomsHeader =
    "\xB3\xA3\xD3\xC3\xB3\xC9\xD3\xEF\xB4\xF3\xC8\xAB"  // 常用成语大全
    "                          "                        // 26 spaces
    "\xD0\xD5\xC3\xFB\xA3\xBA"                          // 姓名：
    "                 "                                 // 17 spaces
    "\xC6\xC0\xB7\xD6\xA3\xBA";                         // 评分：

// The refusal without Word.
// 电 脑 没 有 安 装 WORD 软 件.
inline constexpr std::string_view kNoWordText =
    "\xB5\xE7 \xC4\xD4 \xC3\xBB \xD3\xD0 \xB0\xB2 \xD7\xB0 WORD \xC8\xED \xBC\xFE.";
inline constexpr std::string_view kNoWordTitle =
    "\xCE\xDE\xB7\xA8\xB4\xF2\xBF\xAA\xB1\xED\xB8\xF1\xA3\xBA";  // 无法打开表格：

// The refusal when a list to draw from did not load: the text, the file's path, the ending.
inline constexpr std::string_view kListUnreadableText =
    "\xB4\xCA \xBF\xE2 \xCE\xC4 \xBC\xFE ";  // 词 库 文 件
inline constexpr std::string_view kListUnreadableEnding =
    " \xB6\xC1 \xC8\xA1 \xCA\xA7 \xB0\xDC.";  // 读 取 失 败.
inline constexpr std::string_view kListUnreadableTitle =
    "\xCE\xDE\xB7\xA8\xC9\xFA\xB3\xC9\xCC\xE2\xBF\xE2\xA3\xBA";  // 无法生成题库：

// The parent-signature line before its date: 家长签字： and 34 spaces.
inline constexpr std::string_view kParentSignature =
    "\xBC\xD2\xB3\xA4\xC7\xA9\xD7\xD6\xA3\xBA"  // 家长签字：
    "                                  ";       // 34 spaces

// The units of the date-time text.
inline constexpr std::string_view kYear = "\xC4\xEA";    // 年
inline constexpr std::string_view kMonth = "\xD4\xC2";   // 月
inline constexpr std::string_view kDay = "\xC8\xD5";     // 日
inline constexpr std::string_view kHour = "\xCA\xB1";    // 时
inline constexpr std::string_view kMinute = "\xB7\xD6";  // 分
inline constexpr std::string_view kSecond = "\xC3\xEB";  // 秒

// The Word check: where Word's path is registered, and what it must contain.
inline constexpr std::string_view kWordPathLocation =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Winword.exe\\Path";
inline constexpr std::string_view kWordPathMark = "ffice";

// Where the template is written, and the member of Documents that makes a document from it.
inline constexpr std::string_view kTemplatePath = "c:\\windows\\dox.doc";
inline constexpr std::string_view kAddMember = "add";

}  // namespace mochi::worksheet::texts
