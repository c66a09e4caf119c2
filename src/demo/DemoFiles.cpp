#include "demo/DemoFiles.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace DemoFiles {

namespace {

constexpr int kPageWidth = 120;
constexpr int kPageHeight = 160;
constexpr int kJpegQuality = 75;

QByteArray encoded(const QImage& image, const char* format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

// QPdfWriter stamps the moment of writing as "/CreationDate (D:yyyyMMddhhmmss…";
// the fourteen digits are replaced in place, so every offset stays right.
void stampCreationDate(QByteArray& pdf, const QDate& created)
{
    static const QByteArray marker("/CreationDate (D:");
    const qsizetype at = pdf.indexOf(marker);
    const QByteArray digits = created.toString(QStringLiteral("yyyyMMdd")).toLatin1() + "000000";
    if (at >= 0 && at + marker.size() + digits.size() <= pdf.size())
        pdf.replace(at + marker.size(), digits.size(), digits);
}

}

QByteArray scannedPage(DemoRandom& random, PageFormat format)
{
    QImage page(kPageWidth, kPageHeight, QImage::Format_RGB32);
    const int tone = random.between(236, 252);
    page.fill(QColor(tone, tone, tone - 8));
    {
        QPainter painter(&page);
        painter.fillRect(12, 10, kPageWidth - 24, 7, QColor(70, 70, 70));
        for (int y = 28; y < kPageHeight - 44; y += 7) {
            const int indent = y == 28 || random.percent(15) ? 20 : 12;
            painter.fillRect(indent, y, random.between(40, kPageWidth - 12 - indent), 3, QColor(110, 110, 110));
        }
        painter.setPen(QPen(QColor(200, 30, 30), 2));
        const int x = random.between(60, 76);
        painter.drawEllipse(x, kPageHeight - 42, 32, 32);
        painter.drawLine(x + 8, kPageHeight - 26, x + 24, kPageHeight - 26);
    }
    if (format == PageFormat::Bitmap)
        return encoded(page.convertToFormat(QImage::Format_Indexed8), "BMP");
    return encoded(page, "JPG", kJpegQuality);
}

QByteArray chartPicture(DemoRandom& random)
{
    QImage chart(160, 100, QImage::Format_RGB32);
    chart.fill(Qt::white);
    {
        QPainter painter(&chart);
        painter.setPen(QColor(90, 90, 90));
        painter.drawLine(10, 90, 150, 90);
        painter.drawLine(10, 10, 10, 90);
        const QColor colours[] = {QColor(66, 133, 244), QColor(219, 68, 55), QColor(244, 180, 0), QColor(15, 157, 88)};
        for (int bar = 0; bar < 6; ++bar) {
            const int height = random.between(10, 75);
            painter.fillRect(18 + bar * 22, 90 - height, 14, height, colours[bar % 4]);
        }
    }
    return encoded(chart, "PNG");
}

QByteArray pdfDocument(const QString& title, const QStringList& lines, const QDate& created)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Dossara"));
        writer.setTitle(title);
        writer.setPageSize(QPageSize(QPageSize::A5));
        writer.setResolution(72);
        QPainter painter(&writer);
        QFont font = painter.font();
        font.setPointSize(14);
        painter.setFont(font);
        painter.drawText(QRect(0, 0, 360, 40), Qt::AlignLeft | Qt::TextWordWrap, title);
        font.setPointSize(10);
        painter.setFont(font);
        int y = 60;
        for (const QString& line : lines) {
            painter.drawText(QPoint(0, y), line);
            y += 18;
        }
    }
    stampCreationDate(bytes, created);
    return bytes;
}

QByteArray textDocument(const QStringList& lines)
{
    return lines.join(QLatin1Char('\n')).toUtf8() + '\n';
}

}
