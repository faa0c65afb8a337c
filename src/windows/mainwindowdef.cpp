// The main window, Form1: every control with its caption, place in twips, tab number and initial state.
#include "windows/definitionbuilder.h"

#include "engine/project.h"
#include "windows/mainwindow.h"
#include "windows/windows.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace varnel::windows {

using detail::control;
using detail::menuItem;

namespace {

constexpr ControlKind F = ControlKind::Frame;
constexpr ControlKind L = ControlKind::Label;
constexpr ControlKind T = ControlKind::TextBox;
constexpr ControlKind C = ControlKind::CheckBox;
constexpr ControlKind O = ControlKind::OptionButton;
constexpr ControlKind B = ControlKind::CommandButton;

using engine::Service;

// The caption of a service's box, and the label of a number typed for it.
std::string caption(Service service) {
    return std::string(engine::otherFee(service).name);
}
std::string caption(Service service, std::size_t number) {
    return std::string(engine::otherFee(service).typed.all()[number].name);
}

std::vector<ControlDef> mainControls() {
    const std::string win;
    return {
        // Menu bar
        menuItem("file", "", "文件"),
        menuItem("newproject", "file", "新建项目").withShortcut("Ctrl+N"),
        menuItem("openproject", "file", "打开项目…").withShortcut("Ctrl+O"),
        menuItem("saveproject", "file", "保存项目").withShortcut("Ctrl+S"),
        menuItem("saveprojectas", "file", "项目另存为…"),
        menuItem("recentprojects", "file", "最近的项目"),
        menuItem("norecent", "recentprojects", "（无）").startsDisabled(),
        menuItem("recent1", "recentprojects", "").startsHidden(),
        menuItem("recent2", "recentprojects", "").startsHidden(),
        menuItem("recent3", "recentprojects", "").startsHidden(),
        menuItem("recent4", "recentprojects", "").startsHidden(),
        menuItem("recent5", "recentprojects", "").startsHidden(),
        menuItem("recent6", "recentprojects", "").startsHidden(),
        menuItem("recent7", "recentprojects", "").startsHidden(),
        menuItem("recent8", "recentprojects", "").startsHidden(),
        menuItem("fileseparator", "file", "-"),
        menuItem("exit", "file", "退出"),
        menuItem("project", "", "项目"),
        menuItem("newitem", "project", "新单项"),
        menuItem("additem", "project", "加入项目…"),
        menuItem("updateitem", "project", "更新单项"),
        menuItem("projectwindow", "project", "项目窗口"),
        menuItem("industrywindow", "project", "其他行业计算…"),
        menuItem("help", "", "帮助"),
        menuItem("guide", "", "使用说明"),
        menuItem("about", "", "关于"),
        menuItem("soft", "about", "本软件"),
        menuItem("writer", "about", "作者"),

        // Directly on the window
        control(F, "Frame1", win, "基本设计收费", {0, 0, 4935, 7575}, 0),
        control(F, "Frame3", win, "其他设计收费", {5040, 0, 2655, 6615}, 23),
        control(C, "Check4", win, "单独委托设计", {5160, 6720, 1455, 180}, 69).startsDisabled(),
        control(O, "Option3", win, "方案设计", {5160, 6960, 1095, 180}, 88).startsDisabled(),
        control(O, "Option1", win, "初步设计", {6480, 6960, 1095, 180}, 70).startsDisabled(),
        control(O, "Option2", win, "施工图设计", {5640, 7200, 1335, 180}, 71).startsDisabled(),
        control(B, "Command1", win, "计算", {0, 7560, 3975, 375}, 22),
        control(B, "Command2", win, "计算书", {3960, 7560, 3855, 375}, 68),
        control(L, "Label17", win, "基本设计收费  +", {120, 8040, 1455, 255}, 56),
        control(T, "Text15", win, "", {120, 8280, 1095, 270}, 64).isReadOnly(),
        control(L, "Label18", win, "万元+", {1320, 8280, 735, 255}, 57),
        control(L, "Label22", win, "其他设计收费 =", {1800, 8040, 1455, 255}, 59),
        control(T, "Text16", win, "", {1800, 8280, 1215, 270}, 65).isReadOnly(),
        control(L, "Label21", win, "万元=", {3120, 8280, 615, 255}, 58),
        control(L, "Label23", win, "设计收费基准价", {3720, 8040, 1455, 255}, 60),
        control(T, "Text17", win, "", {3720, 8280, 1095, 270}, 66).isReadOnly(),
        control(L, "Label24", win, "万元 ", {4920, 8280, 375, 255}, 61),
        control(L, "Label28", win, "", {5520, 8040, 1695, 255}, 63).startsHidden(),
        control(T, "Text18", win, "", {5520, 8280, 1335, 270}, 67).startsHidden().isReadOnly(),
        control(L, "Label27", win, "万元 ", {6960, 8280, 615, 255}, 62).startsHidden(),

        // Frame1, 基本设计收费
        control(L, "Label1", "Frame1", "工程设计收费计费额", {120, 240, 1815, 255}, 44),
        control(T, "Text1", "Frame1", "", {1800, 240, 1815, 270}, 43),
        control(L, "Label2", "Frame1", "万元", {3720, 240, 615, 255}, 45),
        control(L, "Label3", "Frame1", "工程类型", {120, 600, 1815, 255}, 13),
        control(ControlKind::ComboBox, "Combo2", "Frame1", "", {960, 600, 2655, 300}, 1),
        control(L, "Label7", "Frame1", "", {3720, 600, 975, 255}, 10).withBorder(),
        control(F, "Frame6", "Frame1", "工程复杂程度", {120, 960, 4695, 4455}, 3),
        control(F, "Frame4", "Frame1", "工程附加调整", {120, 5520, 4695, 1935}, 2).startsHidden(),
        control(F, "Frame2", "Frame1", "工程附加调整", {120, 5520, 4695, 1935}, 16).startsHidden(),
        control(F, "Frame5", "Frame1", "工程附加调整", {120, 5520, 4695, 1935}, 72).startsHidden(),
        control(F, "Frame7", "Frame1", "工程附加调整", {120, 5520, 4695, 1935}, 80).startsHidden(),
        control(F, "Frame8", "Frame1", "工程附加调整", {120, 5520, 4695, 1935}, 83).startsHidden(),

        // Frame6, 工程复杂程度
        control(L, "Label4", "Frame6", "Ⅰ级", {720, 240, 615, 255}, 7),
        control(L, "Label6", "Frame6", "Ⅱ级", {2160, 240, 1095, 255}, 9),
        control(L, "Label5", "Frame6", "Ⅲ级", {3720, 240, 615, 375}, 8),
        control(T, "Text4", "Frame6", "", {120, 600, 1335, 3735}, 4).isMultiLine().isReadOnly(),
        control(T, "Text5", "Frame6", "", {1680, 600, 1335, 3735}, 5).isMultiLine().isReadOnly(),
        control(T, "Text6", "Frame6", "", {3240, 600, 1335, 3735}, 6).isMultiLine().isReadOnly(),

        // Frame4, road engineering
        control(C, "Check20", "Frame4", "改扩建和技术改造建设项目", {120, 240, 2535, 255}, 14),
        control(T, "Text8", "Frame4", "", {2760, 240, 855, 270}, 15).startsHidden(),
        control(C, "Check12", "Frame4", "城市道路通过地下管网密集区的工程", {120, 600, 3255, 255}, 12),
        control(C, "Check9", "Frame4", "高速公路、一级公路工程", {120, 960, 2415, 255}, 11).startsHidden(),

        // Frame2, bridge and tunnel engineering
        control(C, "Check1", "Frame2", "改扩建和技术改造建设项目", {120, 240, 2535, 255}, 18),
        control(T, "Text2", "Frame2", "", {2760, 240, 855, 270}, 17).startsHidden(),
        control(C, "Check2", "Frame2", "城市桥梁、隧道通过地下管网密集区的工程", {120, 600, 3855, 255}, 19),
        control(C, "Check6", "Frame2", "公路桥梁、隧道工程Ⅰ级", {120, 960, 2415, 255}, 21).startsHidden(),
        control(C, "Check5", "Frame2", "公路桥梁、隧道工程Ⅲ级", {120, 1320, 2415, 255}, 20).startsHidden(),

        // Frame5, building and civil air defence engineering
        control(C, "Check22", "Frame5", "改扩建和技术改造建设项目", {120, 240, 2535, 255}, 74),
        control(T, "Text19", "Frame5", "", {2640, 240, 375, 270}, 73).startsHidden(),
        control(B, "Command3", "Frame5", "建筑总平面布置及小区规划设计收费计算", {3480, 240, 1095, 1215}, 87),
        control(C, "Check25", "Frame5", "古建筑、仿古建筑、保护性建筑", {120, 600, 2895, 255}, 78),
        control(T, "Text20", "Frame5", "", {3000, 600, 375, 270}, 77).startsHidden(),
        control(C, "Check23", "Frame5", "智能建筑弱电系统工程", {120, 960, 2175, 255}, 75),
        control(C, "Check28", "Frame5", "人防工程", {2280, 960, 1095, 255}, 86),
        control(C, "Check24", "Frame5", "室内装修工程", {120, 1320, 1455, 255}, 76),
        control(C, "Check26", "Frame5", "特殊声学装修工程", {1560, 1320, 1815, 255}, 79),
        control(C, "Check30", "Frame5", "住宅工程", {120, 1560, 1095, 255}, 90),
        control(C, "Check32", "Frame5", "住宅工程(组团)", {1200, 1560, 1575, 255}, 91),
        control(C, "Check29", "Frame5", "建筑与室外工程", {2880, 1560, 1575, 255}, 89),

        // Frame8, municipal utilities, and Frame7, landscaping
        control(C, "Check27", "Frame8", "改扩建和技术改造建设项目", {120, 240, 2535, 255}, 85),
        control(T, "Text21", "Frame8", "", {3120, 240, 855, 270}, 84).startsHidden(),
        control(C, "Check31", "Frame7", "改扩建和技术改造建设项目", {120, 240, 2535, 255}, 81),
        control(T, "Text22", "Frame7", "", {3120, 240, 855, 270}, 82).startsHidden(),

        // Frame3, 其他设计收费
        control(C, "Check7", "Frame3", caption(Service::OverallDesign), {120, 240, 1455, 180}, 37),
        control(C, "Check8", "Frame3", caption(Service::DesignCoordination), {120, 480, 1575, 180}, 36),
        control(C, "Check10", "Frame3", caption(Service::ConstructionBudget), {120, 720, 1815, 180}, 35),
        control(C, "Check11", "Frame3", caption(Service::AsBuiltDrawings), {120, 960, 1455, 255}, 34),
        control(C, "Check13", "Frame3", caption(Service::OwnPatents), {120, 1200, 1935, 255}, 33),
        control(T, "Text10", "Frame3", "", {120, 1440, 1695, 270}, 28).startsDisabled(),
        control(L, "Label10", "Frame3", "万元", {1920, 1440, 615, 255}, 46),
        control(C, "Check14", "Frame3", caption(Service::ForeignDesign), {120, 1680, 1935, 255}, 32),
        control(T, "Text11", "Frame3", "", {120, 1920, 1695, 270}, 27).startsDisabled(),
        control(L, "Label11", "Frame3", "万元", {1920, 1920, 615, 255}, 47),
        control(C, "Check15", "Frame3", caption(Service::ForeignReview), {120, 2160, 1935, 255}, 31),
        control(T, "Text12", "Frame3", "", {120, 2400, 1695, 270}, 26).startsDisabled(),
        control(L, "Label12", "Frame3", "万元", {1920, 2400, 615, 255}, 48),
        control(C, "Check16", "Frame3", caption(Service::ExtraPrinting), {120, 2640, 2295, 255}, 30),
        control(T, "Text13", "Frame3", "", {120, 2880, 1695, 270}, 25).startsDisabled(),
        control(L, "Label13", "Frame3", "万元", {1920, 2880, 615, 255}, 49),
        control(C, "Check17", "Frame3", caption(Service::StandardDrawings), {120, 3120, 2055, 255}, 29),
        control(T, "Text14", "Frame3", "", {120, 3360, 1695, 270}, 24).startsDisabled(),
        control(L, "Label14", "Frame3", "万元", {1920, 3360, 615, 255}, 50),
        control(C, "Check3", "Frame3", caption(Service::NonstandardEquipment), {120, 3675, 1935, 180}, 40),
        control(L, "Label8", "Frame3", caption(Service::NonstandardEquipment, 0), {120, 3960, 1695, 255}, 42),
        control(T, "Text7", "Frame3", "", {120, 4200, 1695, 270}, 39).startsDisabled(),
        control(L, "Label15", "Frame3", "万元", {1920, 4200, 615, 255}, 51),
        control(L, "Label9", "Frame3", caption(Service::NonstandardEquipment, 1), {120, 4560, 1695, 255}, 41),
        control(T, "Text9", "Frame3", "", {120, 4800, 1695, 270}, 38).startsDisabled(),
        control(C, "Check18", "Frame3", caption(Service::StandardDesignReuse), {120, 5160, 2295, 180}, 52),
        control(C, "Check19", "Frame3", caption(Service::FoundationRedesign), {120, 5400, 1815, 180}, 53)
            .startsDisabled(),
        control(C, "Check21", "Frame3", caption(Service::PartialChange), {120, 5640, 2175, 180}, 54)
            .startsDisabled(),
        control(T, "Text3", "Frame3", "", {120, 5880, 1695, 270}, 55).startsDisabled(),
    };
}

// Tooltips, shown when the pointer rests on the control; the other design fees' come from their rows.
const std::pair<const char*, const char*> tooltips[] = {
    {"Label1", "为经过批准的建设项目初步设计概算中的建筑安装工程费、设备与工器具购置费和联合试运转费之和。"},
    {"Label3", "供选取专业调整系数"},
    {"Combo2", "请详细选取工程类别"},
    {"Label7", "工程复杂程度调整系数是对同一专业不同建设项目的工程设计复杂程度和工程量差异进行调整的系数。"},
    {"Frame6", "供选取工程复杂程度调整系数"},
    {"Text4", "Ⅰ级工程复杂程度调整系数为0.85"},
    {"Text5", "Ⅱ级工程复杂程度调整系数为1.0"},
    {"Text6", "Ⅲ级工程复杂程度调整系数为1.15"},
    {"Check1", "根据工程设计复杂程度确定适当的附加调整系数（1.1-1.4）"},
    {"Check20", "根据工程设计复杂程度确定适当的附加调整系数（1.1-1.4）"},
    {"Check22", "根据工程设计复杂程度确定适当的附加调整系数（1.1-1.4）"},
    {"Check27", "根据工程设计复杂程度确定适当的附加调整系数（1.1-1.4）"},
    {"Check31", "根据工程设计复杂程度确定适当的附加调整系数（1.1-1.4）"},
    {"Check2", "城市道路、桥梁、隧道通过地下管网密集区的工程的附加调整系数为1.1"},
    {"Check12", "城市道路、桥梁、隧道通过地下管网密集区的工程的附加调整系数为1.1"},
    {"Check5", "公路桥梁、隧道工程Ⅲ级的附加调整系数为0.7"},
    {"Check6", "公路桥梁、隧道工程Ⅰ级的附加调整系数为2.0"},
    {"Check9", "高速公路、一级公路工程的附加调整系数为0.61"},
    {"Check23", "智能建筑弱电系统设计,以弱电系统的设计概算为计费额，附加调整系数为1.3"},
    {"Check24", "室内装修设计,以室内装修的设计概算为计费额，附加调整系数为1.5"},
    {"Check25", "古建筑、仿古建筑、保护性建筑等,根据具体情况，附加调整系数为1.3～1.6"},
    {"Check26", "特殊声学装修设计,以声学装修的设计概算为计费额，附加调整系数为2.0"},
    {"Check28", "人防工程专业调整系数为1.1"},
    {"Check29", "人防工程专业调整系数为1.1"},
    {"Check30", "人防工程专业调整系数为1.1"},
    {"Check32", "人防工程专业调整系数为1.1"},
};

// What a screen reader announces for the controls without a caption: the label beside a box, the
// condition a coefficient belongs to, the result a box shows; the numbers typed for the other design fees
// are announced by their rows.
const std::pair<const char*, const char*> accessibleNames[] = {
    {"Text1", "工程设计收费计费额（万元）"},
    {"Combo2", "工程类型"},
    {"Text4", "Ⅰ级工程复杂程度"},
    {"Text5", "Ⅱ级工程复杂程度"},
    {"Text6", "Ⅲ级工程复杂程度"},
    {"Text8", "改扩建和技术改造建设项目附加调整系数"},
    {"Text2", "改扩建和技术改造建设项目附加调整系数"},
    {"Text19", "改扩建和技术改造建设项目附加调整系数"},
    {"Text20", "古建筑、仿古建筑、保护性建筑附加调整系数"},
    {"Text21", "改扩建和技术改造建设项目附加调整系数"},
    {"Text22", "改扩建和技术改造建设项目附加调整系数"},
    {"Text15", "基本设计收费（万元）"},
    {"Text16", "其他设计收费（万元）"},
    {"Text17", "设计收费基准价（万元）"},
    {"Text18", "单独委托设计阶段的设计收费（万元）"},
};

template <std::size_t N>
void assignByName(std::vector<ControlDef>& controls, const std::pair<const char*, const char*> (&table)[N],
                  std::string ControlDef::*field) {
    for (const auto& [name, value] : table)
        for (ControlDef& c : controls)
            if (c.name == name)
                c.*field = value;
}

ControlDef& named(std::vector<ControlDef>& controls, std::string_view name) {
    for (ControlDef& c : controls)
        if (c.name == name)
            return c;
    throw std::out_of_range(std::string(name));
}

FormDef makeMainWindow() {
    FormDef def;
    def.name = main;
    def.caption = "Varnel";
    def.clientWidth = 7725;
    def.clientHeight = 8580;
    def.placement = Placement::Centred;
    def.hasMenuBar = true;
    def.controls = mainControls();
    for (ControlDef& c : def.controls) {
        if (c.name == "Command1")
            c.faceColour = Rgb{255, 192, 128};
        else if (c.name == "Command2")
            c.faceColour = Rgb{0, 192, 0};
        else if (c.name == "Combo2")
            c.items.assign(engine::engineeringTypeNames.begin(), engine::engineeringTypeNames.end());
    }
    assignByName(def.controls, accessibleNames, &ControlDef::accessibleName);
    assignByName(def.controls, tooltips, &ControlDef::tooltip);
    for (const engine::OtherFee& fee : engine::otherFees) {
        named(def.controls, mainwindow::otherFees.of(fee.service)).tooltip = engine::mainWindowTooltip(fee);
        for (const engine::TypedNumber& number : fee.typed.all())
            named(def.controls, *mainwindow::otherFees.of(number.entry)).accessibleName =
                announcedName(number);
    }
    // The label above the equipment rate explains its range.
    const engine::TypedNumber& rate = engine::otherFee(Service::NonstandardEquipment).typed.all()[1];
    named(def.controls, "Label9").tooltip = rate.tooltip;
    return def;
}

} // namespace

const FormDef& mainWindowDefinition() {
    static const FormDef def = makeMainWindow();
    return def;
}

} // namespace varnel::windows
