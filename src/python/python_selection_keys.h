#pragma once
// The keys of the selections file: valid values in the order they are tested,
// and what a reader gets when nothing valid is stored.

#include <vector>

namespace python {

struct SelectionKey {
  const char* key;
  // Empty: any non-empty text is valid (the package sets).
  std::vector<const char*> validValues;
  const char* fallback;
};

extern const SelectionKey kVersionNameKey;
extern const SelectionKey kPy27OpenCVKey;
extern const SelectionKey kPy27CLRKey;
extern const SelectionKey kPy27VividSightKey;
extern const SelectionKey kPy36VividSightKey;
extern const SelectionKey kPy27PackageKey;
extern const SelectionKey kPy36PackageKey;

}  // namespace python
