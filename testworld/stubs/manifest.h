#pragma once
// A component's manifest: what its setup does on the computer, one action per
// line, fields separated by tabs. The setup stub performs the actions in
// order; the uninstaller stub undoes them in reverse order.
//
//   reg        HIVE  KEY  NAME  sz|expand|dword  VALUE   a registry value (NAME "" = default)
//   dir        PATH                                     a folder
//   file       PATH  TEXT                               a small text file
//   extract    ENTRY PATH                               a payload entry written as a file
//   uninstaller PATH                                    the uninstaller stub with this manifest
//   copy       SRC   DST                                CopyFile (keeps the modification time);
//                                                       skipped when SRC is missing
//   copytree   SRC   DST                                the same for a whole folder
//   msi        ENTRY PRODUCTCODE                        installs an embedded MSI in-process
//   if-ini     FILE  SECTION KEY DEFAULT  V1|V2|...     following actions up to end-if apply
//   end-if                                              only when the value is one of V1, V2...
//   exit       CODE                                     the setup's exit code (setup does nothing
//                                                       after it; uninstall ignores it)
//   linger     MS                                       the program stays MS milliseconds
//   uninstall-switch TEXT                               the setup acts as its own uninstaller when
//                                                       its command line contains TEXT
//   uninstall-dialogs confirm                           the uninstaller asks "Please confirm" and
//                                                       ends with "Uninstall Finished!"
//
// Fields may hold placeholders: %ENV% variables, [Self], [SelfDir],
// [SystemX86], [Documents], [ProgramFilesX86], [CommonDesktop],
// [CommonPrograms], and [HKLM\key|value] / [HKCU\key|value] registry reads
// (empty value name = the default value). Registry access uses this
// program's default view, the view the installer built alongside reads.

#include <string>
#include <vector>

#include "payload.h"

namespace stubs {

struct ManifestAction {
  std::string verb;
  std::vector<std::string> fields;  // raw, placeholders not yet expanded
};

class Manifest {
 public:
  bool parse(const std::string& text);

  // Runs the setup actions; returns the exit code for the process.
  int install(const Payload& payload) const;
  // Undoes the actions in reverse order; returns the exit code.
  int uninstall() const;

  // The value of the first `verb` line's first field ("" when absent).
  std::string option(const std::string& verb) const;

  static std::wstring expand(const std::string& field);

 private:
  // The actions whose if-ini conditions hold right now.
  std::vector<const ManifestAction*> activeActions() const;

  std::vector<ManifestAction> actions_;
};

}  // namespace stubs
