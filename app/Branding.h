#pragma once
// The program's name, version and the maker's web address, used by the title, the about box and
// the online-help message.

#include "engine/Notice.h"

namespace ferrolab {

inline constexpr const char* kWebAddress = "https://ferrolab.example.org";
inline constexpr const char* kProductTitle = "Ferrolab--钢结构设计工具箱 V2.1.1测试版";
inline constexpr const char* kAboutVersion = "Ferrolab V2.1.1";
inline constexpr const char* kHelpFileName = "FerrolabHelp.chm";
// Profile settings live under this key, the name the program has always used for them, and the
// program's name; the name is also what the desktop shows beside window titles.
inline constexpr const char* kProfileKey = "Local AppWizard-Generated Applications";
inline constexpr const char* kProfileApplication = kApplicationCaption;
// The document template string: window title, file names and type names of the empty document.
inline constexpr const char* kDocTemplate = "Trabek\n\nTrabe\n\n\nTrabek.Document\nTrabe Document";

} // namespace ferrolab
