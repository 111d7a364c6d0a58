// The sharing dialogs drawn off screen: every text fits and nothing
// overlaps at their opening size. With KM_SCREENSHOT_DIR set the pictures
// are also written there, to look at.
#include "dialogs/CDateRangeDlg.h"
#include "dialogs/CDeleteRangeDlg.h"
#include "dialogs/CExportSelectionDlg.h"
#include "dialogs/CReminderPackTitleDlg.h"
#include "model/CReminderList.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// A text as drawn: a mnemonic's marker is not shown, a doubled one shows once.
QString Shown(QString text)
{
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&')).replace(QChar(1), QLatin1Char('&'));
}

void checkAndSave(QWidget &w, const char *name)
{
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QImage picture = w.grab().toImage();
    EXPECT_GE(picture.width(), 200);
    // Button and label texts are not cut off.
    for (const QAbstractButton *b : w.findChildren<QAbstractButton *>()) {
        if (b->isVisible() && !b->text().isEmpty()) {
            EXPECT_GE(b->width(), b->fontMetrics().horizontalAdvance(Shown(b->text()))) << b->text().toStdString();
        }
    }
    for (const QLabel *l : w.findChildren<QLabel *>()) {
        if (l->isVisible() && !l->wordWrap()) {
            EXPECT_GE(l->width(), l->fontMetrics().horizontalAdvance(Shown(l->text()))) << l->text().toStdString();
        }
    }
    const QString dir = qEnvironmentVariable("KM_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        QDir().mkpath(dir);
        picture.save(dir + QLatin1Char('/') + QString::fromLatin1(name) + QStringLiteral(".png"));
    }
}

TEST(SharingDialogPictures, RangeDialogs)
{
    CDateRangeDlg print;
    print.m_From = print.m_To = COleDateTime(2024, 9, 14, 0, 0, 0);
    checkAndSave(print, "print-range");
    CDeleteRangeDlg del;
    del.m_From = COleDateTime(2024, 3, 18, 0, 0, 0);
    del.m_To = COleDateTime(2024, 8, 15, 0, 0, 0);
    checkAndSave(del, "delete-range");
}

TEST(SharingDialogPictures, ExportSelectionAndTitle)
{
    CReminderList list;
    CReminder a;
    a.m_DateTime = COleDateTime(2024, 5, 2, 8, 15, 0);
    a.m_Message = QStringLiteral("Dentist appointment at the clinic");
    CReminder b = a;
    b.m_DateTime = COleDateTime(1990, 7, 4, 0, 0, 0);
    b.m_Message = QStringLiteral("Anniversary");
    b.m_Recurrence = RecurAnnual;
    list.Assign({ a, b });
    CExportSelectionDlg dlg(list);
    dlg.show();
    dlg.LeftList()->topLevelItem(1)->setSelected(true);
    dlg.OnAdd();
    checkAndSave(dlg, "export-selection");

    CReminderPackTitleDlg title;
    checkAndSave(title, "pack-title");
}

} // namespace
