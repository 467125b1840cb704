#pragma once
#include <windows.h>

namespace app {
// Shows the wizard with its single placeholder page and returns the property
// sheet's result (0 when the user cancels). Stands in until the real sheet
// and its page sequence exist.
INT_PTR runPlaceholderWizard(HINSTANCE instance);
}  // namespace app
