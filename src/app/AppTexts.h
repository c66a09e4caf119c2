#pragma once

#include <QString>

// Program texts fixed at build time.
namespace AppTexts {
inline const QString kApplicationTitle = QStringLiteral("Veltra档案管理软件(企业版)");
inline const QString kProductName = QStringLiteral("Veltra档案管理软件 ");
inline const QString kVersion = QStringLiteral("v1.50(企业版) ");
inline const QString kVendorLine = QStringLiteral("Veltra 软件工作室  ");
}
