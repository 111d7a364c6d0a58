#include "model/CLocaleDateFormat.h"
#include "model/CLocaleDateReader.h"

#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <vector>
#include <gtest/gtest.h>

namespace {

// The text itself and the near misses a file may hold instead: other
// letter case, a leading zero dropped or added, a field out of range.
QStringList variants(const QString &text)
{
    static const QRegularExpression firstNumber(QStringLiteral("\\d+"));
    QStringList out { text, text.toLower(), text.toUpper(), text + QLatin1Char(' ') };
    const auto m = firstNumber.match(text);
    if (m.hasMatch()) {
        for (const char *replacement : { "0", "00", "13", "24", "60", "99", "0000" }) {
            QString t = text;
            out << t.replace(m.capturedStart(), m.capturedLength(), QLatin1String(replacement));
        }
        out << QString(text).insert(m.capturedStart(), QLatin1Char('0'));
        if (m.captured().startsWith(QLatin1Char('0')))
            out << QString(text).remove(m.capturedStart(), 1);
    }
    out << QString(text).replace(QLatin1String("PM"), QLatin1String("AM"))
        << QString(text).replace(QRegularExpression(QStringLiteral("\\s")), QString());
    return out;
}

bool asciiDigits(const QLocale &locale) { return locale.zeroDigit() == QLatin1String("0"); }

// Whatever the reader of one form accepts of values written in that form
// and their near misses, QLocale reads the same way; and a form the reader
// handles is read as the locale writes it. True when the form is handled.
// read(reader, text, value) and qtRead(text) read one kind of value.
template <typename Value, typename Read, typename QtRead>
bool readsAsQLocale(const QLocale &locale, const QString &form, const std::vector<Value> &values, Read read,
                    QtRead qtRead)
{
    const CLocaleDateReader reader(locale, form);
    for (const Value &v : values) {
        const QString written = locale.toString(v, form);
        for (const QString &text : variants(written)) {
            const QString where = locale.name() + u' ' + form + u' ' + text;
            Value got;
            if (read(reader, text, got))
                EXPECT_EQ(got, qtRead(text)) << qPrintable(where);
            else if (text == written && reader.IsUsable() && asciiDigits(locale))
                ADD_FAILURE() << "not read: " << qPrintable(where);
        }
    }
    return reader.IsUsable();
}

// Every form of every locale Qt knows, each form once.
TEST(LocaleDateReader, ReadsEveryLocaleFormAsQLocaleDoes)
{
    const std::vector<QDate> dates { { 2024, 2, 29 }, { 1999, 12, 31 }, { 2005, 1, 5 } };
    const std::vector<QTime> times { { 0, 0, 0 }, { 0, 5, 9 }, { 9, 5, 7 }, { 12, 0, 0 }, { 12, 30, 59 }, { 23, 59, 59 } };
    QSet<QString> seen;
    int usableDates = 0;
    int usableTimes = 0;
    for (const QLocale &locale :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        const QString dateForm = CLocaleDateFormat::DateFormat(locale);
        const QStringList timeForms { CLocaleDateFormat::TimeFormat(locale), locale.timeFormat(QLocale::ShortFormat) };
        const QString key = dateForm + u'|' + timeForms.join(u'|') + u'|' + locale.amText() + u'|'
            + locale.pmText() + u'|' + locale.zeroDigit();
        if (seen.contains(key))
            continue;
        seen.insert(key);
        const auto readDate = [](const CLocaleDateReader &r, const QString &t, QDate &d) { return r.ReadDate(t, d); };
        const auto readTime = [](const CLocaleDateReader &r, const QString &t, QTime &tm) { return r.ReadTime(t, tm); };
        usableDates += readsAsQLocale(locale, dateForm, dates, readDate,
                                      [&](const QString &t) { return locale.toDate(t, dateForm); });
        for (const QString &timeForm : timeForms)
            usableTimes += readsAsQLocale(locale, timeForm, times, readTime,
                                          [&](const QString &t) { return locale.toTime(t, timeForm); });
    }
    // Most locales write plain numeric forms.
    EXPECT_GT(usableDates, static_cast<int>(seen.size()) / 2);
    EXPECT_GT(usableTimes, static_cast<int>(seen.size()));
}

TEST(LocaleDateReader, FormsWithNamesOrShortYearsAreLeftToQLocale)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    for (const char *form : { "d MMM yyyy", "dddd, M/d/yyyy", "M/d/yy", "HH:mm:ss.zzz", "HH:mm t", "H:mm AP", "'unclosed" })
        EXPECT_FALSE(CLocaleDateReader(us, QLatin1String(form)).IsUsable()) << form;
    QDate d;
    const CLocaleDateReader quoted(us, QStringLiteral("yyyy'y' MM'm' dd''"));
    ASSERT_TRUE(quoted.ReadDate(u"2024y 03m 05'", d));
    EXPECT_EQ(d, QDate(2024, 3, 5));
}

} // namespace
