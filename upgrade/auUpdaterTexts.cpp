// The upgrade component's string blocks.

#include "upgrade/auUpdaterTexts.h"

#include "rtl/WindowsApi.h"

#include <array>

namespace au {

namespace {

struct TauTextPair {
    const char16_t* English;
    const char16_t* Chinese;
};

constexpr std::array<TauTextPair, 31> UpdaterTexts{{
    {u"Application update wizard", u"软件升级精灵"},
    {u"Downloading files...", u"文档下载中"},
    {u"Upgrade completed!", u"升级完成！"},
    {u"Current file", u"当前的文档"},
    {u"All files", u"全部的文档"},
    {u"Downloading file from", u"文档下载源"},
    {u"File size: %.1f Kb", u"文档大小:%.1f Kb"},
    {u"Transfer rate: %.1f Kb/s", u"传输速率:%.1f Kb/s"},
    {u"Estimated time left: %d:%.2d:%.2d", u"估计剩余时间: %d:%.2d:%.2d"},
    {u"Downloading %d of %d", u"当前正在下载:%d of %d"},
    {u"The update of %s has been successfully completed.\r\rPress the OK button to restart program.",
     u"%s 已经升级完成，\r\r请按[确定]键重新启动程序"},
    {u"Enter password", u"请输入密码"},
    {u"User Name", u"帐号"},
    {u"Password", u"密码"},
    {u"&Yes", u"开始升级"},
    {u"&No", u"[&N]否"},
    {u"&OK", u"[&O]确定"},
    {u"&Cancel", u"[&C]取消"},
    {u"&Next >", u"[&N]下一个>"},
    {u"&Later", u"以后再说"},
    {u"Warning", u"警告"},
    {u"Error", u"错误"},
    {u"Preparing. . .", u"准备中"},
    {u"A newer version of %s was released.\n%s\nDo you want to update your version with the latest one?",
     u"%s已经有新版本推出，\n%s\n您要升级到新版本吗？"},
    {u"Newer version not found. You actually are\rusing most recent version of this program.",
     u"没有发现新的版本，您目前已经是最新版本。"},
    {u"File which contains upgrade information was not found on developer's site.",
     u"在服务器中无法找到升级的相关信息。"},
    {u"Host %s unreachable.\r\rPlease check your Internet connection and\rtry to upgrade this software again later.",
     u"无法与服务器%s连接。\r\r请检查您的internet设定之后再进行升级操作。"},
    {u"The update is not completed.\rWould you like to abort upgrading?", u"升级操作尚未完成，\r您确定要放弃升级吗？"},
    {u"File %s not found or inaccessible.\r\rTry to skip this file and continue upgrade?",
     u"文档%s找不到或者发生错误，\r\r您要忽略这个文档并且继续升级操作吗？"},
    {u"Access to remote file \"%s\" is password protected.\n\nPlease enter your username and password (received "
     u"after registration) to continue software upgrade.",
     u"远端的文档\"%s\"被密码保护，\n\n请输入您的帐号及密码[注册用户]来继续进行升级操作。"},
    {u"Connection with remote server lost.\r\rPlease restore connection and try to\rupgrade this software again "
     u"later.",
     u"与远端服务器的连接中断，\r\r请重新连接后再进行升级操作。"},
}};

} // namespace

TauUpdaterLanguage ResolveUpdaterLanguage(TauUpdaterLanguage language) {
    if (language != TauUpdaterLanguage::wlAuto) {
        return language;
    }
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_CHINESE ? TauUpdaterLanguage::wlChineseSimplified
                                                                     : TauUpdaterLanguage::wlEnglish;
}

rtl::UnicodeString UpdaterText(TauUpdaterText role, TauUpdaterLanguage language) {
    const TauTextPair& texts = UpdaterTexts.at(static_cast<size_t>(role));
    return ResolveUpdaterLanguage(language) == TauUpdaterLanguage::wlChineseSimplified ? texts.Chinese : texts.English;
}

} // namespace au
