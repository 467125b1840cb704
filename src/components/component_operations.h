#pragma once
// The operations every component has, each choosing its behaviour by the
// row's name: detect and verify (what is on the computer), the install recipe
// and post-install actions (what follows a download), the repair step and the
// uninstall recipe (what removes it).
//
// The installation manager reaches them only through this interface: the
// real implementation keeps one table per operation keyed by component name,
// and tests script the outcomes per row. None of them shows the manager's
// messages or writes a progress text; detection never changes the computer.

#include "components/component_row.h"

namespace components {

class ComponentOperations {
 public:
  virtual ~ComponentOperations() = default;

  // True when the component is present at all. Names without a detection are
  // never present.
  virtual bool detectComponent(const ComponentRow& row) = 0;

  // Called only after detectComponent returned true. Writes "Installed" or
  // an error status into the row's status cell; true only for "Installed".
  virtual bool verifyComponent(ComponentRow& row) = 0;

  // Runs after the row's download session: the whole installation for rows
  // installed by a recipe, a finishing step for a few others, nothing (true)
  // for the rest. `stopOnPackageErrors` makes pip run visibly and report.
  virtual bool runInstallRecipe(ComponentRow& row, bool stopOnPackageErrors) = 0;

  // Brings the runtime's Python folder, PATH and selections in step with what
  // was just installed. false: the caller warns and carries on.
  virtual bool runPostInstallActions(ComponentRow& row) = 0;

  // Removes a faulty installation so that the install that follows starts
  // clean. 1 when the row needed no repair (its status is no error status) or
  // the removal succeeded, -1 when the removal failed.
  virtual int runRepairStep(ComponentRow& row, bool stopOnPackageErrors) = 0;

  // Removes the component; run by the uninstall session's worker thread.
  // True when the removal succeeded.
  virtual bool runUninstallRecipe(const ComponentRow& row, bool stopOnPackageErrors) = 0;
};

}  // namespace components
