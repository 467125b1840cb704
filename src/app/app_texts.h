#pragma once

namespace app {
// The caption of the wizard window and the default caption of message boxes.
inline constexpr const char* kAppCaption = "Zephrion Vision Software XII 760 Installer";
}  // namespace app
