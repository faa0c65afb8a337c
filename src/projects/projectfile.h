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
// in the standard's terms; no result is stored, opening recalculates every item.
inline constexpr std::string_view fileFormat = "varnel-project";
inline constexpr int fileVersion = 1;
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
};

// Whether a file of this size may be read at all.
std::optional<FileProblem> sizeProblem(std::uintmax_t bytes);

// Reads a project file's bytes: the format, the version, every field and its type, the names of types,
// grades, conditions, services and phases, and every item's calculation (an item whose calculation
// stops, such as an amount that does not read, makes the file unusable).
std::variant<OpenedQuote, FileProblem> readProjectFile(std::string_view bytes);

// The message that refuses a file: it names the file and what is wrong with it.
std::string openFailureMessage(std::string_view fileName, const FileProblem& problem);

} // namespace varnel::projects
