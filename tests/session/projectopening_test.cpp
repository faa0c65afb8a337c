// Opening a project tells from the rules' data whether a window holds each item. Every combination of
// type, grade, conditions and phase, and of the other services, is entered into a real main window as a
// user would enter it, and the window's answer compared with the data's; the same for the 全行业设计收费
// window's kinds, grades, conditions and share rows.
#include "session/projectopening.h"

#include "engine/feetables.h"
#include "engine/industry.h"
#include "forms/form.h"
#include "projects/quote.h"
#include "rules/rules.h"
#include "session/industrywindowcommands.h"
#include "session/mainwindowfill.h"
#include "windows/windows.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

using namespace varnel;

namespace {

using engine::Condition;
using engine::DesignPhase;
using engine::Service;

template <typename E, std::size_t size>
std::string bits(const engine::EnumSet<E, size>& set) {
    std::string s;
    for (std::size_t i = 0; i < size; ++i)
        s += set.contains(static_cast<E>(i)) ? '1' : '0';
    return s;
}

std::string described(const engine::Project& p) {
    std::ostringstream s;
    s << "type " << (p.type ? static_cast<int>(*p.type) : -1) << ", grade "
      << (p.grade ? static_cast<int>(*p.grade) : -1) << ", conditions " << bits(p.conditions) << ", services "
      << bits(p.services) << ", phase " << p.independentPhase << "/"
      << (p.phase ? static_cast<int>(*p.phase) : -1);
    return s.str();
}

std::string described(const engine::industry::KindProject& p) {
    std::ostringstream s;
    s << "kind " << (p.kind ? static_cast<int>(*p.kind) : -1) << ", grade "
      << (p.grade ? static_cast<int>(*p.grade) : -1) << ", conditions " << bits(p.conditions) << ", services "
      << bits(p.services) << ", commission "
      << (p.commission ? std::to_string(p.commission->shareRow) + "/" +
                             std::to_string(static_cast<int>(p.commission->phase))
                       : "none");
    return s.str();
}

void fillEntries(std::array<std::string, engine::entryCount>& entries, bool typed) {
    for (std::size_t i = 0; i < engine::entryCount; ++i)
        entries[i] = typed ? "1." + std::to_string(i + 1) : "";
}

class HeldByMainWindow : public ::testing::Test {
  protected:
    HeldByMainWindow() { rules::installMainWindowRules(window); }

    // Compares the data's answer with the window's for the inputs as a file's reading gives them.
    void compare(const engine::Project& entered) {
        const engine::Project inputs = projects::canonicalInputs(entered);
        const bool held = !session::fillMainWindow(window, inputs);
        ASSERT_EQ(session::mainWindowHolds(inputs), held) << described(inputs);
        ++(held ? heldCount : refusedCount);
    }

    forms::Form window{windows::mainWindowDefinition()};
    int heldCount = 0, refusedCount = 0;
};

TEST_F(HeldByMainWindow, HoldsEveryTypeGradeConditionsAndPhaseTheRulesOffer) {
    std::vector<std::optional<engine::EngineeringType>> types{std::nullopt};
    types.insert(types.end(), engine::engineeringTypes.begin(), engine::engineeringTypes.end());
    for (const std::optional<engine::EngineeringType> type : types) {
        std::vector<Condition> read; // the conditions a project of the type keeps
        for (std::size_t i = 0; type && i < engine::conditionCount; ++i)
            if (engine::readsCondition(*type, static_cast<Condition>(i)))
                read.push_back(static_cast<Condition>(i));
        for (const std::optional<engine::Grade> grade :
             {std::optional<engine::Grade>(), std::optional(engine::Grade::I),
              std::optional(engine::Grade::II), std::optional(engine::Grade::III)})
            for (unsigned subset = 0; subset < (1u << read.size()); ++subset)
                for (int phase = -2; phase < static_cast<int>(engine::designPhaseCount); ++phase) {
                    engine::Project p;
                    p.amount = subset % 2 ? "120" : "";
                    p.type = type;
                    p.grade = grade;
                    for (std::size_t i = 0; i < read.size(); ++i)
                        p.conditions.set(read[i], (subset >> i) & 1u);
                    fillEntries(p.entries, subset % 3 != 0);
                    p.independentPhase = phase >= -1; // -1: commissioned without a phase
                    if (phase >= 0)
                        p.phase = static_cast<DesignPhase>(phase);
                    ASSERT_NO_FATAL_FAILURE(compare(p));
                }
    }
    EXPECT_GT(heldCount, 500);
    EXPECT_GT(refusedCount, 1000);
}

TEST_F(HeldByMainWindow, HoldsEveryCombinationOfOtherServicesTheRulesOffer) {
    engine::Project road;
    road.amount = "800";
    road.type = engine::EngineeringType::Road;
    road.grade = engine::Grade::III;
    road.conditions = {Condition::Renovation, Condition::Expressway};
    road.independentPhase = true;
    road.phase = DesignPhase::Drawing;
    engine::Project building;
    building.type = engine::EngineeringType::Building;
    building.grade = engine::Grade::II;
    building.conditions = {Condition::HistoricBuilding};
    for (unsigned subset = 0; subset < (1u << engine::serviceCount); ++subset)
        for (engine::Project p : {road, building}) {
            for (std::size_t i = 0; i < engine::serviceCount; ++i)
                p.services.set(static_cast<Service>(i), (subset >> i) & 1u);
            fillEntries(p.entries, subset % 2 == 0);
            ASSERT_NO_FATAL_FAILURE(compare(p));
        }
    EXPECT_GT(heldCount, 1000);
    EXPECT_GT(refusedCount, 1000);
}

TEST(MainWindowHolds, VouchesOnlyForInputsAsAFileGivesThem) {
    engine::Project road;
    road.type = engine::EngineeringType::Road;
    road.grade = engine::Grade::I;
    EXPECT_TRUE(session::mainWindowHolds(road));
    road.conditions.insert(Condition::Housing); // a building's condition, which a road does not keep
    EXPECT_FALSE(session::mainWindowHolds(road));
}

class HeldByIndustryWindow : public ::testing::Test {
  protected:
    HeldByIndustryWindow() { commands.bind(window); }

    void compare(const engine::industry::KindProject& entered) {
        const engine::industry::KindProject inputs = projects::canonicalInputs(entered);
        const bool held = !commands.fill(window, inputs);
        ASSERT_EQ(session::industryWindowHolds(inputs), held) << described(inputs);
        ++(held ? heldCount : refusedCount);
    }

    forms::Form window{windows::industryWindowDefinition()};
    session::IndustryCommands commands;
    int heldCount = 0, refusedCount = 0;
};

TEST_F(HeldByIndustryWindow, HoldsEveryKindGradeConditionsAndShareRowTheTablesOffer) {
    namespace industry = engine::industry;
    for (const industry::KindRow& kind : industry::kinds)
        for (const std::optional<engine::Grade> grade :
             {std::optional<engine::Grade>(), std::optional(engine::Grade::I),
              std::optional(engine::Grade::II), std::optional(engine::Grade::III)}) {
            const std::vector<const industry::ConditionRow*> offered =
                industry::offeredConditions(kind.kind, grade);
            for (unsigned subset = 0; subset < (1u << offered.size()); ++subset) {
                industry::KindProject p;
                p.amount = "300";
                p.kind = kind.kind;
                p.grade = grade;
                for (std::size_t i = 0; i < offered.size(); ++i)
                    p.conditions.set(offered[i]->condition, (subset >> i) & 1u);
                fillEntries(p.entries, subset % 2 == 0);
                ASSERT_NO_FATAL_FAILURE(compare(p));
            }
            for (std::size_t row = 0; row < industry::shareRows.size(); ++row)
                for (std::size_t phase = 0; phase < engine::designPhaseCount; ++phase) {
                    industry::KindProject p;
                    p.kind = kind.kind;
                    p.grade = grade;
                    p.commission = industry::Commission{row, static_cast<engine::DesignPhase>(phase)};
                    ASSERT_NO_FATAL_FAILURE(compare(p));
                }
        }
    EXPECT_GT(heldCount, 1000);
    EXPECT_GT(refusedCount, 10);
}

TEST_F(HeldByIndustryWindow, HoldsEveryCombinationOfOtherServicesTheRulesOffer) {
    namespace industry = engine::industry;
    industry::KindProject p;
    p.amount = "300";
    p.kind = industry::kinds.front().kind;
    p.grade = engine::Grade::II;
    for (unsigned subset = 0; subset < (1u << engine::serviceCount); ++subset) {
        for (std::size_t i = 0; i < engine::serviceCount; ++i)
            p.services.set(static_cast<Service>(i), (subset >> i) & 1u);
        fillEntries(p.entries, subset % 2 == 0);
        ASSERT_NO_FATAL_FAILURE(compare(p));
    }
    EXPECT_GT(heldCount, 1000);
    EXPECT_GT(refusedCount, 1000);
}

} // namespace
