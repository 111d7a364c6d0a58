#include "dialogs/CMnemonics.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenu>

QChar CMnemonics::Of(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toLower();
        ++i; // "&&" is a shown ampersand
    }
    return QChar();
}

QString CMnemonics::Add(const QString &text, QString &used)
{
    const QChar own = Of(text);
    if (!own.isNull()) {
        used += own;
        return text;
    }
    qsizetype chosen = -1;
    for (int pass = 0; pass < 2 && chosen < 0; ++pass) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            const bool wordStart = i == 0 || !text[i - 1].isLetterOrNumber();
            if (c.isLetterOrNumber() && (pass == 1 || wordStart) && !used.contains(c.toLower())) {
                chosen = i;
                break;
            }
        }
    }
    if (chosen < 0)
        return text;
    used += text[chosen].toLower();
    QString result = text;
    result.insert(chosen, QLatin1Char('&'));
    return result;
}

void CMnemonics::Assign(QMenu *menu)
{
    QString used;
    const QList<QAction *> actions = menu->actions();
    // Letters already given are kept, whatever their place in the menu.
    for (const QAction *action : actions) {
        const QChar own = Of(action->text());
        if (!own.isNull())
            used += own;
    }
    for (QAction *action : actions) {
        if (!action->isSeparator() && Of(action->text()).isNull())
            action->setText(Add(action->text(), used));
    }
}

QString CMnemonics::FitText(const QFontMetrics &metrics, const QString &text, int width)
{
    QString plain = text;
    const qsizetype mark = plain.indexOf(QLatin1Char('&'));
    if (mark >= 0 && mark + 1 < plain.size() && plain.at(mark + 1) != QLatin1Char('&'))
        plain.remove(mark, 1);
    return metrics.horizontalAdvance(plain) <= width ? text : metrics.elidedText(plain, Qt::ElideMiddle, width);
}
