#include "db/Utilities.h"

#include <QPushButton>
#include <QTemporaryFile>

#include <gtest/gtest.h>

TEST(SizeText, ThresholdsFormatsAndTheLeadingZero)
{
    const struct {
        qint64 bytes;
        const char* text;
    } cases[] = {
        {0, " KB"},
        {500, "500 KB"},
        {1024, "1,024 KB"},
        {1536, "2 KB"},
        {5120, "5 KB"},
        {10240, "10 KB"},
        {1048576, "1,024 KB"},
        {1048577, "1.00 MB"},
        {3145728, "3.00 MB"},
        {1073741824, "1,024.00 MB"},
        {1073741825, "1.00 GB"},
        {5368709120LL, "5.00 GB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utilities::sizeTextOfBytes(c.bytes), QString::fromUtf8(c.text)) << c.bytes;
}

TEST(SizeText, OfAFile)
{
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    file.write(QByteArray(5120, 'x'));
    file.flush();
    EXPECT_EQ(Utilities::sizeText(file.fileName()), QStringLiteral("5 KB"));
}

TEST(PictureKind, ByExtensionWithoutRegardToCase)
{
    EXPECT_EQ(Utilities::pictureKind("a.BMP"), 1);
    EXPECT_EQ(Utilities::pictureKind("a.jpeg"), 2);
    EXPECT_EQ(Utilities::pictureKind("a.Jpg"), 2);
    EXPECT_EQ(Utilities::pictureKind("a.gif"), 3);
    EXPECT_EQ(Utilities::pictureKind("a.png"), 0);
    EXPECT_EQ(Utilities::pictureKind("jpg"), 0);
    EXPECT_TRUE(Utilities::isJpegName("scan.JPG"));
    EXPECT_FALSE(Utilities::isJpegName("scan.gif"));
}

TEST(StandardButtons, EnablesTheSevenNamedButtonsOnly)
{
    QWidget window;
    auto* first = new QPushButton(&window);
    first->setObjectName("tbFirst");
    auto* other = new QPushButton(&window);
    other->setObjectName("btnOk");
    Utilities::enableStandardButtons(&window, false);
    EXPECT_FALSE(first->isEnabled());
    EXPECT_TRUE(other->isEnabled());
}
