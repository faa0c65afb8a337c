#include "session/projectopening.h"

#include "forms/form.h"
#include "projects/quote.h"
#include "rules/rules.h"
#include "session/industrywindowcommands.h"
#include "session/mainwindowfill.h"
#include "windows/industrywindow.h"
#include "windows/windows.h"

#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace varnel::session {

namespace {

using engine::Condition;
using engine::DesignPhase;
using engine::EngineeringType;
using engine::Grade;
using engine::Service;

// Where the main window offers a condition's box: in the group of one type (none: every type's group has
// a box of its own), while a grade is chosen (none: whatever the grade), and whether it is one of the
// kinds of building work, of which at most one can be ticked.
struct Offer {
    Condition condition;
    std::optional<EngineeringType> type;
    std::optional<Grade> grade;
    bool buildingKind;
};

constexpr auto offers = std::to_array<Offer>({
    {Condition::Renovation, {}, {}, false},
    {Condition::UrbanRoadUnderPipes, EngineeringType::Road, {}, false},
    {Condition::Expressway, EngineeringType::Road, Grade::III, false},
    {Condition::UrbanBridgeUnderPipes, EngineeringType::Bridge, {}, false},
    {Condition::HighwayBridgeGradeI, EngineeringType::Bridge, Grade::I, false},
    {Condition::HighwayBridgeGradeIII, EngineeringType::Bridge, Grade::III, false},
    {Condition::HistoricBuilding, EngineeringType::Building, {}, true},
    {Condition::IntelligentBuilding, EngineeringType::Building, {}, true},
    {Condition::CivilDefence, EngineeringType::Building, {}, true},
    {Condition::InteriorDecoration, EngineeringType::Building, {}, true},
    {Condition::AcousticDecoration, EngineeringType::Building, {}, true},
    {Condition::Housing, EngineeringType::Building, {}, true},
    {Condition::HousingCluster, EngineeringType::Building, {}, true},
    {Condition::BuildingWithOutdoor, EngineeringType::Building, {}, true},
});

// The conditions of which ticking one disables the other.
constexpr std::array<std::pair<Condition, Condition>, 4> exclusions{{
    {Condition::UrbanRoadUnderPipes, Condition::Expressway},
    {Condition::UrbanBridgeUnderPipes, Condition::HighwayBridgeGradeI},
    {Condition::UrbanBridgeUnderPipes, Condition::HighwayBridgeGradeIII},
    {Condition::HighwayBridgeGradeI, Condition::HighwayBridgeGradeIII},
}};

// The phases 单独委托设计 offers for the type, grade and building kind.
bool phaseOffered(const engine::Project& in, DesignPhase phase) {
    if (!engine::offeredByTypes(phase))
        return false;
    const bool building = in.type == EngineeringType::Building;
    if (in.type == EngineeringType::Landscape && (in.grade == Grade::I || in.grade == Grade::II))
        return phase != DesignPhase::Preliminary;
    if (in.type == EngineeringType::Road || in.type == EngineeringType::Bridge ||
        in.type == EngineeringType::Municipal)
        return phase != DesignPhase::Scheme;
    if (building && (in.has(Condition::InteriorDecoration) || in.has(Condition::Housing)))
        return phase != DesignPhase::Preliminary;
    if (building && in.has(Condition::IntelligentBuilding))
        return phase != DesignPhase::Scheme;
    return true;
}

// 重新进行基础设计 and 对原设计进行局部调整 refine 采用标准设计和复用设计 and exclude each other.
bool servicesOffered(const engine::EnumSet<Service, engine::serviceCount>& services) {
    const bool refined =
        services.contains(Service::FoundationRedesign) || services.contains(Service::PartialChange);
    if (refined && !services.contains(Service::StandardDesignReuse))
        return false;
    return !(services.contains(Service::FoundationRedesign) && services.contains(Service::PartialChange));
}

// A window and the rules that fill it, made when an item needs them.
struct MainWindow {
    forms::Form form{windows::mainWindowDefinition()};
    MainWindow() { rules::installMainWindowRules(form); }
};

struct IndustryWindow {
    forms::Form form{windows::industryWindowDefinition()};
    IndustryCommands commands;
    IndustryWindow() { commands.bind(form); }
};

} // namespace

bool mainWindowHolds(const engine::Project& in) {
    if (projects::canonicalInputs(in) != in)
        return false;
    int kinds = 0;
    for (const Offer& offer : offers) {
        if (!in.has(offer.condition))
            continue;
        if ((offer.type && offer.type != in.type) || (offer.grade && offer.grade != in.grade))
            return false;
        kinds += offer.buildingKind ? 1 : 0;
    }
    if (kinds > 1)
        return false;
    for (const auto& [one, other] : exclusions)
        if (in.has(one) && in.has(other))
            return false;
    if (in.independentPhase && in.phase && !phaseOffered(in, *in.phase))
        return false;
    return servicesOffered(in.services);
}

bool industryWindowHolds(const engine::industry::KindProject& in) {
    namespace industry = engine::industry;
    if (projects::canonicalInputs(in) != in)
        return false;
    if (in.kind) {
        const std::vector<const industry::ConditionRow*> offered =
            industry::offeredConditions(*in.kind, in.grade);
        for (std::size_t slot = 0; slot < offered.size(); ++slot) {
            if (!in.has(offered[slot]->condition))
                continue;
            if (slot >= windows::industrywindow::conditionSlots)
                return false;
            for (std::size_t earlier = 0; earlier < slot; ++earlier)
                if (in.has(offered[earlier]->condition) &&
                    industry::excludeEachOther(*offered[slot], *offered[earlier]))
                    return false;
        }
    }
    if (in.commission) {
        // The share row is chosen by its name: the first of the kind and grade so named.
        if (!in.kind)
            return false;
        for (std::size_t r : industry::shareRowsFor(*in.kind, in.grade))
            if (industry::shareRows[r].name == industry::shareRows[in.commission->shareRow].name) {
                if (r != in.commission->shareRow)
                    return false;
                break;
            }
    }
    return servicesOffered(in.services);
}

std::variant<projects::OpenedQuote, projects::FileProblem, ItemNotHeld>
readProjectContents(const forms::FileContents& contents) {
    if (!contents.error.empty())
        return projects::FileProblem{contents.error};
    if (contents.tooLarge)
        return *projects::sizeProblem(contents.size);
    std::variant<projects::OpenedQuote, projects::FileProblem> read =
        projects::readProjectFile(contents.bytes);
    if (auto* problem = std::get_if<projects::FileProblem>(&read))
        return std::move(*problem);
    projects::OpenedQuote& opened = std::get<projects::OpenedQuote>(read);
    // Each item must be one its window can hold, since it can be opened there. The rules' data tell at
    // once for the items a window holds; the others are entered into the window, which says what it
    // could not take.
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<IndustryWindow> industry;
    for (std::size_t i = 0; i < opened.quote.items.size(); ++i) {
        const projects::Item& item = opened.quote.items[i];
        if (const engine::Project* inputs = item.mainInputs(); inputs && !mainWindowHolds(*inputs)) {
            if (!main)
                main = std::make_unique<MainWindow>();
            if (fillMainWindow(main->form, *inputs))
                return ItemNotHeld{i, false, conditionsNotTaken(*inputs, main->form)};
        }
        if (const engine::industry::KindProject* inputs = item.industryInputs();
            inputs && !industryWindowHolds(*inputs)) {
            if (!industry)
                industry = std::make_unique<IndustryWindow>();
            if (industry->commands.fill(industry->form, *inputs))
                return ItemNotHeld{i, true, {}};
        }
    }
    return std::move(opened);
}

std::variant<projects::OpenedQuote, projects::FileProblem>
openProjectContents(const forms::FileContents& contents) {
    std::variant<projects::OpenedQuote, projects::FileProblem, ItemNotHeld> read =
        readProjectContents(contents);
    if (auto* opened = std::get_if<projects::OpenedQuote>(&read))
        return std::move(*opened);
    if (auto* problem = std::get_if<projects::FileProblem>(&read))
        return std::move(*problem);
    const ItemNotHeld& item = std::get<ItemNotHeld>(read);
    const std::string which = "第 " + std::to_string(item.index + 1) + " 个单项";
    if (item.industry)
        return projects::FileProblem{which + "的输入不是全行业设计收费窗口能够填出的组合"};
    return projects::FileProblem{
        which + (item.conflict.empty() ? "的输入不是主窗口能够填出的组合" : "：" + item.conflict)};
}

forms::FileContents fileContents(projects::FileRead read) {
    std::string error;
    if (read.failure)
        error = read.failure->what + (read.failure->remedy.empty() ? "" : "。请" + read.failure->remedy);
    return {std::move(read.bytes), read.size, std::move(error), read.tooLarge};
}

} // namespace varnel::session
