#pragma once

#include "forms/desktop.h"
#include "projects/files.h"
#include "projects/projectfile.h"

#include <variant>

namespace varnel::session {

// A project file's contents as the program opens them: read (or why not), too large, not a project, or a
// project with an item the main window could not hold (every item can be opened there). The window and
// the command-line tool refuse a file with the same words.
std::variant<projects::OpenedQuote, projects::FileProblem>
openProjectContents(const forms::FileContents& contents);

// A file as the program reads it, with why it could not be read told in one sentence.
forms::FileContents fileContents(projects::FileRead read);

} // namespace varnel::session
