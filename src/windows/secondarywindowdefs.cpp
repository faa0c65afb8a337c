// The report, help, author and planning-fee windows (Form2 to Form5).
#include "windows/definitionbuilder.h"
#include "windows/helptext.h"
#include "windows/secondarywindows.h"
#include "windows/windows.h"

namespace varnel::windows {

using detail::control;

namespace {

// 宋体 is the face the windows were drawn with; where it is missing a serif CJK face stands in.
FontDef songti(double points, bool bold) {
    return FontDef{"宋体", "Noto Serif CJK SC", points, bold};
}

FormDef makeReportWindow() {
    FormDef def{std::string(report), "计算书", 9345, 8310, Placement::SystemDefault, false, {}};
    ControlDef text =
        control(ControlKind::TextBox, std::string(reportwindow::text), "", "", {0, 0, 9255, 8175}, 0)
            .isMultiLine()
            .isReadOnly()
            .withFont(songti(12, false))
            .announcedAs("计算书");
    text.scrollBars = ScrollBars::Vertical;
    def.controls.push_back(text);
    const std::string box(reportwindow::text);
    def.controls.push_back(
        control(ControlKind::MenuItem, std::string(reportwindow::print), box, "打印…", {}, 0)
            .withShortcut("Ctrl+P"));
    def.controls.push_back(
        control(ControlKind::MenuItem, std::string(reportwindow::save), box, "另存为…", {}, 0)
            .withShortcut("Ctrl+S"));
    return def;
}

FormDef makeHelpWindow() {
    FormDef def{std::string(help), "帮助", 10410, 7320, Placement::SystemDefault, false, {}};
    ControlDef text =
        control(ControlKind::TextBox, std::string(helpwindow::text), "", helpText(), {0, 0, 10455, 7335}, 0)
            .isMultiLine()
            .isReadOnly()
            .announcedAs("帮助");
    text.scrollBars = ScrollBars::Both;
    def.controls.push_back(text);
    return def;
}

FormDef makeAuthorWindow() {
    FormDef def{std::string(author), "Varnel 的作者", 4635, 6690, Placement::SystemDefault, false, {}};
    ControlDef image =
        control(ControlKind::Image, std::string(authorwindow::picture), "", "", {-120, 0, 4770, 6705}, 0)
            .announcedAs("作者");
    image.picture = ":/varnel/author.jpg";
    def.controls.push_back(image);
    return def;
}

FormDef makePlanningWindow() {
    FormDef def{std::string(planning),
                "建筑总平面布置及小区规划设计收费计算",
                4155,
                780,
                Placement::Centred,
                false,
                {}};
    def.controls = {
        control(ControlKind::Label, "Label1", "", "设计面积：", {120, 120, 975, 255}, 0),
        control(ControlKind::TextBox, std::string(planningwindow::area), "", "", {1080, 120, 975, 270}, 1)
            .announcedAs("设计面积（公顷）"),
        control(ControlKind::Label, "Label2", "", "公顷", {2160, 120, 495, 255}, 2),
        control(ControlKind::Label, "Label3", "", "单价：", {120, 480, 975, 255}, 3)
            .withTooltip(
                "建筑总平面布置或者小区规划设计，根据工程的复杂程度,按照每10000～20000元/ha计算收费"),
        control(ControlKind::TextBox, std::string(planningwindow::unitPrice), "", "", {1080, 480, 975, 270},
                4)
            .announcedAs("单价（元/公顷）"),
        control(ControlKind::Label, "Label4", "", "元/公顷", {2160, 480, 735, 255}, 5),
        control(ControlKind::CommandButton, std::string(planningwindow::calculate), "", "计算",
                {3000, 120, 975, 495}, 6)
            .withFont(songti(14.25, true)),
    };
    return def;
}

} // namespace

const FormDef& reportWindowDefinition() {
    static const FormDef def = makeReportWindow();
    return def;
}

const FormDef& helpWindowDefinition() {
    static const FormDef def = makeHelpWindow();
    return def;
}

const FormDef& authorWindowDefinition() {
    static const FormDef def = makeAuthorWindow();
    return def;
}

const FormDef& planningWindowDefinition() {
    static const FormDef def = makePlanningWindow();
    return def;
}

} // namespace varnel::windows
