#include "python/python_selection_keys.h"

namespace python {

const SelectionKey kVersionNameKey{
    "VersionName", {"Python 2.7.9", "Python 2.7.13", "Python 3.6.6"}, "Python 2.7.9"};

// The OpenCV 4.2.0.32 wheels come last: their post-install step stores these
// names, which must read back as valid.
const SelectionKey kPy27OpenCVKey{"Py27OpenCVExtension",
                                  {"OpenCV 2.4.9 (Python 27)", "OpenCV 3.0.0", "OpenCV 3.1.0", "OpenCV 3.2.0",
                                   "OpenCV 3.3.0", "OpenCV 3.3.1", "OpenCV 3.4.0", "None",
                                   "opencv_contrib_python-3.4.3.18-cp27-cp27m-win32",
                                   "opencv_contrib_python-4.1.0.25-cp27-cp27m-win32",
                                   "opencv_python-3.4.3.18-cp27-cp27m-win32", "opencv_python-4.1.0.25-cp27-cp27m-win32",
                                   "opencv_contrib_python-4.2.0.32-cp27-cp27m-win32",
                                   "opencv_python-4.2.0.32-cp27-cp27m-win32"},
                                  "None"};

const SelectionKey kPy27CLRKey{"Py27CLRExtension",
                               {"pythonnet-2.3.0-cp27-cp27m-win32", "Python 2.7 CLR 2.0", "Python 2.7 CLR 4.0"},
                               "Python 2.7 CLR 4.0"};

const SelectionKey kPy27VividSightKey{"Py27VividSightToolboxExtension",
                                      {"None", "Vivid Sight 1.0.0.333", "Vivid Sight 1.0.0.355",
                                       "Vivid Sight 1.0.0.383", "Vivid Sight 1.0.0.550", "Vivid Sight 1.0.0.612",
                                       "Vivid Sight 1.0.0.719", "Vivid Sight 1.0.0.758", "Vivid Sight 1.0.0.819",
                                       "Vivid Sight 1.0.0.1114"},
                                      "None"};

const SelectionKey kPy36VividSightKey{
    "Py36VividSightToolboxExtension",
    {"None", "Vivid Sight 1.0.0.819(02) (Python 36)", "Vivid Sight 1.0.0.1114 (Python 36)"},
    "None"};

const SelectionKey kPy27PackageKey{"Py27ExtensionPackage", {}, "Default"};
const SelectionKey kPy36PackageKey{"Py36ExtensionPackage", {}, "Default"};

}  // namespace python
