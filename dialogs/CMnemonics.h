#pragma once

#include <QString>

class QFontMetrics;
class QMenu;

// Underlined letters for entries that have none, each letter used once
// among its neighbours: the start of a word where one is free, else any
// free letter or digit.
class CMnemonics
{
public:
    // The underlined letter of text (lower case), or a null character.
    static QChar Of(const QString &text);
    // text with an underlined letter not in used, which then joins used;
    // text as it is when it has one already (its letter joins used too) or
    // when no letter is free.
    static QString Add(const QString &text, QString &used);
    // Every entry of menu gets a letter of its own; entries with one keep it.
    static void Assign(QMenu *menu);
    // text (with its & mark) when its words fit width; else the words cut
    // in the middle to fit, without the mark.
    static QString FitText(const QFontMetrics &metrics, const QString &text, int width);
};
