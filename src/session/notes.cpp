#include "session/notes.h"

namespace varnel::session {

forms::Message aboutNote() {
    return {
        "        "
        "本软件完全参照国家发展计划委员会与建设部合编之《工程勘察设计收费标准》（2002年修订本）和发改委价格司"
        "与建设部质量安全与行业发展司合编之《工程勘察设计收费标准使用手册》之内容编写，仅供学习使用，"
        "不足之处欢迎指正。",
        "欢迎使用！", forms::MessageIcon::Exclamation};
}

forms::Message authorNote() {
    return {"Varnel 由 Varnel 开发组编写，供设计人员计算工程设计收费之用。\n"
            "计算结果仅供参考，合同额请以《工程勘察设计收费标准》为准。",
            "关于作者", forms::MessageIcon::Stop};
}

} // namespace varnel::session
