#pragma once
// The titles of the wizard's pages: the window caption shows the active
// page's title, "<sheet caption> - <page name>".

#include <string>
#include <string_view>

namespace wizard {

// "Zephrion Vision Software XII 760 Installer - <pageName>".
std::string pageTitle(std::string_view pageName);
// "Zephrion Vision Software XII 760 Installer - Welcome to Zephrion Vision
// Software XII 760 System Management".
std::string welcomePageTitle();

// The display title of a page key: the page's own name for the keys that
// differ from it, the key itself for every other key.
std::string displayTitleOfKey(std::string_view key);

}  // namespace wizard
