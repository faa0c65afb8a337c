#pragma once

// A work of a kind of engineering as a test enters it: the industry window's inputs, with the share row
// named as the window lists it.
#include "engine/industry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace varnel::test {

// By default 1000 万元 of 建筑、市政、电信工程, grade Ⅱ, nothing else.
struct EnteredWork {
    std::string amount = "1000";
    std::optional<engine::industry::Kind> kind = engine::industry::Kind::Building;
    std::optional<engine::Grade> grade = engine::Grade::II;
    std::vector<engine::industry::KindCondition> conditions;
    std::vector<engine::Service> services;
    std::vector<std::pair<engine::Entry, std::string>> entries;
    std::string shareRow; // a share row of the kind and grade by its name; empty: no phase commissioned
    engine::DesignPhase phase = engine::DesignPhase::Preliminary;

    engine::industry::KindProject project() const {
        namespace industry = engine::industry;
        industry::KindProject p;
        p.amount = amount;
        p.kind = kind;
        p.grade = grade;
        for (industry::KindCondition a : conditions)
            p.conditions.insert(a);
        for (engine::Service s : services)
            p.services.insert(s);
        for (const auto& [entry, text] : entries)
            p.text(entry) = text;
        if (!shareRow.empty()) {
            if (kind)
                for (std::size_t i : industry::shareRowsFor(*kind, grade))
                    if (industry::shareRows[i].name == shareRow)
                        p.commission = industry::Commission{i, phase};
            EXPECT_TRUE(p.commission.has_value()) << shareRow << " is no share row of the kind and grade";
        }
        return p;
    }
};

} // namespace varnel::test
