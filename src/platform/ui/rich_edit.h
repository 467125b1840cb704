#pragma once
// Rich edit 2.0 control ("RichEdit20A"; load it first with loadRichEdit2):
// shows an RTF file streamed from disk (release notes, help files).

#include <windows.h>

#include <string>

#include "platform/ui/control.h"

namespace ui {

class RichEdit : public Control {
 public:
  using Control::Control;

  // The window class of rich edit 2.0 for dialog templates.
  static constexpr const char* kClassName = "RichEdit20A";

  // Replaces the content with the RTF file at `path` (EM_STREAMIN, SF_RTF;
  // the file is read in the chunks the control asks for). False when the
  // file cannot be opened or the control reports an error.
  bool streamInRtfFile(const std::string& path) const;
};

}  // namespace ui
