#include "demo/DemoMedia.h"

#include "demo/DemoFiles.h"
#include "demo/DemoVocabulary.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <string_view>

namespace {

constexpr int kImagesPerArchiveWeights[] = {25, 55, 20};      // 0 to 2 pages
constexpr int kAttachmentsPerArchiveWeights[] = {45, 45, 10}; // 0 to 2 files
constexpr int kImageExtensionWeights[] = {55, 35, 10};
constexpr std::string_view kImageExtensions[] = {".jpg", ".bmp", ".jpeg"};
constexpr std::string_view kTextTitles[] = {"目录清单", "交接记录", "说明"};
constexpr std::string_view kPdfTitles[] = {"扫描件", "审批单", "正文"};
constexpr std::string_view kPictureTitles[] = {"签章页", "示意图"};
constexpr std::string_view kAttachmentRemarks[] = {"", "", "原件扫描", "电子版", "Final version"};

QString text(const std::string& utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QStringList describe(const DemoArchive& archive)
{
    return {QStringLiteral("档案编号：") + text(archive.code),
            QStringLiteral("档案名称：") + text(archive.name),
            QStringLiteral("档案分类：") + text(archive.classPath),
            QStringLiteral("归档部门：") + text(archive.department),
            QStringLiteral("归 档 人：") + text(archive.filedBy),
            QStringLiteral("录入日期：") + text(archive.enteredDate),
            QStringLiteral("备    注：") + text(archive.remarks)};
}

}

MediaMaker::MediaMaker(uint64_t seed)
    : m_random(seed, 3), m_kinds({{Kind::Text, 1}, {Kind::Pdf, 1}, {Kind::Picture, 1}})
{
}

std::vector<DemoImage> MediaMaker::imagesOf(const DemoArchive& archive)
{
    std::vector<DemoImage> images(m_random.weighted(kImagesPerArchiveWeights));
    for (size_t i = 0; i < images.size(); ++i) {
        DemoImage& image = images[i];
        image.groupKey = archive.groupKey;
        image.name = i == 0 ? std::string("封面") : "第" + std::to_string(i + 1) + "页";
        image.extension = kImageExtensions[m_random.weighted(kImageExtensionWeights)];
        image.bytes = DemoFiles::scannedPage(
            m_random, image.extension == ".bmp" ? DemoFiles::PageFormat::Bitmap : DemoFiles::PageFormat::Jpeg);
    }
    return images;
}

std::vector<DemoAttachment> MediaMaker::attachmentsOf(const DemoArchive& archive)
{
    std::vector<DemoAttachment> attachments(m_random.weighted(kAttachmentsPerArchiveWeights));
    for (DemoAttachment& a : attachments)
        a = attachment(archive, m_kinds.draw(m_random));
    return attachments;
}

DemoAttachment MediaMaker::attachment(const DemoArchive& archive, Kind kind)
{
    DemoAttachment a;
    a.groupKey = archive.groupKey;
    std::string_view title;
    switch (kind) {
    case Kind::Text:
        title = m_random.pick(std::span<const std::string_view>(kTextTitles));
        a.extension = ".txt";
        a.bytes = DemoFiles::textDocument(describe(archive));
        break;
    case Kind::Pdf:
        title = m_random.pick(std::span<const std::string_view>(kPdfTitles));
        a.extension = ".pdf";
        a.bytes = DemoFiles::pdfDocument(text(archive.name), describe(archive),
                                         QDate::fromString(text(archive.enteredDate), Qt::ISODate));
        break;
    case Kind::Picture:
        title = m_random.pick(std::span<const std::string_view>(kPictureTitles));
        a.extension = ".png";
        a.bytes = DemoFiles::chartPicture(m_random);
        break;
    }
    a.fileName = archive.code + ' ' + std::string(title) + a.extension;
    a.origin = "D:\\档案资料\\" + archive.code + '\\' + a.fileName;
    a.remarks = m_random.pick(std::span<const std::string_view>(kAttachmentRemarks));
    a.handledBy = m_random.pick(DemoVocabulary::people());
    a.enteredDate = archive.enteredDate;
    return a;
}
