#pragma once

#include "projects/figures.h"
#include "projects/quote.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace varnel::projects {

// The project file (.varnel): UTF-8 JSON, versioned. It holds the project's fields and each item's inputs
// in the standard's terms; no result is stored, opening recalculates every item. A file whose items are
// all the main window's is written as version 1, exactly as before items of the kinds of engineering of
// 附表二 existed; a file holding such an item as version 2. Both are read.
inline constexpr std::string_view fileFormat = "varnel-project";
inline constexpr int mainItemsFileVersion = 1;
inline constexpr int industryFileVersion = 2;
inline constexpr int fileVersion = industryFileVersion; // the newest this program reads
inline constexpr std::string_view fileExtension = ".varnel";
// Bounds no real project comes near; a file beyond them is refused before it is read.
inline constexpr std::size_t maxFileBytes = 16 * 1024 * 1024;
inline constexpr std::size_t maxItems = 9999;

std::string writeProjectFile(const Quote& quote);

// Why a file is not a project this program can open, in a sentence for the user.
struct FileProblem {
    std::string what;
};

// A project as a file holds it, with the figures of its items recalculated.
struct OpenedQuote {
    Quote quote;
    std::vector<ItemFigures> figures; // by item
    // Typed numbers an earlier version read otherwise (it read only a number's beginning): each names the
    // item, the text and both readings, so that no item is re-priced without the user knowing.
    std::vector<std::string> notes;
};

// Whether a file of this size may be read at all.
std::optional<FileProblem> sizeProblem(std::uintmax_t bytes);
// Whether a project written as this many bytes could be read again: a project beyond that is not written,
// since the file would be refused on opening.
std::optional<FileProblem> writtenSizeProblem(std::size_t bytes);

// Reads a project file's bytes: the format, the version, every field and its type, the names of types,
// kinds of engineering, grades, conditions, services, share rows and phases, and every item's calculation
// (an item whose calculation stops, such as an amount that does not read, makes the file unusable).
std::variant<OpenedQuote, FileProblem> readProjectFile(std::string_view bytes);

// The message that tells, after opening a file, which typed numbers are read otherwise than an earlier
// version read them: the user checks those items' fees.
std::string readingNote(std::string_view fileName, const std::vector<std::string>& notes);

// The message that refuses a file: it names the file and what is wrong with it, in words that fit the
// window and the command line alike.
std::string openFailureMessage(std::string_view fileName, const FileProblem& problem);

} // namespace varnel::projects
