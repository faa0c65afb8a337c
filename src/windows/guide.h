#pragma once

#include <string_view>

// The guide (使用说明): one page, in parts that begin at anchors. F1 in a window opens the guide at the
// part on that window; 使用说明 on the menu bar opens it at its contents.
namespace varnel::windows::guide {

// Where the guide's page is found at run time.
inline constexpr std::string_view page = "qrc:/varnel/guide/guide.html";
// The anchor of the guide's contents, at its top.
inline constexpr std::string_view contents = "contents";

// The anchor of the part on the window of that name; the contents for a name that is none of the
// program's windows.
std::string_view partOf(std::string_view window);

} // namespace varnel::windows::guide
