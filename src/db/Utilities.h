#pragma once

#include <QString>

class QPainter;
class QWidget;

// Window-free helpers shared by the data windows and editors.
namespace Utilities {

// The size of a file as the lists show it: "3.00 MB", "1,024 KB", "5 KB".
// Sizes up to 1024 bytes are shown as the byte count followed by " KB".
QString sizeText(const QString& filePath);
QString sizeTextOfBytes(qint64 bytes);

bool isJpegName(const QString& fileName);
// By extension: ".bmp" 1, ".jpg"/".jpeg" 2, ".gif" 3, anything else 0.
int pictureKind(const QString& fileName);

// A one-pixel frame with a light and a dark side; style 1 raised, others sunken.
void drawFrame(QPainter& painter, int left, int top, int style, int height, int width);

// Marks every text-entry control of the window with the chosen input method
// (controls marked for Chinese input, property "chineseInput"), or with none.
void applyInputMethod(QWidget* window, const QString& inputMethodName);

// Enables or disables the window's tbFirst, tbPrior, tbNext, tbLast, tbPrint, tbSet and tbExpert.
void enableStandardButtons(QWidget* window, bool enabled);

}
