#pragma once
// The main menu as data: seven top-level menus, every item in menu order with its command. The
// file menu also lists the recent calculation files, which the main window adds as they come.

#include <vector>

namespace ferrolab {

struct MenuEntry {
    const char* text;
    int command; // 0 for a submenu
    std::vector<MenuEntry> children;
};

const std::vector<MenuEntry>& MainMenu();

} // namespace ferrolab
