#include "demo/DemoArchives.h"

#include "demo/DemoText.h"
#include "demo/DemoVocabulary.h"

#include <algorithm>

namespace {

constexpr int kCopiesWeights[] = {50, 25, 15, 6, 4}; // 1 to 5 copies
constexpr int kLastNumber = 9999;                    // four digits per leaf and year
constexpr std::string_view kCarriers[] = {"纸质", "电子", "纸质+电子"};

std::string_view lettersOf(const DemoClass& leaf)
{
    return std::string_view(leaf.codePrefix).substr(0, 2);
}

}

ArchiveMaker::ArchiveMaker(const std::vector<DemoClass>& classes, std::span<const std::string_view> approvers,
                           QDate today, uint64_t seed)
    : m_random(seed, 1),
      m_approvers(approvers),
      m_today(today),
      m_firstYear(today.year() - kYears + 1),
      m_sharesKey({{true, 1}, {false, 99}})
{
    for (const DemoClass& c : classes) {
        if (c.leaf) {
            m_leaves.push_back(&c);
            m_weights.push_back(c.weight);
        }
    }
    m_numbersUsed.assign(m_leaves.size() * kYears, 0);
}

DemoArchive ArchiveMaker::next()
{
    DemoArchive archive;
    const bool joinsPrevious = m_sharesKey.draw(m_random) && m_previousJoinable;
    archive.startsGroup = !joinsPrevious;
    archive.groupKey = joinsPrevious ? m_groupKey : ++m_groupKey;
    m_previousJoinable = !joinsPrevious;

    const size_t leafIndex = m_random.weighted(m_weights);
    const DemoClass& leaf = *m_leaves[leafIndex];
    archive.classPath = leaf.path;
    archive.year = m_firstYear + static_cast<int>(m_random.below(kYears));
    archive.code = nextCode(leafIndex, archive.year);
    const QDate filed = dayIn(archive.year);
    archive.filedDate = m_random.percent(5) ? DemoText::kNoDate : DemoText::date(filed);
    archive.copies = 1 + static_cast<int>(m_random.weighted(kCopiesWeights));
    archive.securityLevel = DemoVocabulary::securityLevels()[m_random.weighted(DemoVocabulary::securityLevelWeights())];
    archive.storagePlace = m_random.pick(DemoVocabulary::storagePlaces());
    archive.department = m_random.pick(DemoVocabulary::departments());
    archive.filedBy = m_random.pick(DemoVocabulary::people());
    archive.name = expand(leaf.nameTemplate, archive, filed);
    archive.remarks = remarks();
    fillDocument(archive, leaf);
    fillCustomItems(archive, leaf, filed);
    archive.enteredDate = DemoText::date(std::min(m_today, filed.addDays(m_random.between(0, 20))));
    if (m_random.percent(30))
        archive.approvedBy = m_random.pick(m_approvers);
    return archive;
}

QDate ArchiveMaker::dayIn(int year)
{
    const QDate first(year, 1, 1);
    const int days = year == m_today.year() ? m_today.dayOfYear() : first.daysInYear();
    return first.addDays(m_random.below(static_cast<uint32_t>(days)));
}

std::string ArchiveMaker::nextCode(size_t leaf, int& year)
{
    // A full year passes its archives on to the next one, so that codes stay unique.
    for (int tries = 0; tries < kYears; ++tries) {
        int& used = m_numbersUsed[leaf * kYears + static_cast<size_t>(year - m_firstYear)];
        if (used < kLastNumber) {
            ++used;
            return m_leaves[leaf]->codePrefix + '-' + std::to_string(year) + '-' + DemoText::padded(used, 4);
        }
        year = year == m_today.year() ? m_firstYear : year + 1;
    }
    return m_leaves[leaf]->codePrefix + '-' + std::to_string(year) + '-' + DemoText::padded(kLastNumber, 4);
}

std::string ArchiveMaker::expand(std::string_view nameTemplate, const DemoArchive& archive, const QDate& filed)
{
    std::string name;
    for (size_t i = 0; i < nameTemplate.size(); ++i) {
        if (nameTemplate[i] != '{' || i + 2 >= nameTemplate.size()) {
            name += nameTemplate[i];
            continue;
        }
        switch (nameTemplate[i + 1]) {
        case 'Y': name += std::to_string(filed.year()); break;
        case 'M': name += DemoText::padded(filed.month(), 2); break;
        case 'N': name += std::to_string(m_random.between(1, 30)); break;
        case 'K': name += DemoText::padded(m_random.between(1, 999), 3); break;
        case 'Q': name += DemoText::padded(m_random.between(1, 9999), 4); break;
        case 'T': name += m_random.pick(DemoVocabulary::topics()); break;
        case 'D': name += archive.department; break;
        case 'P': name += m_random.pick(DemoVocabulary::people()); break;
        case 'B': name += m_random.pick(DemoVocabulary::buildings()); break;
        case 'C': name += m_random.pick(DemoVocabulary::customers()); break;
        default: name.append(nameTemplate.substr(i, 3)); break;
        }
        i += 2;
    }
    return name;
}

std::string ArchiveMaker::remarks()
{
    std::string text;
    const int sentences = m_random.percent(20) ? 0 : m_random.between(1, 3);
    for (int i = 0; i < sentences; ++i)
        text += m_random.pick(DemoVocabulary::archiveRemarks());
    return text;
}

void ArchiveMaker::fillDocument(DemoArchive& archive, const DemoClass& leaf)
{
    if (!m_random.percent(60))
        return;
    archive.documentPath = std::string("D:\\电子档案\\") + std::string(lettersOf(leaf)) + '\\'
        + std::to_string(archive.year) + '\\' + archive.code + ".pdf";
    const int64_t scale = int64_t(10 * 1024) << m_random.below(12); // 10 KiB to 20 MiB
    archive.documentSize = DemoText::sizeText(scale + m_random.below(static_cast<uint32_t>(scale)));
}

void ArchiveMaker::fillCustomItems(DemoArchive& archive, const DemoClass& leaf, const QDate& filed)
{
    const std::string_view letters = lettersOf(leaf);
    const bool hasAmount = letters == "KU" || letters == "HT";
    const std::string year = std::to_string(archive.year);
    if (m_random.percent(40))
        archive.texts[0] = "XM-" + year + '-' + DemoText::padded(m_random.between(1, 999), 3);
    if (hasAmount && m_random.percent(70))
        archive.texts[1] = "HT" + year + '-' + DemoText::padded(m_random.between(1, 9999), 4);
    archive.texts[2] = "第" + std::to_string(m_random.between(1, 200)) + "盒";
    archive.texts[3] = m_random.pick(std::span<const std::string_view>(kCarriers));

    if (hasAmount) {
        const int yuan = m_random.between(100, 5'000'000);
        archive.numbers[0] = yuan + m_random.between(0, 99) / 100.0;
    }
    archive.numbers[1] = m_random.between(1, 300);

    archive.dates[0] = m_random.percent(30)
        ? DemoText::kNoDate
        : DemoText::date(QDate(archive.year + (m_random.percent(50) ? 10 : 30), 12, 31));
    archive.dates[1] = m_random.percent(15)
        ? DemoText::date(std::min(m_today, filed.addDays(m_random.between(30, 3000))))
        : DemoText::kNoDate;
    archive.dates[2] = DemoText::kNoDate;
}
