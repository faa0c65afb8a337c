// The industry window: the amount, the kind of engineering and the grade, the chapter's additional
// adjustment conditions, the other design fees as in the main window, a phase commissioned on its own, the
// commands and the results.
#include "windows/definitionbuilder.h"
#include "windows/industrywindow.h"
#include "windows/windows.h"

namespace varnel::windows {

namespace p = industrywindow;
using detail::control;

namespace {

constexpr ControlKind F = ControlKind::Frame;
constexpr ControlKind L = ControlKind::Label;
constexpr ControlKind T = ControlKind::TextBox;
constexpr ControlKind C = ControlKind::CheckBox;
constexpr ControlKind B = ControlKind::CommandButton;

std::string s(std::string_view name) {
    return std::string(name);
}

ControlDef label(std::string name, std::string container, std::string caption, Rect geometry) {
    return control(L, std::move(name), std::move(container), std::move(caption), geometry, 0);
}

// The other design fees, laid out as the main window lays them out, with their captions and tooltips.
void addOtherFees(std::vector<ControlDef>& c) {
    using engine::Service;
    const OtherFeeBoxes& b = p::otherFees;
    const std::string frame = "otherFeesGroup";
    const auto box = [&](Service service, Rect geometry) {
        const engine::OtherFee& fee = engine::otherFee(service);
        return control(C, s(b.of(service)), frame, s(fee.name), geometry, 0).withTooltip(s(fee.tooltip));
    };
    // A typed number's box, disabled until its service is ticked.
    const auto typed = [&](const engine::TypedNumber& number, Rect geometry) {
        return control(T, s(*b.of(number.entry)), frame, "", geometry, 0)
            .startsDisabled()
            .announcedAs(announcedName(number));
    };
    c.push_back(control(F, frame, "", "其他设计收费", {6480, 0, 2895, 6615}, 0));
    c.push_back(box(Service::OverallDesign, {120, 240, 1455, 255}));
    c.push_back(box(Service::DesignCoordination, {120, 480, 1815, 255}));
    c.push_back(box(Service::ConstructionBudget, {120, 720, 2055, 255}));
    c.push_back(box(Service::AsBuiltDrawings, {120, 960, 1695, 255}));
    // The typed amounts, each under its box with its unit.
    int top = 1200;
    for (Service service : {Service::OwnPatents, Service::ForeignDesign, Service::ForeignReview,
                            Service::ExtraPrinting, Service::StandardDrawings}) {
        const engine::TypedNumber& amount = engine::otherFee(service).typed.all().front();
        c.push_back(box(service, {120, top, 2535, 255}));
        c.push_back(typed(amount, {120, top + 240, 1695, 270}));
        c.push_back(label(s(*b.of(amount.entry)) + "Unit", frame, "万元", {1920, top + 240, 615, 255}));
        top += 480;
    }
    // 非标准设备设计费: its equipment amount and its rate, each under a label of its own.
    const std::span<const engine::TypedNumber> equipment =
        engine::otherFee(Service::NonstandardEquipment).typed.all();
    c.push_back(box(Service::NonstandardEquipment, {120, 3675, 2055, 255}));
    c.push_back(label("nonstandardEquipmentBaseLabel", frame, s(equipment[0].name), {120, 3960, 1695, 255})
                    .withTooltip(s(equipment[0].tooltip)));
    c.push_back(typed(equipment[0], {120, 4200, 1695, 270}));
    c.push_back(label("nonstandardEquipmentBaseUnit", frame, "万元", {1920, 4200, 615, 255}));
    c.push_back(label("nonstandardEquipmentRateLabel", frame, s(equipment[1].name), {120, 4560, 1935, 255})
                    .withTooltip(s(equipment[1].tooltip)));
    c.push_back(typed(equipment[1], {120, 4800, 1695, 270}));
    c.push_back(box(Service::StandardDesignReuse, {120, 5160, 2655, 255}));
    c.push_back(box(Service::FoundationRedesign, {120, 5400, 2055, 255}).startsDisabled());
    c.push_back(box(Service::PartialChange, {120, 5640, 2415, 255}).startsDisabled());
    c.push_back(typed(engine::otherFee(Service::PartialChange).typed.all().front(), {120, 5880, 1695, 270}));
}

FormDef makeIndustryWindow() {
    FormDef def{s(industry), "全行业设计收费", 9480, 9360, Placement::SystemDefault, false, {}};
    std::vector<ControlDef>& c = def.controls;
    const std::string basics = "basicsGroup";
    c.push_back(control(F, basics, "", "基本设计收费", {0, 0, 6375, 6615}, 0));
    c.push_back(label("amountLabel", basics, "工程设计收费计费额", {120, 300, 1815, 255})
                    .withTooltip("为经过批准的建设项目初步设计概算中的建筑安装工程费、设备与工器具购置费和联"
                                 "合试运转费之和。"));
    c.push_back(control(T, s(p::amount), basics, "", {1935, 270, 1815, 300}, 0)
                    .announcedAs("工程设计收费计费额（万元）"));
    c.push_back(label("amountUnit", basics, "万元", {3855, 300, 615, 255}));
    c.push_back(label("kindLabel", basics, "工程种类", {120, 720, 1095, 255}));
    c.push_back(control(ControlKind::ComboBox, s(p::kind), basics, "", {1215, 690, 5040, 330}, 0)
                    .announcedAs("工程种类（附表二）")
                    .withTooltip("附表二的工程种类，按工程类别分组，后为专业调整系数"));
    c.push_back(label(s(p::professionalNote), basics, "", {1215, 1080, 5040, 255}));
    c.push_back(label("gradeLabel", basics, "复杂程度", {120, 1500, 1095, 255}));
    c.push_back(control(ControlKind::ComboBox, s(p::grade), basics, "", {1215, 1470, 2415, 330}, 0)
                    .announcedAs("工程复杂程度")
                    .withTooltip("工程复杂程度调整系数：Ⅰ级（一般）0.85，Ⅱ级（较复杂）1.0，Ⅲ级（复杂）1.15"));
    c.push_back(label(s(p::complexityNote), basics, "", {1215, 1860, 5040, 255}));
    const std::string adjustment = "adjustmentGroup";
    c.push_back(control(F, adjustment, basics, "工程附加调整", {120, 2280, 6135, 3135}, 0));
    for (std::size_t slot = 0; slot < p::conditionSlots; ++slot) {
        const int top = 300 + static_cast<int>(slot) * 420;
        c.push_back(control(C, p::condition(slot), adjustment, "", {120, top, 4575, 255}, 0).startsHidden());
        c.push_back(control(T, p::coefficient(slot), adjustment, "", {4800, top - 30, 1215, 300}, 0)
                        .startsHidden()
                        .announcedAs("附加调整系数"));
    }
    c.push_back(label(s(p::unaskedNote), adjustment, "", {120, 2820, 5895, 255}));
    c.push_back(
        label("notCovered", basics, "不包括铁路工程（其线路按每公里另表计费）；", {120, 5520, 6135, 255}));
    c.push_back(label("noPhaseShares", basics,
                      "农业工程、林业工程没有设计阶段收费比例，不能单独委托设计阶段。",
                      {120, 5790, 6135, 255}));
    addOtherFees(c);
    c.push_back(
        control(C, s(p::independentPhase), "", "单独委托设计", {120, 6720, 1695, 255}, 0).startsDisabled());
    c.push_back(label("shareRowLabel", "", "阶段划分", {1920, 6750, 975, 255}));
    c.push_back(control(ControlKind::ComboBox, s(p::shareRow), "", "", {2895, 6690, 3495, 330}, 0)
                    .startsDisabled()
                    .announcedAs("设计阶段划分（收费比例表的一行）"));
    c.push_back(label("phaseLabel", "", "设计阶段", {6495, 6750, 975, 255}));
    c.push_back(control(ControlKind::ComboBox, s(p::phase), "", "", {7470, 6690, 1905, 330}, 0)
                    .startsDisabled()
                    .announcedAs("单独委托的设计阶段"));
    c.push_back(control(B, s(p::calculate), "", "计算", {0, 7200, 2550, 375}, 0));
    c.push_back(control(B, s(p::report), "", "计算书", {2550, 7200, 2280, 375}, 0));
    c.push_back(control(B, s(p::addItem), "", "加入项目…", {4830, 7200, 1650, 375}, 0));
    c.push_back(control(B, s(p::updateItem), "", "更新单项", {6480, 7200, 1500, 375}, 0));
    c.push_back(control(B, s(p::newItem), "", "新单项", {7980, 7200, 1500, 375}, 0));
    c.push_back(label("basicFeeLabel", "", "基本设计收费  +", {120, 7740, 1575, 255}));
    c.push_back(control(T, s(p::basicFee), "", "", {120, 7980, 1575, 300}, 0)
                    .isReadOnly()
                    .announcedAs("基本设计收费（万元）"));
    c.push_back(label("otherFeeLabel", "", "其他设计收费 =", {1920, 7740, 1575, 255}));
    c.push_back(control(T, s(p::otherFee), "", "", {1920, 7980, 1575, 300}, 0)
                    .isReadOnly()
                    .announcedAs("其他设计收费（万元）"));
    c.push_back(label("benchmarkFeeLabel", "", "设计收费基准价", {3720, 7740, 1575, 255}));
    c.push_back(control(T, s(p::benchmarkFee), "", "", {3720, 7980, 1575, 300}, 0)
                    .isReadOnly()
                    .announcedAs("设计收费基准价（万元）"));
    c.push_back(label("benchmarkFeeUnit", "", "万元", {5400, 8010, 495, 255}));
    c.push_back(label(s(p::phaseName), "", "", {6120, 7740, 3255, 255}).startsHidden());
    c.push_back(control(T, s(p::phaseFee), "", "", {6120, 7980, 1575, 300}, 0)
                    .startsHidden()
                    .isReadOnly()
                    .announcedAs("单独委托设计阶段的设计收费（万元）"));
    c.push_back(label(s(p::phaseFeeUnit), "", "万元", {7800, 8010, 495, 255}).startsHidden());
    c.push_back(label("unitsNote", "", "金额单位：万元", {120, 8520, 3000, 255}));
    c.push_back(
        control(B, s(p::saveProject), "", "保存项目", {5640, 8460, 1695, 375}, 0).withShortcut("Ctrl+S"));
    c.push_back(control(B, s(p::saveProjectAs), "", "项目另存为…", {7335, 8460, 2145, 375}, 0));
    // The keys go from the amount down the left-hand side, through the other fees, to the commands.
    int tab = 0;
    for (ControlDef& control : c)
        control.tab = tab++;
    return def;
}

} // namespace

const FormDef& industryWindowDefinition() {
    static const FormDef def = makeIndustryWindow();
    return def;
}

} // namespace varnel::windows
