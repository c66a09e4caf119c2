#pragma once

#include <QIcon>

// The pictures of the main window, compiled in from resources/icons: each
// name exists in one or more sizes ("document-new-16.png", "document-new-32.png").
namespace MainIcons {
QIcon icon(const QString& name);
}
