#pragma once
// The names of the components the installer knows. A component is identified
// by its exact name: pages build their rows under these names and every
// per-component operation (detect, verify, install, post-install, repair,
// uninstall) chooses its behaviour by comparing a row's name with them, so
// code refers to these constants instead of repeating the texts.

#include <string_view>

namespace components::names {

// Prerequisites
inline constexpr std::string_view kMsVcpp2005Sp1Redist = "MS VC++ 2005 SP1 Redist";
inline constexpr std::string_view kMsVcpp2008Sp1Redist = "MS VC++ 2008 SP1 Redist";
inline constexpr std::string_view kMsVcpp2010Sp1Redist = "MS VC++ 2010 SP1 Redist";
inline constexpr std::string_view kMicrosoftNet2_0_50727_42Redist = "Microsoft .Net 2.0.50727.42 Redist";
inline constexpr std::string_view kWindowsInstaller3_1 = "Windows Installer 3.1";
inline constexpr std::string_view kMsVcpp2017Redist14_15_26706 = "MS VC++ 2017 Redist 14.15.26706";
inline constexpr std::string_view kMsVcpp2015_2019RedistX86_14_26_28720 = "MS VC++ 2015-2019 Redist (x86) 14.26.28720";
inline constexpr std::string_view kPython2_7_9 = "Python 2.7.9";
inline constexpr std::string_view kPython2_7_13 = "Python 2.7.13";
inline constexpr std::string_view kPython3_6_6 = "Python 3.6.6";

// Core Components
inline constexpr std::string_view kZephrionVersionXii12_0_0_760Runtime = "Zephrion Version XII 12.0.0.760 Runtime";
inline constexpr std::string_view kZephrionVisionSoftwareVersionXii12_0_0_760 = "Zephrion Vision Software Version XII 12.0.0.760";
inline constexpr std::string_view kZephrionLumenixVersionXii12_0_0_760Sdk = "Zephrion Lumenix Version XII 12.0.0.760 SDK";

// Zephrion Lumenix SDK Installer
inline constexpr std::string_view kZephrionLumenixSdkXii760Installer = "Zephrion Lumenix SDK XII 760 Installer";

// Recommended Zephrion Extensions
inline constexpr std::string_view kPythonnet2_3_0Cp27Cp27MWin32 = "pythonnet-2.3.0-cp27-cp27m-win32";
inline constexpr std::string_view kPywin32_219Win32Py2_7 = "pywin32-219.win32-py2.7";
inline constexpr std::string_view kPyserial2_7Win32 = "pyserial-2.7.win32";
inline constexpr std::string_view kScipy0_16_1Python2_7 = "scipy-0.16.1-python2.7";
inline constexpr std::string_view kNumpy1_10_2Python2_7 = "numpy-1.10.2-python2.7";
inline constexpr std::string_view kMySQLPython1_2_4B4Win32Py2_7 = "MySQL-python-1.2.4b4.win32-py2.7";
inline constexpr std::string_view kOpenCV2_4_9Python27 = "OpenCV 2.4.9 (Python 27)";
inline constexpr std::string_view kOpenCV3_0_0 = "OpenCV 3.0.0";
inline constexpr std::string_view kOpenCV3_1_0 = "OpenCV 3.1.0";
inline constexpr std::string_view kOpenCV3_2_0 = "OpenCV 3.2.0";
inline constexpr std::string_view kOpenCV3_3_0 = "OpenCV 3.3.0";
inline constexpr std::string_view kPaintNet4_0_19 = "Paint.net 4.0.19";
inline constexpr std::string_view kPaintNet4_2_12 = "Paint.net 4.2.12";
inline constexpr std::string_view kOpenCV3_3_1 = "OpenCV 3.3.1";
inline constexpr std::string_view kScipy1_0_0Cp27Cp27MWin32 = "scipy-1.0.0-cp27-cp27m-win32";
inline constexpr std::string_view kNumpy1_14_0PlusMklCp27Cp27MWin32 = "numpy-1.14.0+mkl-cp27-cp27m-win32";
inline constexpr std::string_view kOpenCV3_4_0 = "OpenCV 3.4.0";
inline constexpr std::string_view kPywin32_221Win32Py2_7 = "pywin32-221.win32-py2.7";
inline constexpr std::string_view kNumpy1_14_5PlusMklCp27Cp27MWin32 = "numpy-1.14.5+mkl-cp27-cp27m-win32";
inline constexpr std::string_view kScipy1_1_0Cp27Cp27MWin32 = "scipy-1.1.0-cp27-cp27m-win32";
inline constexpr std::string_view kScipy1_2_2Cp27Cp27MWin32 = "scipy-1.2.2-cp27-cp27m-win32";
inline constexpr std::string_view kPywin32_223Win32Py2_7 = "pywin32-223.win32-py2.7";
inline constexpr std::string_view kPyserial3_4Py2Py3NoneAny = "pyserial-3.4-py2.py3-none-any";
inline constexpr std::string_view kNumpy1_15_1PlusMklCp27Cp27MWin32 = "numpy-1.15.1+mkl-cp27-cp27m-win32";
inline constexpr std::string_view kNumpy1_16_4Cp27Cp27MWin32 = "numpy-1.16.4-cp27-cp27m-win32";
inline constexpr std::string_view kNumpy1_16_4PlusMklCp27Cp27MWin32 = "numpy-1.16.4+mkl-cp27-cp27m-win32";
inline constexpr std::string_view kOpencvContribPython3_4_3_18Cp27Cp27MWin32 = "opencv_contrib_python-3.4.3.18-cp27-cp27m-win32";
inline constexpr std::string_view kOpencvContribPython4_1_0_25Cp27Cp27MWin32 = "opencv_contrib_python-4.1.0.25-cp27-cp27m-win32";
inline constexpr std::string_view kOpencvPython3_4_3_18Cp27Cp27MWin32 = "opencv_python-3.4.3.18-cp27-cp27m-win32";
inline constexpr std::string_view kOpencvPython4_1_0_25Cp27Cp27MWin32 = "opencv_python-4.1.0.25-cp27-cp27m-win32";
inline constexpr std::string_view kOpencvContribPython4_2_0_32Cp27Cp27MWin32 = "opencv_contrib_python-4.2.0.32-cp27-cp27m-win32";
inline constexpr std::string_view kOpencvPython4_2_0_32Cp27Cp27MWin32 = "opencv_python-4.2.0.32-cp27-cp27m-win32";

// Recommended Zephrion Extensions (Python 36)
inline constexpr std::string_view kScipy1_2_0Cp36Cp36MWin32 = "scipy-1.2.0-cp36-cp36m-win32";
inline constexpr std::string_view kScipy1_3_1Cp36Cp36MWin32 = "scipy-1.3.1-cp36-cp36m-win32";
inline constexpr std::string_view kPywin32_223Cp36Cp36MWin32 = "pywin32-223-cp36-cp36m-win32";
inline constexpr std::string_view kPyserial3_4Py2Py3NoneAnyPy36 = "pyserial-3.4-py2.py3-none-any-py36";
inline constexpr std::string_view kNumpy1_15_4Cp36NoneWin32 = "numpy-1.15.4-cp36-none-win32";
inline constexpr std::string_view kOpencvContribPython3_4_3_18Cp36Cp36MWin32 = "opencv_contrib_python-3.4.3.18-cp36-cp36m-win32";
inline constexpr std::string_view kOpencvPython3_4_3_18Cp36Cp36MWin32 = "opencv_python-3.4.3.18-cp36-cp36m-win32";
inline constexpr std::string_view kOpencvPython4_0_0PlusContribCp36Cp36MWin32 = "opencv_python-4.0.0+contrib-cp36-cp36m-win32";
inline constexpr std::string_view kOpencvPython4_0_0Cp36Cp36MWin32 = "opencv_python-4.0.0-cp36-cp36m-win32";
inline constexpr std::string_view kOpencvContribPython4_1_0_25Cp36Cp36MWin32 = "opencv_contrib_python-4.1.0.25-cp36-cp36m-win32";
inline constexpr std::string_view kOpencvPython4_1_0_25Cp36Cp36MWin32 = "opencv_python-4.1.0.25-cp36-cp36m-win32";
inline constexpr std::string_view kPythonnet2_3_0Cp36Cp36MWin32 = "pythonnet-2.3.0-cp36-cp36m-win32";
inline constexpr std::string_view kOpencvContribPython4_2_0_32Cp36Cp36MWin32 = "opencv_contrib_python-4.2.0.32-cp36-cp36m-win32";
inline constexpr std::string_view kOpencvPython4_2_0_32Cp36Cp36MWin32 = "opencv_python-4.2.0.32-cp36-cp36m-win32";
inline constexpr std::string_view kOpencvContribPython4_2_0_34Cp36Cp36MWin32 = "opencv_contrib_python-4.2.0.34-cp36-cp36m-win32";
inline constexpr std::string_view kOpencvPython4_2_0_34Cp36Cp36MWin32 = "opencv_python-4.2.0.34-cp36-cp36m-win32";
inline constexpr std::string_view kNumpy1_16_4PlusMklCp36Cp36MWin32 = "numpy-1.16.4+mkl-cp36-cp36m-win32";
inline constexpr std::string_view kNumpy1_16_4Cp36Cp36MWin32 = "numpy-1.16.4-cp36-cp36m-win32";
inline constexpr std::string_view kScipy1_3_0Cp36Cp36MWin32 = "scipy-1.3.0-cp36-cp36m-win32";

// Optional Zephrion Extensions
inline constexpr std::string_view kPython27ExtensionMatplotlib = "Python 27 extension - matplotlib";
inline constexpr std::string_view kPython27ExtensionScikitLearn = "Python 27 extension - scikit-learn";
inline constexpr std::string_view kPython27ExtensionScikitImage = "Python 27 extension - scikit-image";
inline constexpr std::string_view kPython27ExtensionKeras = "Python 27 extension - Keras";
inline constexpr std::string_view kPython27ExtensionSphinx = "Python 27 extension - Sphinx";
inline constexpr std::string_view kPython27ExtensionEnum34 = "Python 27 extension - enum34";
inline constexpr std::string_view kPython27ExtensionPahoMqtt = "Python 27 extension - paho-mqtt";
inline constexpr std::string_view kPython27ExtensionOpcua = "Python 27 extension - opcua";
inline constexpr std::string_view kPython27ExtensionDxfgrabber = "Python 27 extension - dxfgrabber";
inline constexpr std::string_view kPython27ExtensionShapely = "Python 27 extension - Shapely";
inline constexpr std::string_view kPython27ExtensionSix = "Python 27 extension - six";
inline constexpr std::string_view kPython27ExtensionTheano = "Python 27 extension - Theano";
inline constexpr std::string_view kPython27ExtensionImutils = "Python 27 extension - imutils";

// Optional Zephrion Extensions (Python 36)
inline constexpr std::string_view kPython36ExtensionKeras = "Python 36 extension - Keras";
inline constexpr std::string_view kPython36ExtensionMatplotlib = "Python 36 extension - matplotlib";
inline constexpr std::string_view kPython36ExtensionScikitLearn = "Python 36 extension - scikit-learn";
inline constexpr std::string_view kPython36ExtensionScikitImage = "Python 36 extension - scikit-image";
inline constexpr std::string_view kPython36ExtensionSphinx = "Python 36 extension - Sphinx";
inline constexpr std::string_view kPython36ExtensionEnum34 = "Python 36 extension - enum34";
inline constexpr std::string_view kPython36ExtensionPahoMqtt = "Python 36 extension - paho-mqtt";
inline constexpr std::string_view kPython36ExtensionOpcua = "Python 36 extension - opcua";
inline constexpr std::string_view kPython36ExtensionShapely = "Python 36 extension - Shapely";
inline constexpr std::string_view kPython36ExtensionSix = "Python 36 extension - six";
inline constexpr std::string_view kPython36ExtensionTheano = "Python 36 extension - Theano";
inline constexpr std::string_view kPython36ExtensionImutils = "Python 36 extension - imutils";

// Optional Zephrion Modules
inline constexpr std::string_view kZephrion2018_0_0_992Ipp = "Zephrion 2018.0.0.992 IPP";

// Optional Zephrion Modules 2
inline constexpr std::string_view kZephrionDartfinSMARTcardConfig4_0 = "Zephrion Dartfin SMARTcard Config 4.0";
inline constexpr std::string_view kZephrionDartfinSMARTcardProgramAndDriver5_0 = "Zephrion Dartfin SMARTcard Program and Driver 5.0";

// Optional Utility Software
inline constexpr std::string_view kZephrionWatchdog3_0_0_11 = "Zephrion Watchdog 3.0.0.11";
inline constexpr std::string_view kRtSupervisor1_0_0_1_3587 = "RT Supervisor 1.0.0.1(3587)";
inline constexpr std::string_view kPerformanceTest8_0 = "PerformanceTest 8.0";
inline constexpr std::string_view kOpcScoutSimaticNetOpcClientV6_2_3133 = "OPC Scout (SIMATIC NET OPC-Client V6.2-3133)";
inline constexpr std::string_view kZephrionKxOPCClient1_9_0_28 = "Zephrion KxOPCClient 1.9.0.28";
inline constexpr std::string_view kMatrikonOPCServerForSimulation = "MatrikonOPC Server for Simulation";
inline constexpr std::string_view kZephrionOpcServer1_0_0_7 = "Zephrion OPC Server 1.0.0.7";
inline constexpr std::string_view kTightVNC2_6_4_32Bit = "TightVNC 2.6.4 - 32 bit";
inline constexpr std::string_view kTightVNC2_6_4_64Bit = "TightVNC 2.6.4 - 64 bit";
inline constexpr std::string_view kZephrionTeamViewer13Host = "Zephrion TeamViewer 13 Host";
inline constexpr std::string_view kSpeccyV1_25 = "Speccy v1.25";
inline constexpr std::string_view kAdobeAcrobatReader = "Adobe Acrobat Reader";
inline constexpr std::string_view kTeraTerm4_88 = "Tera Term 4.88";
inline constexpr std::string_view kTortoiseHg3_6_3X64 = "TortoiseHg 3.6.3 (x64)";
inline constexpr std::string_view kTortoiseHg3_6_3X86 = "TortoiseHg 3.6.3 (x86)";
inline constexpr std::string_view kZephrionTeamViewer8Host = "Zephrion TeamViewer 8 Host";

// Zephrion IO System
inline constexpr std::string_view kDAQNaviPci1730_3_1_1_0 = "DAQNavi PCI-1730 3.1.1.0";
inline constexpr std::string_view kDAQNaviUsb4711A3_1_3_0 = "DAQNavi USB-4711A 3.1.3.0";
inline constexpr std::string_view kDAQNaviUsb4750_3_1_1_0 = "DAQNavi USB-4750 3.1.1.0";
inline constexpr std::string_view kDAQNaviSdkAndDrivers3_1_4_0 = "DAQNavi SDK and Drivers 3.1.4.0";
inline constexpr std::string_view kAdamApaxNetUtility2_05_10 = "Adam/Apax .NET Utility 2.05.10";

// 3rd Party Softwares
inline constexpr std::string_view kUbCore6_00Pro1394A1394BDrivers32Bit = "ubCore 6.00 Pro 1394a - 1394b drivers - 32 bit";
inline constexpr std::string_view kFireIApplication4_0_32Bit = "Fire-i Application 4.0 - 32 bit";
inline constexpr std::string_view kZclForSONYGigECAM2_12_2Windows7_32Bit = "ZCL for SONYGigECAM 2.12.2 - Windows 7 (32 bit)";
inline constexpr std::string_view kZclForSONYGigECAM2_12_2Windows8_32Bit = "ZCL for SONYGigECAM 2.12.2 - Windows 8 (32 bit)";
inline constexpr std::string_view kZclForSONYGigECAM2_12_32Bit = "ZCL for SONYGigECAM 2.12 - 32 bit";
inline constexpr std::string_view kUbCore6_00Pro1394A1394BDrivers64Bit = "ubCore 6.00 Pro 1394a - 1394b drivers - 64 bit";
inline constexpr std::string_view kFireIApplication4_0_64Bit = "Fire-i Application 4.0 - 64 bit";
inline constexpr std::string_view kZclForSONYGigECAM2_12_2Windows7_64Bit = "ZCL for SONYGigECAM 2.12.2 - Windows 7 (64 bit)";
inline constexpr std::string_view kZclForSONYGigECAM2_12_2Windows8_64Bit = "ZCL for SONYGigECAM 2.12.2 - Windows 8 (64 bit)";
inline constexpr std::string_view kZclForSONYGigECAM2_12_64Bit = "ZCL for SONYGigECAM 2.12 - 64 bit";
inline constexpr std::string_view kImagingSourceIcCapture2_3 = "Imaging Source - IC Capture 2.3";
inline constexpr std::string_view kImagingSourceCameraDriver = "Imaging Source Camera Driver";
inline constexpr std::string_view kMvs2_2_3 = "MVS 2.2.3";
inline constexpr std::string_view kMvs2_3_1 = "MVS 2.3.1";
inline constexpr std::string_view kMvs2_4_0 = "MVS 2.4.0";
inline constexpr std::string_view kMvs3_0_0 = "MVS 3.0.0";
inline constexpr std::string_view kMvs3_1_0 = "MVS 3.1.0";
inline constexpr std::string_view kMvs3_2_0 = "MVS 3.2.0";
inline constexpr std::string_view kBaslerPylonSdk2_3_5_2633_32Bit = "Basler pylon SDK 2.3.5.2633 - 32 bit";
inline constexpr std::string_view kBaslerPylonSdk3_2_3_3215_32Bit = "Basler pylon SDK 3.2.3.3215 - 32 bit";
inline constexpr std::string_view kBaslerPylon4Runtime4_0_1_3425_32Bit = "Basler pylon 4 Runtime 4.0.1.3425 - 32 bit";
inline constexpr std::string_view kBaslerPylonSdk2_3_5_2633_64Bit = "Basler pylon SDK 2.3.5.2633 - 64 bit";
inline constexpr std::string_view kBaslerPylonSdk3_2_3_3215_64Bit = "Basler pylon SDK 3.2.3.3215 - 64 bit";
inline constexpr std::string_view kBaslerPylon4Runtime4_0_1_3425_64Bit = "Basler pylon 4 Runtime 4.0.1.3425 - 64 bit";
inline constexpr std::string_view kPylon4CameraSoftwareSuite4_2_2_5468_64Bit = "Pylon 4 Camera Software Suite 4.2.2.5468 - 64 bit";
inline constexpr std::string_view kPylon4CameraSoftwareSuite4_2_2_5468_32Bit = "Pylon 4 Camera Software Suite 4.2.2.5468 - 32 bit";
inline constexpr std::string_view kAvtUniversalPackage2_2_0 = "AVT Universal Package 2.2.0";
inline constexpr std::string_view kAvtFirePackage2_11 = "AVT Fire Package 2.11";
inline constexpr std::string_view kPylon5CameraSoftwareSuite5_0_5_8999 = "Pylon 5 Camera Software Suite 5.0.5.8999";
inline constexpr std::string_view kPylon5CameraSoftwareSuite5_0_10_10613 = "Pylon 5 Camera Software Suite 5.0.10.10613";
inline constexpr std::string_view kPylon5CameraSoftwareSuite5_0_12_11830 = "Pylon 5 Camera Software Suite 5.0.12.11830";
inline constexpr std::string_view kPylon6CameraSoftwareSuite6_1_0_19674 = "Pylon 6 Camera Software Suite 6.1.0.19674";

// 3D Toolbox Vivid Sight: the archive row of each build. The template list,
// demo-profile list and readme rows of a build are named after it with the
// endings below (see catalog_tables_toolbox.cpp).
inline constexpr std::string_view kVividSight1_0_0_333 = "Vivid Sight 1.0.0.333";
inline constexpr std::string_view kVividSight1_0_0_355 = "Vivid Sight 1.0.0.355";
inline constexpr std::string_view kVividSight1_0_0_383 = "Vivid Sight 1.0.0.383";
inline constexpr std::string_view kVividSight1_0_0_550 = "Vivid Sight 1.0.0.550";
inline constexpr std::string_view kVividSight1_0_0_612 = "Vivid Sight 1.0.0.612";
inline constexpr std::string_view kVividSight1_0_0_719 = "Vivid Sight 1.0.0.719";
inline constexpr std::string_view kVividSight1_0_0_758 = "Vivid Sight 1.0.0.758";
inline constexpr std::string_view kVividSight1_0_0_819 = "Vivid Sight 1.0.0.819";
inline constexpr std::string_view kVividSight1_0_0_1114 = "Vivid Sight 1.0.0.1114";

// 3D Toolbox Vivid Sight (Python 36): the archive row of each build.
inline constexpr std::string_view kVividSight1_0_0_819_02Python36 = "Vivid Sight 1.0.0.819(02) (Python 36)";
inline constexpr std::string_view kVividSight1_0_0_1114Python36 = "Vivid Sight 1.0.0.1114 (Python 36)";

// Endings of the toolbox rows that belong to a build. The Python 3.6 builds
// carry kPython36Tail after the ending ("Vivid Sight 1.0.0.1114 - Readme (Python 36)").
inline constexpr std::string_view kToolboxTemplatesEnding = " - Templates";
inline constexpr std::string_view kToolboxDemoProfilesEnding = " - Demo Profiles";
inline constexpr std::string_view kToolboxReadmeEnding = " - Readme";
inline constexpr std::string_view kPython36Tail = " (Python 36)";

// Components that the per-component operations know but no page lists.
inline constexpr std::string_view kZidadoVud1_0_0_3Files = "Zidado VUD 1.0.0.3 Files";
inline constexpr std::string_view kSharedMemoryCameraDriver = "Shared Memory Camera Driver";

}  // namespace components::names
