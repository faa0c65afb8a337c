#pragma once

#include "forms/form.h"
#include "support/modeldesktop.h"
#include "windows/projectwindow.h"
#include "windows/windows.h"

#include <cstddef>

namespace varnel::bench {

// The benchmarks run the program on the tests' desktop without a toolkit (tests/support/modeldesktop.h):
// files in memory, every message kept (an opening that was refused says so there), every question taking
// its default button and every dialog cancelled.
using BenchDesktop = test::ModelDesktop;

// The rows the project window's table shows, none while that window is closed.
inline std::size_t projectRows(BenchDesktop& desktop) {
    forms::Form* w = desktop.openWindow(windows::project);
    return w ? w->rows(windows::projectwindow::items).size() : 0;
}

} // namespace varnel::bench
