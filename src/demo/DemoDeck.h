#pragma once

#include "demo/DemoRandom.h"

#include <initializer_list>
#include <utility>
#include <vector>

// Draws values in fixed proportions but random order: a deck holding each
// value as often as asked, shuffled, dealt card by card and shuffled again
// when empty. Every state of a record thus occurs even in a small database.
template <typename T>
class DemoDeck {
public:
    DemoDeck(std::initializer_list<std::pair<T, int>> counts)
    {
        for (const auto& [value, count] : counts)
            m_cards.insert(m_cards.end(), static_cast<size_t>(count), value);
        m_next = m_cards.size();
    }

    T draw(DemoRandom& random)
    {
        if (m_next == m_cards.size()) {
            for (size_t i = m_cards.size(); i > 1; --i) {
                const size_t j = random.below(static_cast<uint32_t>(i));
                const T card = m_cards[i - 1];
                m_cards[i - 1] = m_cards[j];
                m_cards[j] = card;
            }
            m_next = 0;
        }
        return m_cards[m_next++];
    }

private:
    std::vector<T> m_cards;
    size_t m_next = 0;
};
