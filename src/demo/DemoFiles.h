#pragma once

#include "demo/DemoRandom.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

// Small but real files for the demo's images and attachments, in formats the
// program decodes or opens. They need a QGuiApplication (QImage, QPdfWriter).
namespace DemoFiles {

enum class PageFormat { Jpeg, Bitmap };

// A scanned page: paper, a heading bar, lines of "text" and a red seal.
QByteArray scannedPage(DemoRandom& random, PageFormat format);
// A bar chart as a PNG picture.
QByteArray chartPicture(DemoRandom& random);
// One A5 page with a title and lines; the document's creation date is the
// given day, so that the same content always gives the same bytes.
QByteArray pdfDocument(const QString& title, const QStringList& lines, const QDate& created);
// The lines as UTF-8 text, one per line.
QByteArray textDocument(const QStringList& lines);

}
