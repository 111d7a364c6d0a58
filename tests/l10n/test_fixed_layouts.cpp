// The dialogs laid out in fixed places hold every shipped language: no text
// elided, none wider than its control.
#include "dialogs/CEditorTestDoubles.h"

#include "dialogs/CNewEventDlg.h"
#include "dialogs/COptionsDlg.h"
#include "ShippedLanguages.h"
#include "l10n/CTranslations.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString Plain(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// The controls of window whose words do not fit them.
QStringList Cut(const QWidget &window)
{
    QStringList cut;
    const auto note = [&cut](const QWidget *w, const QString &text, int needed) {
        if (text.contains(QChar(0x2026)) || needed > w->width())
            cut << QStringLiteral("%1 \"%2\" needs %3 of %4 px").arg(w->objectName(), text).arg(needed).arg(w->width());
    };
    for (const QAbstractButton *b : window.findChildren<QAbstractButton *>()) {
        if (!b->isVisible() || b->text().isEmpty())
            continue;
        const QString text = Plain(b->text());
        // What is drawn beside the words: a push button's icon and frame,
        // a check or radio button's box.
        int beside = b->icon().isNull() ? 6 : b->iconSize().width() + 10;
        const QStyle *style = b->style();
        if (qobject_cast<const QRadioButton *>(b))
            beside = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
        else if (qobject_cast<const QCheckBox *>(b))
            beside = style->pixelMetric(QStyle::PM_IndicatorWidth) + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
        note(b, text, b->fontMetrics().horizontalAdvance(text) + beside);
    }
    for (const QLabel *l : window.findChildren<QLabel *>()) {
        if (l->isVisible() && !l->wordWrap() && !l->text().isEmpty())
            note(l, Plain(l->text()), l->fontMetrics().horizontalAdvance(Plain(l->text())));
    }
    for (const QGroupBox *g : window.findChildren<QGroupBox *>()) {
        if (g->isVisible())
            note(g, Plain(g->title()).trimmed(), g->fontMetrics().horizontalAdvance(Plain(g->title())));
    }
    return cut;
}

} // namespace

TEST(FixedLayouts, TheEditorAndOptionsHoldEveryLanguage)
{
    QStringList languages = ShippedLanguages();
    languages.prepend(QStringLiteral("en_US"));
    for (const QString &language : languages) {
        const CTranslations catalogue(CTranslations::Scope::ProgramOnly, QLocale(language));
        CEditorFixture fx;
        fx.m_context.m_AutostartEnabled = [] { return false; };

        CNewEventDlg editor(fx.m_context);
        editor.m_Date = COleDateTime(2026, 12, 10, 9, 0, 0);
        editor.m_AdvanceNotice = COleDateTimeSpan(1.0);
        editor.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
        EXPECT_EQ("", Cut(editor).join('\n').toStdString()) << "the editor in " << language.toStdString();

        COptionsDlg options(fx.m_context);
        options.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&options));
        EXPECT_EQ("", Cut(options).join('\n').toStdString()) << "Options in " << language.toStdString();
    }
}
