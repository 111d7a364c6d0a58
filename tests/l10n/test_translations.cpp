#include "app/COrvantis2App.h"
#include "app/CShellRegistration.h"
#include "app/CWindowHeadings.h"
#include "dialogs/CSkinLabels.h"
#include "ShippedLanguages.h"
#include "l10n/CTranslations.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

struct EnvGuard
{
    explicit EnvGuard(const char *name, const QByteArray &value) : m_name(name), m_old(qgetenv(name)), m_had(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    ~EnvGuard() { m_had ? qputenv(m_name, m_old) : qunsetenv(m_name); }
    const char *m_name;
    QByteArray m_old;
    bool m_had;
};

} // namespace

// The catalogues the programs carry load for the user's locale and say the
// texts in that language; English and the C locale need none.
TEST(Translations, TheLocalesCatalogueSpeaksItsLanguageAndEnglishNeedsNone)
{
    EXPECT_EQ((QStringList { "de", "es", "fr", "it", "nl", "pl", "pt_BR" }), ShippedLanguages());
    {
        const CTranslations german(CTranslations::Scope::WithQt, QLocale(QLocale::German, QLocale::Germany));
        ASSERT_EQ(2, german.Loaded().size());
        EXPECT_TRUE(german.Loaded()[0].startsWith("de")) << german.Loaded()[0].toStdString();
        EXPECT_TRUE(german.Loaded()[1].startsWith("qtbase_de")) << german.Loaded()[1].toStdString();
        EXPECT_EQ("Neu", QCoreApplication::translate("COrvantis2Dlg", "New"));
        // Qt's own dialogs too.
        EXPECT_EQ("Drucken", QCoreApplication::translate("QPrintPreviewDialog", "Print"));
        // Plural forms: Polish has three, German two.
        EXPECT_EQ("Noch 2 Tage:\n", QCoreApplication::translate("CReminderCheck", "%n days to go:\n", nullptr, 2));
    }
    {
        const CTranslations polish(CTranslations::Scope::ProgramOnly, QLocale(QLocale::Polish, QLocale::Poland));
        EXPECT_EQ("5 godzin", QCoreApplication::translate("CDayListRows", "%n hours", nullptr, 5));
        EXPECT_EQ("3 godziny", QCoreApplication::translate("CDayListRows", "%n hours", nullptr, 3));
        EXPECT_EQ("22 godziny", QCoreApplication::translate("CDayListRows", "%n hours", nullptr, 22));
        EXPECT_EQ("12 godzin", QCoreApplication::translate("CDayListRows", "%n hours", nullptr, 12));
    }
    const CTranslations english(CTranslations::Scope::WithQt, QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_TRUE(english.Loaded().isEmpty());
    EXPECT_EQ("New", QCoreApplication::translate("COrvantis2Dlg", "New"));
}

TEST(Translations, ThePseudoTranslationIsLongerAndKeepsPlaceholders)
{
    const EnvGuard pseudo(CTranslations::kPseudoVariable, "1");
    const CTranslations translations(CTranslations::Scope::ProgramOnly, QLocale(QLocale::German, QLocale::Germany));
    ASSERT_EQ(QStringList { "pseudo" }, translations.Loaded());
    const QString source = QStringLiteral("Go to today (%1)");
    const QString shown = QCoreApplication::translate("COrvantis2Dlg", "Go to today (%1)");
    EXPECT_TRUE(shown.startsWith('[') && shown.endsWith(']')) << shown.toStdString();
    EXPECT_TRUE(shown.contains("%1"));
    EXPECT_GE(shown.size(), source.size() * 13 / 10);
}

TEST(Translations, TheHelpPageIsTheLanguagesWhereThereIsOne)
{
    const QStringList pages { "KM.html", "KM_de.html", "KM_fr.html", "main-window.png" };
    EXPECT_EQ("KM_de.html", COrvantis2App::HelpPageName(QLocale(QLocale::German, QLocale::Austria), pages));
    EXPECT_EQ("KM_fr.html", COrvantis2App::HelpPageName(QLocale(QLocale::French, QLocale::Canada), pages));
    EXPECT_EQ("KM.html", COrvantis2App::HelpPageName(QLocale(QLocale::Dutch, QLocale::Netherlands), pages));
    EXPECT_EQ("KM.html", COrvantis2App::HelpPageName(QLocale::c(), pages));
}

// The entry that starts the program at log-in describes it in the
// languages the installed entry does, whatever language wrote it.
TEST(Translations, TheAutostartEntrySpeaksTheShippedLanguages)
{
    const QString entry = CShellRegistration::AutostartEntry(QStringLiteral("/opt/km/kestrelmark"));
    for (const QString &language : ShippedLanguages())
        EXPECT_TRUE(entry.contains(QStringLiteral("\nComment[%1]=").arg(language))) << language.toStdString();
    EXPECT_TRUE(entry.contains(QStringLiteral("\nComment[de]=Erinnerungen auf einem Monatskalender"))) << entry.toStdString();
    EXPECT_EQ(1, entry.count(QStringLiteral("\nComment=")));
}

// The main window's painted headings: left alone where the artwork's words
// are right, painted over in the language's, from its first weekday.
TEST(WindowHeadings, OnlyAnotherLanguageOrWeekIsPaintedOver)
{
    EXPECT_TRUE(CWindowHeadings::Labels(QLocale::c(), 1, "Upcoming reminders").isEmpty());
    EXPECT_TRUE(CWindowHeadings::Labels(QLocale(QLocale::English, QLocale::UnitedStates), 1, "Upcoming reminders").isEmpty());
    const QList<CSkinLabels::Label> german =
        CWindowHeadings::Labels(QLocale(QLocale::German, QLocale::Germany), 2, QStringLiteral("Nächste Erinnerungen"));
    ASSERT_EQ(9, german.size()); // the heading, the strip rebuilt, seven days
    EXPECT_EQ("Nächste Erinnerungen", german[0].m_Text);
    EXPECT_EQ("Mo", german[2].m_Text);
    EXPECT_EQ("So", german[8].m_Text);
    EXPECT_EQ(german[7].m_Colour, german[8].m_Colour); // Saturday and Sunday alike
    EXPECT_NE(german[2].m_Colour, german[8].m_Colour);
}

// Words painted over the artwork: the band under them rebuilt from its
// ends, the new words fitted to the box rather than cut.
TEST(SkinLabels, TheOldWordsGoAndTheNewOnesFit)
{
    QImage face(100, 20, QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 100; ++x)
            face.setPixelColor(x, y, QColor(40 + y * 5, 60, 90));
    QImage worded = face;
    for (int x = 30; x < 60; ++x)
        worded.setPixelColor(x, 10, Qt::white); // the artwork's words
    CSkinLabels::Label band;
    band.m_Box = QRectF(10, 5, 80, 10);
    band.m_LeftSample = 10;
    band.m_RightSample = 90;
    EXPECT_EQ(face, CSkinLabels::Paint(worded, { band }));
    EXPECT_EQ(QColor(Qt::white), CSkinLabels::TextColour(worded, band.m_Box));

    EXPECT_EQ(11, CSkinLabels::FittingSize(QStringLiteral("Neu"), 60));
    const int shrunk = CSkinLabels::FittingSize(QStringLiteral("Erinnerungen des Tages"), 60);
    EXPECT_LT(shrunk, 11);
    EXPECT_GE(shrunk, 7);
}
