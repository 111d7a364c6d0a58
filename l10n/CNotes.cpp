#include "l10n/CNotes.h"

#include <QCoreApplication>
#include <QHash>
#include <QMutex>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <vector>

namespace {

// Deep enough for a note inside a note inside a note, and an end to it.
constexpr int kMaxDepth = 6;

struct Pattern
{
    const char *m_Source = nullptr;
    QRegularExpression m_Match;
    QList<int> m_Arguments; // for each capture, its %1... number; 0 for %n
    qsizetype m_Words = 0;  // the characters that are not placeholders
    bool m_Punctuation = false; // nothing but placeholders and signs ("%1: %2")
};

struct Patterns
{
    QMutex m_Mutex;
    QSet<QByteArray> m_Known;
    std::vector<Pattern> m_List; // the most words first
};

Patterns &patterns()
{
    static Patterns all;
    return all;
}

Pattern compile(const char *source)
{
    Pattern p;
    p.m_Source = source;
    const QString text = QString::fromUtf8(source);
    QString expression;
    QString literal;
    bool letters = false;
    const auto flush = [&] {
        for (const QChar c : literal)
            letters = letters || c.isLetter();
        expression += QRegularExpression::escape(literal);
        p.m_Words += literal.size();
        literal.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('%') && i + 1 < text.size()) {
            if (text[i + 1] == QLatin1Char('n')) {
                flush();
                expression += QStringLiteral("(\\d+)");
                p.m_Arguments << 0;
                ++i;
                continue;
            }
            qsizetype end = i + 1;
            while (end < text.size() && text[end].isDigit())
                ++end;
            if (end > i + 1) {
                flush();
                expression += QStringLiteral("(.+?)");
                p.m_Arguments << text.mid(i + 1, end - i - 1).toInt();
                i = end - 1;
                continue;
            }
        }
        literal += text[i];
    }
    flush();
    p.m_Punctuation = !letters;
    p.m_Match = QRegularExpression(QStringLiteral("\\A(?:%1)\\z").arg(expression),
                                   QRegularExpression::DotMatchesEverythingOption);
    return p;
}

void remember(const char *source)
{
    Patterns &all = patterns();
    const QMutexLocker lock(&all.m_Mutex);
    const QByteArray key(source);
    if (all.m_Known.contains(key))
        return;
    all.m_Known.insert(key);
    Pattern p = compile(source);
    const auto at = std::upper_bound(all.m_List.begin(), all.m_List.end(), p.m_Words,
                                     [](qsizetype words, const Pattern &q) { return words > q.m_Words; });
    all.m_List.insert(at, std::move(p));
}

// text with each %1... replaced by its argument, in one pass, so that an
// argument holding a % stays as it is.
QString filled(const QString &text, const QHash<int, QString> &arguments)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype end = i + 1;
        if (text[i] == QLatin1Char('%'))
            while (end < text.size() && text[end].isDigit())
                ++end;
        const auto it = end > i + 1 ? arguments.constFind(text.mid(i + 1, end - i - 1).toInt()) : arguments.constEnd();
        if (it != arguments.constEnd()) {
            out += it.value();
            i = end - 1;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace

QString CNotes::Note(const char *source)
{
    remember(source);
    return QString::fromUtf8(source);
}

QString CNotes::Note(const char *source, int n)
{
    remember(source);
    return QString::fromUtf8(source).replace(QStringLiteral("%n"), QString::number(n));
}

QString CNotes::Shown(const QString &note) { return shown(note, 0); }

bool CNotes::matched(const QString &note, int depth, QString &out)
{
    std::vector<Pattern> list;
    {
        Patterns &all = patterns();
        const QMutexLocker lock(&all.m_Mutex);
        list = all.m_List;
    }
    for (const Pattern &p : list) {
        const QRegularExpressionMatch m = p.m_Match.match(note);
        if (!m.hasMatch())
            continue;
        int n = -1;
        bool known = false;
        QHash<int, QString> arguments;
        for (qsizetype i = 0; i < p.m_Arguments.size(); ++i) {
            const QString captured = m.captured(static_cast<int>(i + 1));
            if (p.m_Arguments[i] == 0) {
                n = captured.toInt();
                continue;
            }
            const QString argument = shown(captured, depth + 1);
            known = known || argument != captured;
            arguments.insert(p.m_Arguments[i], argument);
        }
        // Signs alone say nothing of where a text came from: a message of
        // the user's with a colon in it is no note.
        if (p.m_Punctuation && !known)
            continue;
        out = filled(QCoreApplication::translate(kContext, p.m_Source, nullptr, n), arguments);
        return true;
    }
    return false;
}

QString CNotes::shown(const QString &note, int depth)
{
    QString out;
    if (depth > kMaxDepth || note.isEmpty())
        return note;
    if (matched(note, depth, out))
        return out;
    const QString separator = QStringLiteral("; ");
    if (note.contains(separator)) {
        QStringList pieces = note.split(separator);
        bool known = false;
        for (QString &piece : pieces) {
            const QString was = piece;
            piece = shown(piece, depth + 1);
            known = known || piece != was;
        }
        // Text of no note (a message of the user's) stays as it was.
        //: Between the items of a list of notes.
        return known ? pieces.join(QCoreApplication::translate(kContext, QT_TRANSLATE_NOOP("CNotes", "; "))) : note;
    }
    return note;
}
