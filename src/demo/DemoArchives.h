#pragma once

#include "demo/DemoClasses.h"
#include "demo/DemoDeck.h"
#include "demo/DemoRandom.h"
#include "demo/DemoRecords.h"

#include <QDate>

#include <span>
#include <string_view>
#include <vector>

// Makes the archives one after another. Each goes to a leaf class chosen by
// the leaves' weights and gets an automatic code: the leaf's prefix, the year
// and a running number of four digits per leaf and year ("WS03-2019-0041"),
// so codes are unique and the last one continues the automatic numbering.
// Group keys run from 1; now and then an archive shares the key of the one
// before it (never more than two to a key).
class ArchiveMaker {
public:
    static constexpr int kYears = 19; // filing years up to the present one

    ArchiveMaker(const std::vector<DemoClass>& classes, std::span<const std::string_view> approvers,
                 QDate today, uint64_t seed);

    DemoArchive next();

private:
    const DemoClass& chooseLeaf();
    QDate dayIn(int year);
    std::string nextCode(size_t leaf, int& year);
    // Fills the placeholders of a leaf's name template: {Y} year and {M} month
    // of filing, {N} a small number, {K} three and {Q} four digits, {T} a topic,
    // {D} the archive's department, {P} a person, {B} a building, {C} a customer.
    std::string expand(std::string_view nameTemplate, const DemoArchive& archive, const QDate& filed);
    std::string remarks();
    void fillDocument(DemoArchive& archive, const DemoClass& leaf);
    void fillCustomItems(DemoArchive& archive, const DemoClass& leaf, const QDate& filed);

    DemoRandom m_random;
    std::vector<const DemoClass*> m_leaves;
    std::vector<int> m_weights;
    std::span<const std::string_view> m_approvers;
    QDate m_today;
    int m_firstYear;
    std::vector<int> m_numbersUsed; // per leaf and year
    DemoDeck<bool> m_sharesKey;      // about one archive in a hundred
    int64_t m_groupKey = 0;
    bool m_previousJoinable = false; // the archive before may share its key
};
