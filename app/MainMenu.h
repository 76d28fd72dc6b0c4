#pragma once
// The main menu as data: six top-level menus, every item in menu order with its command.

#include <vector>

namespace ferrolab {

struct MenuEntry {
    const char* text;
    int command; // 0 for a submenu
    std::vector<MenuEntry> children;
};

const std::vector<MenuEntry>& MainMenu();

} // namespace ferrolab
