// The project window: the project's fields above, its items in a table, what can be done to an item, the
// float and the contract amount, and the project's 计算书 and workbook below.
#include "windows/definitionbuilder.h"
#include "windows/projectwindow.h"
#include "windows/windows.h"

namespace varnel::windows {

using detail::control;
namespace p = projectwindow;

namespace {

constexpr ControlKind L = ControlKind::Label;
constexpr ControlKind T = ControlKind::TextBox;
constexpr ControlKind B = ControlKind::CommandButton;

ControlDef label(std::string name, std::string caption, Rect geometry) {
    return control(L, std::move(name), "", std::move(caption), geometry, 0);
}

ControlDef entry(std::string_view name, Rect geometry, std::string accessibleName) {
    return control(T, std::string(name), "", "", geometry, 0).announcedAs(std::move(accessibleName));
}

ControlDef button(std::string_view name, std::string caption, Rect geometry) {
    return control(B, std::string(name), "", std::move(caption), geometry, 0);
}

FormDef makeProjectWindow() {
    FormDef def{std::string(project), "项目", 15600, 7800, Placement::SystemDefault, false, {}};
    ControlDef items = control(ControlKind::Table, std::string(p::items), "", "", {120, 900, 15360, 3600}, 0);
    items.items = {"名称",         "工程类型",       "复杂程度",     "计费额",        "基本设计收费",
                   "其他设计收费", "设计收费基准价", "单独委托阶段", "计入合计的收费"};
    items.announcedAs("单项工程").withTooltip("双击一个单项或按回车键，把它打开到主窗口");
    def.controls = {
        label("nameLabel", "项目名称", {120, 150, 1080, 255}),
        entry(p::name, {1200, 120, 8535, 300}, "项目名称"),
        label("dateLabel", "编制日期", {10080, 150, 1080, 255}),
        entry(p::date, {11160, 120, 4320, 300}, "编制日期"),
        label("clientLabel", "发包人", {120, 510, 1080, 255}),
        entry(p::client, {1200, 480, 8535, 300}, "发包人"),
        label("designerLabel", "设计人", {10080, 510, 1080, 255}),
        entry(p::designer, {11160, 480, 4320, 300}, "设计人"),
        items,
        button(p::openItem, "打开到主窗口", {120, 4620, 1815, 375}),
        button(p::moveUp, "上移", {2040, 4620, 975, 375}),
        button(p::moveDown, "下移", {3120, 4620, 975, 375}),
        button(p::renameItem, "重命名…", {4200, 4620, 1215, 375}),
        button(p::removeItem, "删除", {5520, 4620, 975, 375}),
        label("floatLabel", "浮动幅度值", {120, 5250, 1080, 255}),
        entry(p::floatPercent, {1200, 5220, 1095, 300}, "浮动幅度值（%）"),
        label(std::string(p::floatRange), "%（-20～+20）", {2400, 5250, 1455, 255}),
        control(ControlKind::CheckBox, std::string(p::newTechnology), "", "采用新技术",
                {3960, 5250, 1575, 255}, 0)
            .withTooltip("《工程勘察设计收费管理规定》第七条：采用新技术的设计，浮动幅度值可达 +25%"),
        label("contractAmountLabel", "或合同额", {5640, 5250, 1080, 255}),
        entry(p::contractAmount, {6720, 5220, 1935, 300}, "合同额（万元），留空则按浮动幅度值计算"),
        label("contractAmountUnit", "万元（留空则按浮动幅度值）", {8760, 5250, 3480, 255}),
        label("totalLabel", "合计", {120, 5730, 1080, 255}),
        control(T, std::string(p::total), "", "", {1200, 5700, 1935, 300}, 0)
            .isReadOnly()
            .announcedAs("合计（万元）"),
        label("totalUnit", "万元", {3240, 5730, 615, 255}),
        label("contractLabel", "合同额", {5640, 5730, 1080, 255}),
        control(T, std::string(p::contract), "", "", {6720, 5700, 1935, 300}, 0)
            .isReadOnly()
            .announcedAs("合同额（万元）"),
        label("contractUnit", "万元", {8760, 5730, 615, 255}),
        label("taxRateLabel", "增值税税率", {9720, 5730, 1080, 255}),
        entry(p::taxRate, {10800, 5700, 735, 300}, "增值税税率（%）"),
        label("taxRateUnit", "%（6、3 或 1）", {11640, 5730, 1455, 255}),
        control(ControlKind::CheckBox, std::string(p::taxIncluded), "", "合同额含税",
                {13200, 5730, 1575, 255}, 0)
            .withTooltip("勾选：合同额是含增值税的金额；不勾选：合同额不含增值税，税额另计"),
        label(std::string(p::floatNote), "", {1200, 6120, 14280, 255}),
        label(std::string(p::taxNote), "", {1200, 6420, 14280, 255}),
        button(p::printReport, "打印项目计算书…", {120, 6900, 2415, 375}),
        button(p::saveReport, "项目计算书另存为…", {2640, 6900, 2655, 375}),
        button(p::exportWorkbook, "导出 Excel…", {5400, 6900, 1815, 375}),
        button(p::saveProject, "保存项目", {10560, 6900, 1815, 375}).withShortcut("Ctrl+S"),
        button(p::saveProjectAs, "项目另存为…", {12480, 6900, 3000, 375}),
    };
    // The tab order is the order above: the fields, the table, the item's actions, the float, new
    // technology and the contract amount, the VAT, the report and the workbook, the project's file.
    int tab = 0;
    for (ControlDef& c : def.controls)
        c.tab = tab++;
    return def;
}

} // namespace

const FormDef& projectWindowDefinition() {
    static const FormDef def = makeProjectWindow();
    return def;
}

} // namespace varnel::windows
