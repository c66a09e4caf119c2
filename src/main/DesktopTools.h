#pragma once

#include <QString>

// The help and tool entries of the main window: the help and text files of
// the program folder opened with their associated programs, the vendor's
// home page, and the desktop's own calculator and text editor.
namespace DesktopTools {

inline const QString kHelpFile = QStringLiteral("help.CHM");
inline const QString kReadmeFile = QStringLiteral("readme.txt");
inline const QString kWhatsNewFile = QStringLiteral("whatisnew.txt");
inline const QString kVendorHomePage = QStringLiteral("https://www.veltra-soft.com.cn/");

// Opens a file of the program folder; reports a missing one (kind 0).
void openProgramFile(const QString& name);
void openVendorHomePage();
// Start the first calculator or text editor found on the system without
// waiting for it; report (kind 0) when there is none.
void startCalculator();
void startTextEditor();

}
