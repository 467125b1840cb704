#include "wizard/page_titles.h"

#include <array>
#include <utility>

#include "platform/ui/message_box.h"

namespace wizard {

namespace {

constexpr const char* kProductName = "Zephrion Vision Software XII 760";

// Exact comparison, first match wins.
constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kTitles = {{
    {"Resources", "Zephrion Vision Resources"},
    {"Recommended Extensions", "Recommended Zephrion Extensions"},
    {"Optional Extensions", "Optional Zephrion Extensions"},
    {"Image Processing Options", "Zephrion Image Processing Options"},
    {"Toolbox - Vivid Sight", "Zephrion 3D Toolbox - Vivid Sight"},
    {"ZTC - Tool Components", "ZTC - Zephrion Tool Components"},
    {"Demonstration Profiles", "Machine Vision Demonstration Profiles"},
    {"Tutorials", "Zephrion Vision Tutorials"},
    {"Modules", "Zephrion Modules"},
}};

}  // namespace

std::string pageTitle(std::string_view pageName) {
  return std::string(ui::kMessageBoxCaption).append(" - ").append(pageName);
}

std::string welcomePageTitle() {
  return std::string(ui::kMessageBoxCaption).append(" - Welcome to ").append(kProductName).append(" System Management");
}

std::string displayTitleOfKey(std::string_view key) {
  for (const auto& [candidate, title] : kTitles) {
    if (candidate == key) return std::string(title);
  }
  return std::string(key);
}

}  // namespace wizard
