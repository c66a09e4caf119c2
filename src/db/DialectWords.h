#pragma once

#include <QStringView>

#include <string_view>

// The ASCII lower-case form of a short word, for looking up keywords,
// functions and columns without allocating. Empty for a word that is too
// long or holds other than ASCII characters: none of those is known.
class LowerWord {
public:
    explicit LowerWord(QStringView word)
    {
        if (word.size() > kCapacity)
            return;
        for (const QChar c : word) {
            if (c.unicode() > 0x7f)
                return;
            const char ascii = static_cast<char>(c.unicode());
            m_text[m_size++] = ascii >= 'A' && ascii <= 'Z' ? static_cast<char>(ascii - 'A' + 'a') : ascii;
        }
        m_valid = true;
    }

    std::string_view view() const { return m_valid ? std::string_view(m_text, m_size) : std::string_view(); }
    bool operator==(std::string_view other) const { return view() == other; }

private:
    static constexpr qsizetype kCapacity = 32;
    char m_text[kCapacity] = {};
    size_t m_size = 0;
    bool m_valid = false;
};
