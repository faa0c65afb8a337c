// The additional-adjustment boxes of the five groups: entry boxes, exclusive conditions, building kinds.
#include "rules/rules.h"

#include "forms/form.h"

#include <array>
#include <string_view>

namespace varnel::rules {

namespace {

// 改扩建和技术改造建设项目 in each group, with the box its coefficient is typed into.
constexpr std::array<std::pair<std::string_view, std::string_view>, 5> rebuildBoxes{{
    {"Check1", "Text2"},
    {"Check20", "Text8"},
    {"Check22", "Text19"},
    {"Check27", "Text21"},
    {"Check31", "Text22"},
}};

void showEntryBox(forms::Form& w, std::string_view entry, bool ticked) {
    if (ticked) {
        w.setVisible(entry, true);
    } else {
        w.setVisible(entry, false);
        w.setText(entry, "");
    }
}

void flipEnabled(forms::Form& w, std::string_view box) {
    w.setEnabled(box, !w.enabled(box));
}

// Road group: 城市道路通过地下管网密集区 and 高速公路、一级公路 exclude each other.
void excludePartner(forms::Form& w, std::string_view self, std::string_view partner) {
    if (w.ticked(self)) {
        w.setEnabled(partner, false);
        w.untick(partner);
    } else {
        w.setEnabled(partner, true);
    }
}

// 城市桥梁 in a dense pipe network and 公路桥梁 of grade Ⅰ or Ⅲ exclude each other. Both highway boxes are
// unticked before either is disabled: unticking one runs its toggle, which would enable the other again.
void check2Click(forms::Form& w) {
    if (w.ticked("Check2")) {
        w.untick("Check5");
        w.untick("Check6");
        w.setEnabled("Check5", false);
        w.setEnabled("Check6", false);
    } else {
        w.setEnabled("Check5", true);
        w.setEnabled("Check6", true);
    }
}

// The eight kinds of building work (建筑、人防工程): at most one is ticked, and while one is, the others
// are disabled. Only one can be ticked when another is clicked, so the order they are unticked in makes no
// difference.
namespace kind {
constexpr std::string_view intelligent = "Check23";    // 智能建筑弱电系统工程
constexpr std::string_view interior = "Check24";       // 室内装修工程
constexpr std::string_view historic = "Check25";       // 古建筑、仿古建筑、保护性建筑
constexpr std::string_view acoustic = "Check26";       // 特殊声学装修工程
constexpr std::string_view civilDefence = "Check28";   // 人防工程
constexpr std::string_view withOutdoor = "Check29";    // 建筑与室外工程
constexpr std::string_view housing = "Check30";        // 住宅工程
constexpr std::string_view housingCluster = "Check32"; // 住宅工程(组团)
} // namespace kind

constexpr std::array<std::string_view, 8> everyKind{kind::intelligent, kind::interior,      kind::historic,
                                                    kind::acoustic,    kind::civilDefence,  kind::withOutdoor,
                                                    kind::housing,     kind::housingCluster};

// What a kind does besides excluding the others: before they change, and after.
struct BuildingKind {
    std::string_view box;
    void (*before)(forms::Form&, bool ticked);
    void (*after)(forms::Form&);
};

void ancientBefore(forms::Form& w, bool ticked) {
    showEntryBox(w, "Text20", ticked);
}

void civilDefenceBefore(forms::Form& w, bool ticked) {
    if (ticked) {
        w.setEnabled("Check25", false);
        w.setText("Text20", "");
        w.setVisible("Text20", false);
    } else {
        w.setEnabled("Check25", true);
        w.setVisible("Text20", false);
    }
}

// 智能建筑弱电系统工程 has no 方案设计 phase.
void intelligentAfter(forms::Form& w) {
    w.setEnabled("Option3", false);
    w.deselect("Option3");
}

// 室内装修工程 has 方案设计 but no 初步设计.
void interiorAfter(forms::Form& w) {
    if (w.ticked("Check4")) {
        w.setEnabled("Option3", true);
        w.setEnabled("Option1", false);
        w.deselect("Option1");
    }
}

void civilDefenceAfter(forms::Form& w) {
    if (w.ticked("Check4")) {
        w.setEnabled("Option1", true);
        w.setEnabled("Option2", true);
        w.setEnabled("Option3", true);
    }
}

// 住宅工程 has no 初步设计 phase.
void housingAfter(forms::Form& w) {
    w.setEnabled("Option1", false);
    w.deselect("Option1");
}

const BuildingKind buildingKinds[] = {
    {kind::intelligent, nullptr, intelligentAfter},
    {kind::interior, nullptr, interiorAfter},
    {kind::historic, ancientBefore, nullptr},
    {kind::acoustic, nullptr, nullptr},
    {kind::civilDefence, civilDefenceBefore, civilDefenceAfter},
    {kind::withOutdoor, nullptr, nullptr},
    {kind::housing, nullptr, housingAfter},
    {kind::housingCluster, nullptr, nullptr},
};

void buildingKindClick(forms::Form& w, const BuildingKind& kind) {
    const bool ticked = w.ticked(kind.box);
    if (kind.before)
        kind.before(w, ticked);
    for (std::string_view other : everyKind) {
        if (other == kind.box)
            continue;
        if (ticked) {
            w.untick(other);
            w.setEnabled(other, false);
        } else {
            w.setEnabled(other, true);
        }
    }
    if (kind.after)
        kind.after(w);
}

} // namespace

void installAdjustmentRules(forms::Form& w) {
    for (const auto& [box, entry] : rebuildBoxes)
        w.onClick(box, [&w, box = box, entry = entry] { showEntryBox(w, entry, w.ticked(box)); });

    w.onClick("Check12", [&w] { excludePartner(w, "Check12", "Check9"); });
    w.onClick("Check9", [&w] { excludePartner(w, "Check9", "Check12"); });

    w.onClick("Check2", [&w] { check2Click(w); });
    // 公路桥梁、隧道工程Ⅰ级 and Ⅲ级 flip each other's enabled state on every change of value.
    w.onClick("Check5", [&w] { flipEnabled(w, "Check6"); });
    w.onClick("Check6", [&w] { flipEnabled(w, "Check5"); });

    for (const BuildingKind& kind : buildingKinds)
        w.onClick(kind.box, [&w, &kind] { buildingKindClick(w, kind); });
}

} // namespace varnel::rules
