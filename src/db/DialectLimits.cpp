#include "db/DialectPieces.h"

#include "db/EngineDialect.h"

#include <algorithm>
#include <optional>

namespace {

class LimitPlacer {
public:
    LimitPlacer(std::vector<Piece>& pieces, const EngineDialect& engine)
        : m_pieces(pieces), m_engine(engine),
          m_compound(std::any_of(pieces.begin(), pieces.end(), [](const Piece& p) { return p.compound; }))
    {
    }

    void run()
    {
        for (size_t i = 0; i < m_pieces.size(); ++i) {
            if (m_pieces[i].endsSelect || !m_pieces[i].limit.isEmpty())
                i += closeBefore(i);
            if (!m_pieces[i].limit.isEmpty())
                m_select = i;
        }
        closeBefore(m_pieces.size());
    }

private:
    // Ends the limited select (if one is open) before the piece at; returns
    // the number of pieces inserted.
    size_t closeBefore(size_t at)
    {
        if (!m_select)
            return 0;
        Piece limit;
        limit.rewritten = QLatin1Char(' ') + m_engine.limit(m_pieces[*m_select].limit);
        if (m_compound) {
            Piece& select = m_pieces[*m_select];
            select.rewritten = QLatin1String("select * from (") + select.written.toString();
            limit.rewritten += QLatin1Char(')');
        }
        m_pieces.insert(m_pieces.begin() + static_cast<std::ptrdiff_t>(at), std::move(limit));
        m_select.reset();
        return 1;
    }

    std::vector<Piece>& m_pieces;
    const EngineDialect& m_engine;
    const bool m_compound;
    std::optional<size_t> m_select;
};

}

void placeLimits(std::vector<Piece>& pieces, const EngineDialect& engine)
{
    LimitPlacer(pieces, engine).run();
}
