#pragma once
// The main window's own texts: its caption, the status bar, the template and help files and the questions and
// errors of the template copy.

namespace app::MainTexts {

inline constexpr char16_t ApplicationTitle[] = u"Tallyvane";
// The caption, followed by " V" and the program's version when it has one.
inline constexpr char16_t Caption[] = u"Tallyvane（金税盘版）";
inline constexpr char16_t CaptionVersionPrefix[] = u" V";
inline constexpr char16_t StatusThanks[] = u"感谢支持！如有反馈意见或需软件定制服务请联系软件作者。";
inline constexpr char16_t StatusContact[] = u"作者：Tallyvane";

inline constexpr char16_t HelpFile[] = u"Tallyvane操作说明.chm";
inline constexpr char16_t TemplateQuestion[] = u"请问这电脑上安装的Excel的版本是2007或更新的版本吗?";
inline constexpr char16_t TemplateXlsx[] = u"开票清单模板.xlsx";
inline constexpr char16_t TemplateXls[] = u"开票清单模板.xls";
inline constexpr char16_t TemplateXlsxFilter[] = u"Excel文件(*.xlsx)|*.xlsx";
inline constexpr char16_t TemplateXlsFilter[] = u"Excel文件(*.xls)|*.xls";
// A template that could not be copied: the message, then the target's path.
inline constexpr char16_t TemplateCopyFailed[] = u"复制模板失败，无法写入文件：\r\n";

} // namespace app::MainTexts
