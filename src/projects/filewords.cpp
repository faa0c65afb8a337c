#include "projects/filewords.h"

#include <cstdint>

namespace varnel::projects::filewords {

FileFailure writing(Cause cause, long code) {
    switch (cause) {
    case Cause::NotFound:
        return {"文件夹不存在", "换一个已有的文件夹"};
    case Cause::NotAFolder:
        return {"路径中有一段是文件，不是文件夹", "检查文件名前面的文件夹"};
    case Cause::NoPermission:
        return {"没有在这个文件夹中写入文件的权限", "换一个可以写入的文件夹"};
    case Cause::DiskFull:
        return {"磁盘已满", "腾出磁盘空间，或保存到另一个磁盘上"};
    case Cause::ReadOnlyDisk:
        return {"这个磁盘只能读取，不能写入", "保存到另一个磁盘上"};
    case Cause::LinkLoop:
        return {"文件名经过的链接绕成了圈，找不到真正的文件", "换一个文件名"};
    case Cause::NameTooLong:
        return {"文件名太长", "换一个短一些的文件名或文件夹"};
    case Cause::InUse:
        return {"另一个程序正在使用这个文件", "关闭那个程序中的这个文件"};
    case Cause::DiskError:
        return {"写入磁盘时出错", "检查磁盘，或保存到另一个磁盘上"};
    case Cause::Other:
        break;
    }
    return {"写入文件时出错（系统错误代码 " + std::to_string(code) + "）", "换一个文件夹，或腾出磁盘空间"};
}

FileFailure reading(Cause cause, long code) {
    switch (cause) {
    case Cause::NotFound:
        return {"文件不存在", ""};
    case Cause::NotAFolder:
        return {"路径中有一段是文件，不是文件夹", "检查文件名前面的文件夹"};
    case Cause::NoPermission:
        return {"没有读取这个文件的权限", "让文件的所有者开放读取权限"};
    case Cause::LinkLoop:
        return {"文件名经过的链接绕成了圈，找不到真正的文件", ""};
    case Cause::NameTooLong:
        return {"文件名太长", ""};
    case Cause::InUse:
        return {"另一个程序正在使用这个文件", "关闭那个程序中的这个文件"};
    case Cause::DiskError:
        return {"读取磁盘时出错", "检查磁盘"};
    case Cause::DiskFull:
    case Cause::ReadOnlyDisk:
    case Cause::Other:
        break;
    }
    return {"读取文件时出错（系统错误代码 " + std::to_string(code) + "）", ""};
}

std::optional<FileFailure> badName(std::string_view path, bool writing) {
    if (path.empty())
        return FileFailure{"没有给出文件名", writing ? "给出要写入的文件名" : "给出要打开的文件名"};
    if (path.ends_with('/') || path.ends_with('\\'))
        return FileFailure{"名称以“" + std::string(1, path.back()) + "”结尾，是文件夹的写法，不是文件名",
                           "在文件夹后面写上文件名"};
    return std::nullopt;
}

FileFailure notRegular(std::string_view what, bool writing) {
    if (writing)
        return {"这个名称是一个" + std::string(what) + "，不是普通文件，不能用文件替换它", "换一个文件名"};
    return {"这是一个" + std::string(what) + "，不是普通文件", "选择一个项目文件（.varnel）"};
}

FileFailure readOnly() {
    return {"这个文件是只读的", "换一个文件名，或先取消这个文件的只读属性"};
}

FileFailure danglingLink() {
    return {"这是一个链接，它指向的文件不存在", ""};
}

std::string randomSuffix(std::mt19937_64& random) {
    constexpr std::string_view digits = "0123456789abcdef";
    std::string suffix;
    std::uint64_t n = random();
    for (int i = 0; i < 12; ++i, n >>= 4)
        suffix += digits[n & 15];
    return suffix;
}

} // namespace varnel::projects::filewords
