#pragma once

#include "forms/desktop.h"

namespace varnel::session {

// 关于 → 本软件: what the program follows and what it is for.
forms::Message aboutNote();
// 关于 → 作者: a short note about who wrote the program, before the author window.
forms::Message authorNote();

} // namespace varnel::session
