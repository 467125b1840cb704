#include "wizard/frame_page.h"

namespace wizard {

FramePage::FramePage(WizardServices& services, int templateId, std::string pageTitle, std::string headerText,
                     DWORD wizardButtons, const char* cancelText)
    : zpDPropertyPageBase(services, templateId, std::move(pageTitle), std::move(headerText)),
      wizardButtons_(wizardButtons),
      cancelText_(cancelText) {}

bool FramePage::onSetActive() { return activatePage(wizardButtons_, cancelText_); }

}  // namespace wizard
