#pragma once

#include "demo/DemoDeck.h"
#include "demo/DemoRandom.h"
#include "demo/DemoRecords.h"

#include <vector>

// Makes the scanned images and the attachments of an archive: JPEG and BMP
// pages; text, PDF and PNG attachments, each with a file name, an origin and
// the bytes of a real file of its type.
class MediaMaker {
public:
    explicit MediaMaker(uint64_t seed);

    std::vector<DemoImage> imagesOf(const DemoArchive& archive);
    std::vector<DemoAttachment> attachmentsOf(const DemoArchive& archive);

private:
    enum class Kind { Text, Pdf, Picture };

    DemoAttachment attachment(const DemoArchive& archive, Kind kind);

    DemoRandom m_random;
    DemoDeck<Kind> m_kinds;
};
