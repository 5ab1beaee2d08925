#include "host/app/core/server_link.h"

#include "platform/ini_file.h"
#include "platform/process.h"

#include <map>

namespace vamo::host {

std::filesystem::path uploadSettingsFile(const std::filesystem::path& programFolder) {
    return programFolder / "shangchuan" / "pz_set.ini";
}

void writeEndFlag(const std::filesystem::path& programFolder, std::string_view value) {
    platform::writeIniValue(uploadSettingsFile(programFolder), "SC_Flag", "End_Flag", value);
}

std::optional<std::string> uploadStartMessage(int code) {
    static const std::map<int, std::string> messages{
        {0, "up_Error: 操作系统资源溢出! "},
        {2, "up_Error: 指定的文件没有找到. "},
        {3, "up_Error: 指定的文件路径没有找到. "},
        {5, "up_Error: 操作系统拒绝访问指定的文件. "},
        {8, "up_Error: 没有足够的内存来完成此操作 "},
        {11, "up_Error: 指定的.EXE文件非法(不是一个有效的Win32程序) "},
        {26, "up_Error: 发生了一个访问共享冲突 "},
        {27, "up_Error: 文件名的关联不完整或是一个非法关联 "},
        {28, "up_Error: 由于请求时间超期,DDE   事务无法完成 "},
        {29, "up_Error: 事务失败 "},
        {30, "up_Error: 其它DDE事务正在处理无法响应当前请求事务. "},
        {31, "up_Error: 没有与当前文件扩展名相关联的服务程序 "},
        {32, "up_Error: 指定的动态连接库没有找到 "},
    };
    const auto found = messages.find(code);
    if (found == messages.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::optional<std::string> startUploadProgram(const std::filesystem::path& programFolder) {
    const auto file = uploadSettingsFile(programFolder);
    platform::IniFile flags(file);
    flags.setValue("SC_Flag", "End_Flag", "1");
    flags.setValue("SC_Flag", "Link_Flag", "0");
    flags.save();
    return uploadStartMessage(platform::startDetached(programFolder / "shangchuan" / "uplink"));
}

std::string linkLabel(const std::filesystem::path& programFolder, int uploadSwitch) {
    if (uploadSwitch != 1) {
        return std::string(linkLabelUnknown);
    }
    const std::string flag =
        platform::readIniValue(uploadSettingsFile(programFolder), "SC_FLAG", "Link_Flag", "0");
    return flag == "1" ? "上传网络状态:连接" : "上传网络状态:断开";
}

} // namespace vamo::host
