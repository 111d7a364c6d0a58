// The calendar's menus show the keys of their commands and an underlined
// letter of its own on every entry; the manual lists every key.
#include "calendar/CCalendarMenus.h"
#include "calendar/CMenuKeys.h"
#include "dialogs/CMnemonics.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <gtest/gtest.h>
#include <map>
#include <memory>

TEST(MenuKeys, EveryEntryHasItsOwnLetterAndShowsItsKeys)
{
    for (const int id : { CCalendarMenus::kReminderMenu, CCalendarMenus::kGeneralMenu }) {
        std::unique_ptr<QMenu> menu(CCalendarMenus::Create(id, nullptr));
        QString letters;
        std::map<int, QKeySequence> shown;
        for (const QAction *action : menu->actions()) {
            if (action->isSeparator())
                continue;
            const QChar letter = CMnemonics::Of(action->text());
            ASSERT_FALSE(letter.isNull()) << action->text().toStdString();
            EXPECT_FALSE(letters.contains(letter)) << action->text().toStdString();
            letters += letter;
            // Each entry's letter is the one the eye looks for first.
            if (action->data().toInt() == 144)
                EXPECT_EQ(letter, QLatin1Char('o'));
            EXPECT_EQ(QString(action->text()).remove(QLatin1Char('&')).size(), action->text().size() - 1);
            if (!action->shortcut().isEmpty()) {
                EXPECT_TRUE(action->isShortcutVisibleInContextMenu());
                shown[action->data().toInt()] = action->shortcut();
            }
        }
        EXPECT_EQ(shown[32], QKeySequence(Qt::CTRL | Qt::Key_P));
        EXPECT_EQ(shown[33], QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
        EXPECT_EQ(shown[32780], QKeySequence(Qt::CTRL | Qt::Key_N));
        EXPECT_EQ(shown[144], QKeySequence(Qt::CTRL | Qt::Key_O));
    }
}

TEST(MenuKeys, TheManualListsEveryKeyOfTheWindow)
{
    QFile page(QStringLiteral(KM_SOURCE_DIR "/resources/help/KM.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    for (const CMenuKeys::Key &key : CMenuKeys::Table()) {
        // "Ctrl+Shift+P" as the page writes it: each key in its own box.
        QString written = key.m_Keys.toString(QKeySequence::PortableText);
        if (written.startsWith(QLatin1String("Shift+Ctrl+")))
            written = QStringLiteral("Ctrl+Shift+") + written.mid(11);
        written = QStringLiteral("<kbd>") + written.replace(QLatin1Char('+'), QStringLiteral("</kbd>+<kbd>")) + QStringLiteral("</kbd>");
        EXPECT_TRUE(html.contains(written)) << written.toStdString();
    }
}
