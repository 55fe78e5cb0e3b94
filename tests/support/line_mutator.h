#pragma once

#include <QString>
#include <QtGlobal>

#include <random>

// Damage for the fuzz tests: characters inserted, removed, repeated and
// replaced, lines cut short and noise added. The pool holds a format's own
// characters; line breaks, NUL and text outside Windows-1252 come with every
// pool, as a damaged file holds them.
class LineMutator
{
public:
    LineMutator(quint32 seed, const QString &formatCharacters)
        : m_random(seed)
        , m_pool(formatCharacters + QStringLiteral("\r\n\t\u00EB\u20AC\u03A9\uFFFD") + QChar(0))
    {
    }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    QChar character()
    {
        if (below(8) == 0)
            return QChar(char16_t(below(0xD800)));
        return m_pool[below(int(m_pool.size()))];
    }

    QString mutate(QString line)
    {
        for (int steps = below(4); steps > 0; --steps) {
            const int at = line.isEmpty() ? 0 : below(int(line.size()) + 1);
            switch (below(6)) {
            case 0:
                line.insert(at, character());
                break;
            case 1:
                line.remove(at, below(6));
                break;
            case 2:
                line.insert(at, line.mid(below(int(line.size()) + 1), below(12)));
                break;
            case 3:
                line.truncate(at);
                break;
            case 4:
                if (at < line.size())
                    line[at] = character();
                break;
            default: {
                QString noise;
                for (int n = below(30); n > 0; --n)
                    noise += character();
                line.insert(at, noise);
            }
            }
        }
        return line;
    }

private:
    std::mt19937 m_random;
    QString m_pool;
};
