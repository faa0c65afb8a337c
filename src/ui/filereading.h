#pragma once

#include "forms/desktop.h"

#include <QString>

#include <cstdint>

namespace varnel::ui {

// A file's bytes as the program reads a project file: whether it exists and may be read, and nothing of a
// file larger than the limit but its size.
forms::FileContents readFileUpTo(const QString& path, std::uintmax_t limit);

} // namespace varnel::ui
