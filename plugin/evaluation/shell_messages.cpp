#include "plugin/evaluation/shell_messages.h"

#include <map>

namespace vamo::evaluation {

std::optional<std::string> datasaveStartMessage(int code) {
    static const std::map<int, std::string> messages{
        {0, "error操作系统资源溢出! "},
        {2, "error指定的文件没有找到. "},
        {3, "error指定的文件路径没有找到. "},
        {5, "error操作系统拒绝访问指定的文件. "},
        {8, "error没有足够的内存来完成此操作 "},
        {11, "error指定的.EXE文件非法(不是一个有效的Win32程序) "},
        {26, "error发生了一个访问共享冲突 "},
        {27, "error文件名的关联不完整或是一个非法关联 "},
        {28, "error由于请求时间超期,DDE   事务无法完成 "},
        {29, "error事务失败 "},
        {30, "error其它DDE事务正在处理无法响应当前请求事务. "},
        {31, "error没有与当前文件扩展名相关联的服务程序 "},
        {32, "error指定的动态连接库没有找到 "},
    };
    const auto found = messages.find(code);
    if (found == messages.end()) {
        return std::nullopt;
    }
    return found->second;
}

} // namespace vamo::evaluation
