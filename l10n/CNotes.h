#pragma once

#include <QString>

// Short texts the core libraries make in English, for a person to read: why
// a file was refused, what an import or a sync gave up. They stay English
// where they are kept and passed on (the traces, the command line's JSON,
// the sync reading the import's notes back); where one is shown, Shown()
// puts it in the user's words.
//
// Each text is marked where it is made, in the one context kContext:
//     CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "the server sent the request to %1")).arg(target)
// which remembers it as a pattern. Shown() finds the pattern a note was made
// from (its %1... standing for any text, %n for a number), translates it
// and shows its arguments in turn, so a note built of notes comes out
// whole; what no pattern covers (a file name, a reminder's message) stays
// as it is.
class CNotes
{
public:
    static constexpr char kContext[] = "CNotes";

    // source, the English note, remembered for Shown(); %1... are filled
    // in by the caller with arg().
    static QString Note(const char *source);
    // The same with a count: %n is n (for the language's plural forms).
    static QString Note(const char *source, int n);

    // note in the user's words. A note no pattern matches whole is taken
    // apart at "; ", the separator of the notes' lists, and its pieces
    // shown.
    static QString Shown(const QString &note);

private:
    static QString shown(const QString &note, int depth);
    static bool matched(const QString &note, int depth, QString &out);
};
