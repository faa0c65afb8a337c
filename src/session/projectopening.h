#pragma once

#include "engine/industrycalculation.h"
#include "engine/project.h"
#include "forms/desktop.h"
#include "projects/files.h"
#include "projects/projectfile.h"

#include <cstddef>
#include <string>
#include <variant>

namespace varnel::session {

// An item of a project file that the window it opens into could not hold: its inputs are no combination
// that window can be set to. `index` counts from 0; `industry` tells a work of a kind of engineering of
// 附表二 (the 全行业设计收费 window) from an item of the main window; `conflict` names the conditions that
// cannot be chosen together, or for the item's type and grade, where the main window can tell (else empty).
struct ItemNotHeld {
    std::size_t index = 0;
    bool industry = false;
    std::string conflict;
};

// Whether the main window, entered from its first state as a user enters it (fillMainWindow), holds exactly
// these inputs, told from its rules without a window: each condition's box is offered for the type and
// grade, no two exclude each other, at most one kind of building work, a phase of its own that 单独委托设计
// offers, and the refinements of 采用标准设计和复用设计 only with it and not together. For inputs as a
// project file's reading gives them (projects::canonicalInputs); other inputs are not vouched for (false).
bool mainWindowHolds(const engine::Project& inputs);

// The same for the 全行业设计收费 window (IndustryCommands::fill): the conditions ticked are offered in its
// boxes and exclude none of each other, and the share row commissioned is the one its name chooses.
bool industryWindowHolds(const engine::industry::KindProject& inputs);

// A project file's contents as the program opens them: read (or why not), too large, not a project, or a
// project with an item its window could not hold (every item can be opened there). Each program words the
// last for its users: the windows speak of the window, the command line of the file's inputs.
std::variant<projects::OpenedQuote, projects::FileProblem, ItemNotHeld>
readProjectContents(const forms::FileContents& contents);

// The same, an item its window could not hold told in the windows' words.
std::variant<projects::OpenedQuote, projects::FileProblem>
openProjectContents(const forms::FileContents& contents);

// A file as the program reads it, with why it could not be read told in one sentence.
forms::FileContents fileContents(projects::FileRead read);

} // namespace varnel::session
