// Catalog tables: Python packages: the recommended and optional extensions for Python 2.7 and 3.6.
// Install arguments are kept exactly as the setup programs expect them,
// blanks included.

#include "components/catalog_tables.h"
#include "components/component_names.h"
#include "components/install_data_folders.h"

namespace components::catalog_tables {

namespace subfolder = install_data::subfolder;
using namespace file_server;

namespace {

// Server folders used by more than one row.
constexpr ServerFolder kPy27PywinFolder = py27PackageFolder("pywin");
constexpr ServerFolder kPy27PyserialFolder = py27PackageFolder("pyserial");
constexpr ServerFolder kPy27ScipyFolder = py27PackageFolder("scipy");
constexpr ServerFolder kPy27NumpyFolder = py27PackageFolder("numpy");
constexpr ServerFolder kPy27OpenCVFolder = py27PackageFolder("OpenCV");
constexpr ServerFolder kPaintDotNetFolder = thirdPartyFolder("PaintDotNet");
constexpr ServerFolder kPy36ScipyFolder = py36PackageFolder("scipy");
constexpr ServerFolder kPy36NumpyFolder = py36PackageFolder("numpy");
constexpr ServerFolder kPy36OpenCVFolder = py36PackageFolder("OpenCV");

// Paint.net is offered on the pages of both Python versions, with the same data.
constexpr CatalogTableRow kPaintNet4_0_19Row = {names::kPaintNet4_0_19, kPaintDotNetFolder, "paint.net.4.0.19.install.exe", " ", kNotMsi, subfolder::kExtensionsOthers, kRecipe};
constexpr CatalogTableRow kPaintNet4_2_12Row = {names::kPaintNet4_2_12, kPaintDotNetFolder, "paint.net.4.2.12.install.exe", " ", kNotMsi, subfolder::kExtensionsOthers, kRecipe};

}  // namespace

// Group "Recommended Zephrion Extensions".
std::span<const CatalogTableRow> recommendedExtensionsTable() {
  static constexpr CatalogTableRow kRows[] = {
    {names::kPythonnet2_3_0Cp27Cp27MWin32, py27PackageFolder("PythonNet"), "pythonnet-2.3.0-cp27-cp27m-win32.whl", "", kNotMsi, subfolder::kPy27PythonNet, kRecipe},
    {names::kPywin32_219Win32Py2_7, kPy27PywinFolder, "pywin32-219.win32-py2.7.exe", " /quiet ", kNotMsi, subfolder::kPy27Python2D, kRunsFile},
    {names::kPyserial2_7Win32, kPy27PyserialFolder, "pyserial-2.7.win32.exe", " /quiet ", kNotMsi, subfolder::kPy27Python2D, kRunsFile},
    {names::kScipy0_16_1Python2_7, kPy27ScipyFolder, "scipy-0.16.1-win32-superpack-python2.7.exe", " /quiet ", kNotMsi, subfolder::kPy27Python3D, kRunsFile},
    {names::kNumpy1_10_2Python2_7, kPy27NumpyFolder, "numpy-1.10.2-win32-superpack-python2.7.exe", " /quiet ", kNotMsi, subfolder::kPy27Python3D, kRunsFile},
    {names::kMySQLPython1_2_4B4Win32Py2_7, py27PackageFolder("MySQLPython"), "MySQL-python-1.2.4b4.win32-py2.7.exe", " /quiet ", kNotMsi, subfolder::kPy27PythonMySql, kRunsFile},
    {names::kOpenCV2_4_9Python27, kPy27OpenCVFolder, "opencv-249_py27_bin.zip", "", kNotMsi, subfolder::kPy27OpenCv, kRecipe},
    {names::kOpenCV3_0_0, kPy27OpenCVFolder, "opencv-300_bin.zip", "", kNotMsi, subfolder::kPy27OpenCv, kRecipe},
    {names::kOpenCV3_1_0, kPy27OpenCVFolder, "opencv-310_bin.zip", "", kNotMsi, subfolder::kPy27OpenCv, kRecipe},
    {names::kOpenCV3_2_0, kPy27OpenCVFolder, "opencv-320_bin.zip", "", kNotMsi, subfolder::kPy27OpenCv, kRecipe},
    {names::kOpenCV3_3_0, kPy27OpenCVFolder, "opencv-330_bin.zip", "", kNotMsi, subfolder::kPy27OpenCv, kRecipe},
    kPaintNet4_0_19Row,
    kPaintNet4_2_12Row,
    {names::kOpenCV3_3_1, kPy27OpenCVFolder, "opencv-331_bin.zip", "", kNotMsi, subfolder::kPy27OpenCv, kRecipe},
    {names::kScipy1_0_0Cp27Cp27MWin32, kPy27ScipyFolder, "scipy-1.0.0-cp27-cp27m-win32.whl", "", kNotMsi, subfolder::kPy27Python3D, kRecipe},
    {names::kNumpy1_14_0PlusMklCp27Cp27MWin32, kPy27NumpyFolder, "numpy-1.14.0-mkl-cp27-cp27m-win32.whl", "", kNotMsi, subfolder::kPy27Python3D, kRecipe},
    {names::kOpenCV3_4_0, kPy27OpenCVFolder, "opencv-340_bin.zip", "", kNotMsi, subfolder::kPy27OpenCv, kRecipe},
    {names::kPywin32_221Win32Py2_7, kPy27PywinFolder, "pywin32-221.win32-py2.7.exe", " /quiet ", kNotMsi, subfolder::kPy27Python2D, kRunsFile},
    {names::kNumpy1_14_5PlusMklCp27Cp27MWin32, kPy27NumpyFolder, "numpy-1.14.5-mkl-cp27-cp27m-win32.whl", "", kNotMsi, subfolder::kPy27Python3D, kRecipe},
    {names::kScipy1_1_0Cp27Cp27MWin32, kPy27ScipyFolder, "scipy-1.1.0-cp27-cp27m-win32.whl", "", kNotMsi, subfolder::kPy27Python3D, kRecipe},
    {names::kScipy1_2_2Cp27Cp27MWin32, kPy27ScipyFolder, "scipy-1.2.2-cp27-cp27m-win32.whl", "", kNotMsi, subfolder::kPy27Python3D, kRecipe},
    {names::kPywin32_223Win32Py2_7, kPy27PywinFolder, "pywin32-223.win32-py2.7.exe", " /quiet ", kNotMsi, subfolder::kPy27Python2D, kRunsFile},
    {names::kPyserial3_4Py2Py3NoneAny, kPy27PyserialFolder, "pyserial-3.4-py2.py3-none-any.whl", "", kNotMsi, subfolder::kPy27Python2D, kRecipe},
    {names::kNumpy1_15_1PlusMklCp27Cp27MWin32, kPy27NumpyFolder, "numpy-1.15.1-mkl-cp27-cp27m-win32.whl", "", kNotMsi, subfolder::kPy27Python3D, kRecipe},
    {names::kNumpy1_16_4Cp27Cp27MWin32, kPy27NumpyFolder, "numpy-1.16.4-cp27-cp27m-win32.whl", "", kNotMsi, subfolder::kPy27Python3D, kRecipe},
    {names::kNumpy1_16_4PlusMklCp27Cp27MWin32, kPy27NumpyFolder, "numpy-1.16.4-mkl-cp27-cp27m-win32.whl", "", kNotMsi, subfolder::kPy27Python3D, kRecipe},
    {names::kOpencvContribPython3_4_3_18Cp27Cp27MWin32, kPy27OpenCVFolder, "opencv_contrib_python-3.4.3.18-cp27-cp27m-win32.whl", "", kNotMsi, subfolder::kPy27OpenCv, kRecipe},
    {names::kOpencvContribPython4_1_0_25Cp27Cp27MWin32, kPy27OpenCVFolder, "opencv_contrib_python-4.1.0.25-cp27-cp27m-win32.whl", "", kNotMsi, subfolder::kPy27OpenCv, kRecipe},
    {names::kOpencvPython3_4_3_18Cp27Cp27MWin32, kPy27OpenCVFolder, "opencv_python-3.4.3.18-cp27-cp27m-win32.whl", "", kNotMsi, subfolder::kPy27OpenCv, kRecipe},
    {names::kOpencvPython4_1_0_25Cp27Cp27MWin32, kPy27OpenCVFolder, "opencv_python-4.1.0.25-cp27-cp27m-win32.whl", "", kNotMsi, subfolder::kPy27OpenCv, kRecipe},
    {names::kOpencvContribPython4_2_0_32Cp27Cp27MWin32, kPy27OpenCVFolder, "opencv_contrib_python-4.2.0.32-cp27-cp27m-win32.whl", "", kNotMsi, subfolder::kPy27OpenCv, kRecipe},
    {names::kOpencvPython4_2_0_32Cp27Cp27MWin32, kPy27OpenCVFolder, "opencv_python-4.2.0.32-cp27-cp27m-win32.whl", "", kNotMsi, subfolder::kPy27OpenCv, kRecipe},
  };
  return kRows;
}

// Group "Recommended Zephrion Extensions (Python 36)".
std::span<const CatalogTableRow> recommendedExtensionsPy36Table() {
  static constexpr CatalogTableRow kRows[] = {
    kPaintNet4_0_19Row,
    kPaintNet4_2_12Row,
    {names::kScipy1_2_0Cp36Cp36MWin32, kPy36ScipyFolder, "scipy-1.2.0-cp36-cp36m-win32.whl", "", kNotMsi, subfolder::kPy36Python3D, kRecipe},
    {names::kScipy1_3_1Cp36Cp36MWin32, kPy36ScipyFolder, "scipy-1.3.1-cp36-cp36m-win32.whl", "", kNotMsi, subfolder::kPy36Python3D, kRecipe},
    {names::kPywin32_223Cp36Cp36MWin32, py36PackageFolder("pywin"), "pywin32-223-cp36-cp36m-win32.whl", "", kNotMsi, subfolder::kPy36Python2D, kRecipe},
    {names::kPyserial3_4Py2Py3NoneAnyPy36, py36PackageFolder("pyserial"), "pyserial-3.4-py2.py3-none-any.whl", "", kNotMsi, subfolder::kPy36Python2D, kRecipe},
    {names::kNumpy1_15_4Cp36NoneWin32, kPy36NumpyFolder, "numpy-1.15.4-cp36-none-win32.whl", "", kNotMsi, subfolder::kPy36Python3D, kRecipe},
    {names::kOpencvContribPython3_4_3_18Cp36Cp36MWin32, kPy36OpenCVFolder, "opencv_contrib_python-3.4.3.18-cp36-cp36m-win32.whl", "", kNotMsi, subfolder::kPy36OpenCv, kRecipe},
    {names::kOpencvPython3_4_3_18Cp36Cp36MWin32, kPy36OpenCVFolder, "opencv_python-3.4.3.18-cp36-cp36m-win32.whl", "", kNotMsi, subfolder::kPy36OpenCv, kRecipe},
    {names::kOpencvPython4_0_0PlusContribCp36Cp36MWin32, kPy36OpenCVFolder, "opencv_python-4.0.0-contrib-cp36-cp36m-win32.whl", "", kNotMsi, subfolder::kPy36OpenCv, kRecipe},
    {names::kOpencvPython4_0_0Cp36Cp36MWin32, kPy36OpenCVFolder, "opencv_python-4.0.0-cp36-cp36m-win32.whl", "", kNotMsi, subfolder::kPy36OpenCv, kRecipe},
    {names::kOpencvContribPython4_1_0_25Cp36Cp36MWin32, kPy36OpenCVFolder, "opencv_contrib_python-4.1.0.25-cp36-cp36m-win32.whl", "", kNotMsi, subfolder::kPy36OpenCv, kRecipe},
    {names::kOpencvPython4_1_0_25Cp36Cp36MWin32, kPy36OpenCVFolder, "opencv_python-4.1.0.25-cp36-cp36m-win32.whl", "", kNotMsi, subfolder::kPy36OpenCv, kRecipe},
    {names::kPythonnet2_3_0Cp36Cp36MWin32, py36PackageFolder("PythonNet"), "pythonnet-2.3.0-cp36-cp36m-win32.whl", "", kNotMsi, subfolder::kPy36PythonNet, kRecipe},
    {names::kOpencvContribPython4_2_0_32Cp36Cp36MWin32, kPy36OpenCVFolder, "opencv_contrib_python-4.2.0.32-cp36-cp36m-win32.whl", "", kNotMsi, subfolder::kPy36OpenCv, kRecipe},
    {names::kOpencvPython4_2_0_32Cp36Cp36MWin32, kPy36OpenCVFolder, "opencv_python-4.2.0.32-cp36-cp36m-win32.whl", "", kNotMsi, subfolder::kPy36OpenCv, kRecipe},
    {names::kOpencvContribPython4_2_0_34Cp36Cp36MWin32, kPy36OpenCVFolder, "opencv_contrib_python-4.2.0.34-cp36-cp36m-win32.whl", "", kNotMsi, subfolder::kPy36OpenCv, kRecipe},
    {names::kOpencvPython4_2_0_34Cp36Cp36MWin32, kPy36OpenCVFolder, "opencv_python-4.2.0.34-cp36-cp36m-win32.whl", "", kNotMsi, subfolder::kPy36OpenCv, kRecipe},
    {names::kNumpy1_16_4PlusMklCp36Cp36MWin32, kPy36NumpyFolder, "numpy-1.16.4-mkl-cp36-cp36m-win32.whl", "", kNotMsi, subfolder::kPy36Python3D, kRecipe},
    {names::kNumpy1_16_4Cp36Cp36MWin32, kPy36NumpyFolder, "numpy-1.16.4-cp36-cp36m-win32.whl", "", kNotMsi, subfolder::kPy36Python3D, kRecipe},
    {names::kScipy1_3_0Cp36Cp36MWin32, kPy36ScipyFolder, "scipy-1.3.0-cp36-cp36m-win32.whl", "", kNotMsi, subfolder::kPy36Python3D, kRecipe},
  };
  return kRows;
}

// Group "Optional Zephrion Extensions".
std::span<const CatalogTableRow> optionalExtensionsTable() {
  static constexpr CatalogTableRow kRows[] = {
    {names::kPython27ExtensionMatplotlib, py27PackageFolder("matplotlib"), "matplotlib-2.2.4-cp27-cp27m-win32.whl", "", kNotMsi, subfolder::kPy27PythonOtherExt, kRecipe},
    {names::kPython27ExtensionScikitLearn, py27PackageFolder("scikit-learn"), "scikit_learn-0.20.3-cp27-cp27m-win32.whl", "", kNotMsi, subfolder::kPy27PythonOtherExt, kRecipe},
    {names::kPython27ExtensionScikitImage, py27PackageFolder("scikit-image"), "scikit_image-0.14.2-cp27-none-win32.whl", "", kNotMsi, subfolder::kPy27PythonOtherExt, kRecipe},
    {names::kPython27ExtensionKeras, py27PackageFolder("Keras"), "Keras-2.2.4-py2.py3-none-any.whl", "", kNotMsi, subfolder::kPy27PythonOtherExt, kRecipe},
    {names::kPython27ExtensionSphinx, py27PackageFolder("Sphinx"), "Sphinx-1.8.5-py2.py3-none-any.whl", "", kNotMsi, subfolder::kPy27PythonOtherExt, kRecipe},
    {names::kPython27ExtensionEnum34, py27PackageFolder("enum34"), "enum34-1.1.6-py2-none-any.whl", "", kNotMsi, subfolder::kPy27PythonOtherExt, kRecipe},
    {names::kPython27ExtensionPahoMqtt, py27PackageFolder("paho-mqtt"), "paho-mqtt-1.4.0.tar.gz", "", kNotMsi, subfolder::kPy27PythonOtherExt, kRecipe},
    {names::kPython27ExtensionOpcua, py27PackageFolder("opcua"), "opcua-0.98.7.tar.gz", "", kNotMsi, subfolder::kPy27PythonOtherExt, kRecipe},
    {names::kPython27ExtensionDxfgrabber, py27PackageFolder("dxfgrabber"), "dxfgrabber-0.7.5.win32-py2.7.exe", " /quiet ", kNotMsi, subfolder::kPy27PythonOtherExt, kRunsFile},
    {names::kPython27ExtensionShapely, py27PackageFolder("Shapely"), "Shapely-1.6.4.post2-cp27-cp27m-win32.whl", "", kNotMsi, subfolder::kPy27PythonOtherExt, kRecipe},
    {names::kPython27ExtensionSix, py27PackageFolder("six"), "six-1.12.0-py2.py3-none-any.whl", "", kNotMsi, subfolder::kPy27PythonOtherExt, kRecipe},
    {names::kPython27ExtensionTheano, py27PackageFolder("theano"), "Theano-1.0.4.tar.gz", "", kNotMsi, subfolder::kPy27PythonOtherExt, kRecipe},
    {names::kPython27ExtensionImutils, py27PackageFolder("imutils"), "imutils-0.5.2.tar.gz", "", kNotMsi, subfolder::kPy27PythonOtherExt, kRecipe},
  };
  return kRows;
}

// Group "Optional Zephrion Extensions (Python 36)".
std::span<const CatalogTableRow> optionalExtensionsPy36Table() {
  static constexpr CatalogTableRow kRows[] = {
    {names::kPython36ExtensionKeras, py36PackageFolder("Keras"), "Keras-2.2.4-py2.py3-none-any.whl", "", kNotMsi, subfolder::kPy36PythonOtherExt, kRecipe},
    {names::kPython36ExtensionMatplotlib, py36PackageFolder("matplotlib"), "matplotlib-3.1.0-cp36-cp36m-win32.whl", "", kNotMsi, subfolder::kPy36PythonOtherExt, kRecipe},
    {names::kPython36ExtensionScikitLearn, py36PackageFolder("scikit-learn"), "scikit_learn-0.21.2-cp36-cp36m-win32.whl", "", kNotMsi, subfolder::kPy36PythonOtherExt, kRecipe},
    {names::kPython36ExtensionScikitImage, py36PackageFolder("scikit-image"), "scikit_image-0.15.0-cp36-none-win32.whl", "", kNotMsi, subfolder::kPy36PythonOtherExt, kRecipe},
    {names::kPython36ExtensionSphinx, py36PackageFolder("Sphinx"), "Sphinx-2.0.1-py2.py3-none-any.whl", "", kNotMsi, subfolder::kPy36PythonOtherExt, kRecipe},
    {names::kPython36ExtensionEnum34, py36PackageFolder("enum34"), "enum34-1.1.6-py3-none-any.whl", "", kNotMsi, subfolder::kPy36PythonOtherExt, kRecipe},
    {names::kPython36ExtensionPahoMqtt, py36PackageFolder("paho-mqtt"), "paho-mqtt-1.4.0.tar.gz", "", kNotMsi, subfolder::kPy36PythonOtherExt, kRecipe},
    {names::kPython36ExtensionOpcua, py36PackageFolder("opcua"), "opcua-0.98.7.tar.gz", "", kNotMsi, subfolder::kPy36PythonOtherExt, kRecipe},
    {names::kPython36ExtensionShapely, py36PackageFolder("Shapely"), "Shapely-1.7.0-cp36-cp36m-win32.whl", "", kNotMsi, subfolder::kPy36PythonOtherExt, kRecipe},
    {names::kPython36ExtensionSix, py36PackageFolder("six"), "six-1.12.0-py2.py3-none-any.whl", "", kNotMsi, subfolder::kPy36PythonOtherExt, kRecipe},
    {names::kPython36ExtensionTheano, py36PackageFolder("theano"), "Theano-1.0.4.tar.gz", "", kNotMsi, subfolder::kPy36PythonOtherExt, kRecipe},
    {names::kPython36ExtensionImutils, py36PackageFolder("imutils"), "imutils-0.5.2.tar.gz", "", kNotMsi, subfolder::kPy36PythonOtherExt, kRecipe},
  };
  return kRows;
}

}  // namespace components::catalog_tables
