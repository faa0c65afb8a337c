#pragma once

#include "windows/otherfeeboxes.h"

#include <cstddef>
#include <string>
#include <string_view>

// The main window (Form1), its controls named by what each holds or offers. Every part of the program
// names them from here; only the window's definition (mainwindowdef.cpp) and this list use the window's
// own names (Text1, Check28, …), which varnel-script's scenarios use too.
namespace varnel::windows::mainwindow {

// The project.
// 工程设计收费计费额, in 万元
inline constexpr std::string_view amount = "Text1";
// 工程类型
inline constexpr std::string_view typeList = "Combo2";
// The chosen grade, as Ⅰ级, Ⅱ级 or Ⅲ级
inline constexpr std::string_view chosenGrade = "Label7";
// 工程复杂程度: the description of each grade; a click chooses it
inline constexpr std::string_view gradeIDescription = "Text4";
inline constexpr std::string_view gradeIIDescription = "Text5";
inline constexpr std::string_view gradeIIIDescription = "Text6";

// The additional adjustment groups.
// 工程附加调整 of each type: only the project's type's group is shown
inline constexpr std::string_view roadGroup = "Frame4";
inline constexpr std::string_view bridgeGroup = "Frame2";
inline constexpr std::string_view buildingGroup = "Frame5";
inline constexpr std::string_view landscapeGroup = "Frame7";
inline constexpr std::string_view municipalGroup = "Frame8";
// 改扩建和技术改造建设项目 in each group, with the box its coefficient is typed into
inline constexpr std::string_view roadRenovation = "Check20";
inline constexpr std::string_view roadRenovationCoefficient = "Text8";
inline constexpr std::string_view bridgeRenovation = "Check1";
inline constexpr std::string_view bridgeRenovationCoefficient = "Text2";
inline constexpr std::string_view buildingRenovation = "Check22";
inline constexpr std::string_view buildingRenovationCoefficient = "Text19";
inline constexpr std::string_view landscapeRenovation = "Check31";
inline constexpr std::string_view landscapeRenovationCoefficient = "Text22";
inline constexpr std::string_view municipalRenovation = "Check27";
inline constexpr std::string_view municipalRenovationCoefficient = "Text21";
// 城市道路通过地下管网密集区的工程
inline constexpr std::string_view urbanRoadUnderPipes = "Check12";
// 高速公路、一级公路工程
inline constexpr std::string_view expressway = "Check9";
// 城市桥梁、隧道通过地下管网密集区的工程
inline constexpr std::string_view urbanBridgeUnderPipes = "Check2";
// 公路桥梁、隧道工程Ⅰ级
inline constexpr std::string_view highwayBridgeGradeI = "Check6";
// 公路桥梁、隧道工程Ⅲ级
inline constexpr std::string_view highwayBridgeGradeIII = "Check5";
// 智能建筑弱电系统工程: the building kinds begin here
inline constexpr std::string_view intelligentBuilding = "Check23";
// 室内装修工程
inline constexpr std::string_view interiorDecoration = "Check24";
// 古建筑、仿古建筑、保护性建筑
inline constexpr std::string_view historicBuilding = "Check25";
// Its coefficient
inline constexpr std::string_view historicCoefficient = "Text20";
// 特殊声学装修工程
inline constexpr std::string_view acousticDecoration = "Check26";
// 人防工程
inline constexpr std::string_view civilDefence = "Check28";
// 建筑与室外工程
inline constexpr std::string_view buildingWithOutdoor = "Check29";
// 住宅工程
inline constexpr std::string_view housing = "Check30";
// 住宅工程(组团)
inline constexpr std::string_view housingCluster = "Check32";

// The other design fees.
// 总体设计费, 主体设计协调费, 施工图预算编制费 and 竣工图编制费, each a share of the basic fee
inline constexpr std::string_view overallDesign = "Check7";
inline constexpr std::string_view designCoordination = "Check8";
inline constexpr std::string_view constructionBudget = "Check10";
inline constexpr std::string_view asBuiltDrawings = "Check11";
// 其他设计收费 with a typed amount, each followed by its amount box
inline constexpr std::string_view ownPatents = "Check13";
inline constexpr std::string_view ownPatentsAmount = "Text10";
inline constexpr std::string_view foreignDesign = "Check14";
inline constexpr std::string_view foreignDesignAmount = "Text11";
inline constexpr std::string_view foreignReview = "Check15";
inline constexpr std::string_view foreignReviewAmount = "Text12";
inline constexpr std::string_view extraPrinting = "Check16";
inline constexpr std::string_view extraPrintingAmount = "Text13";
inline constexpr std::string_view standardDrawings = "Check17";
inline constexpr std::string_view standardDrawingsAmount = "Text14";
// 非标准设备设计费, its equipment amount and its rate
inline constexpr std::string_view nonstandardEquipment = "Check3";
inline constexpr std::string_view nonstandardEquipmentBase = "Text7";
inline constexpr std::string_view nonstandardEquipmentRate = "Text9";
// 采用标准设计和复用设计, and its two refinements
inline constexpr std::string_view standardDesignReuse = "Check18";
// 重新进行基础设计
inline constexpr std::string_view foundationRedesign = "Check19";
// 对原设计进行局部调整, with its rate
inline constexpr std::string_view partialChange = "Check21";
inline constexpr std::string_view partialChangeRate = "Text3";

// The design phase.
// 单独委托设计, and the three phases it offers
inline constexpr std::string_view independentPhase = "Check4";
// 初步设计
inline constexpr std::string_view preliminaryPhase = "Option1";
// 施工图设计
inline constexpr std::string_view drawingPhase = "Option2";
// 方案设计
inline constexpr std::string_view schemePhase = "Option3";
// The phase line under the results: its name, unit and share
inline constexpr std::string_view phaseLineName = "Label28";
inline constexpr std::string_view phaseLineUnit = "Label27";
inline constexpr std::string_view phaseLineShare = "Text18";

// The other design fees' boxes together, as the rules of 其他设计收费 take them.
inline constexpr OtherFeeBoxes otherFees{overallDesign,
                                         designCoordination,
                                         constructionBudget,
                                         asBuiltDrawings,
                                         ownPatents,
                                         ownPatentsAmount,
                                         foreignDesign,
                                         foreignDesignAmount,
                                         foreignReview,
                                         foreignReviewAmount,
                                         extraPrinting,
                                         extraPrintingAmount,
                                         standardDrawings,
                                         standardDrawingsAmount,
                                         nonstandardEquipment,
                                         nonstandardEquipmentBase,
                                         nonstandardEquipmentRate,
                                         standardDesignReuse,
                                         foundationRedesign,
                                         partialChange,
                                         partialChangeRate};

// The results of 计算: 基本设计收费, 其他设计收费 and 设计收费基准价, in 万元.
inline constexpr std::string_view basicFee = "Text15";
inline constexpr std::string_view otherFee = "Text16";
inline constexpr std::string_view benchmarkFee = "Text17";

// The buttons.
inline constexpr std::string_view calculate = "Command1";  // 计算
inline constexpr std::string_view showReport = "Command2"; // 计算书
inline constexpr std::string_view planningFee = "Command3"; // 建筑总平面布置及小区规划设计收费计算

// The menu items.
inline constexpr std::string_view newProject = "newproject";       // 文件 → 新建项目
inline constexpr std::string_view openProject = "openproject";     // 打开项目…
inline constexpr std::string_view saveProject = "saveproject";     // 保存项目
inline constexpr std::string_view saveProjectAs = "saveprojectas"; // 项目另存为…
inline constexpr std::string_view noRecentProject = "norecent";    // 最近的项目, while there are none
inline constexpr std::size_t recentProjects = 8;                   // 最近的项目: recent1 … recent8
inline std::string recentProject(std::size_t index) {
    return "recent" + std::to_string(index + 1);
}
inline constexpr std::string_view exit = "exit";                     // 退出
inline constexpr std::string_view newItem = "newitem";               // 项目 → 新单项
inline constexpr std::string_view addItem = "additem";               // 加入项目…
inline constexpr std::string_view updateItem = "updateitem";         // 更新单项
inline constexpr std::string_view projectWindow = "projectwindow";   // 项目窗口
inline constexpr std::string_view industryWindow = "industrywindow"; // 其他行业计算…
inline constexpr std::string_view help = "help";                     // 帮助: the standard's text
inline constexpr std::string_view guide = "guide";                   // 使用说明: Varnel's own guide
inline constexpr std::string_view aboutProgram = "soft";             // 关于 → 本软件
inline constexpr std::string_view aboutAuthor = "writer";            // 关于 → 作者

} // namespace varnel::windows::mainwindow
