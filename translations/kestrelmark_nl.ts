<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CAboutBoxDlg</name>
    <message>
        <source>About Kestrelmark</source>
        <translation>Over Kestrelmark</translation>
    </message>
    <message>
        <source>Kestrelmark
Personal Reminder Software</source>
        <translation>Kestrelmark
Persoonlijke herinneringssoftware</translation>
    </message>
</context>
<context>
    <name>CCalendarAccessible</name>
    <message>
        <source>Today</source>
        <translation>Vandaag</translation>
    </message>
</context>
<context>
    <name>CCalendarCsv</name>
    <message>
        <source>Windows CSV file successfully imported.</source>
        <translation>Windows-CSV-bestand geïmporteerd.</translation>
    </message>
    <message>
        <source>
Its dates could be read day first or month first; they were read as your locale writes them (%1).</source>
        <extracomment>%1 is the date form the file was read in, e.g. &quot;dd.MM.yyyy&quot;.</extracomment>
        <translation>
De datums konden met de dag of met de maand eerst worden gelezen; ze zijn gelezen zoals uw landinstelling ze schrijft (%1).</translation>
    </message>
</context>
<context>
    <name>CCalendarKeys</name>
    <message>
        <source>dddd d MMMM yyyy</source>
        <extracomment>How a screen reader reads a calendar day: a date format of QDate (dddd the weekday, d the day, MMMM the month&apos;s name, yyyy the year), in the order and with the signs the language uses.</extracomment>
        <translation>dddd d MMMM yyyy</translation>
    </message>
    <message>
        <source>, 1 reminder: </source>
        <extracomment>After the day&apos;s name, before the list of its reminders.</extracomment>
        <translation>, 1 herinnering: </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>, %n reminders: </source>
        <translation>
            <numerusform>, %n herinnering: </numerusform>
            <numerusform>, %n herinneringen: </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CCalendarMenus</name>
    <message>
        <source>&amp;Delete this reminder...</source>
        <translation>Deze herinnering &amp;verwijderen...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bewerken...</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nieuw...</translation>
    </message>
    <message>
        <source>&amp;About Kestrelmark...</source>
        <translation>&amp;Over Kestrelmark...</translation>
    </message>
    <message>
        <source>&amp;Print reminders...</source>
        <translation>Herinneringen &amp;afdrukken...</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>Af&amp;drukvoorbeeld...</translation>
    </message>
    <message>
        <source>E&amp;xport reminders...</source>
        <translation>Herinneringen e&amp;xporteren...</translation>
    </message>
    <message>
        <source>&amp;Import reminders...</source>
        <translation>Herinneringen &amp;importeren...</translation>
    </message>
    <message>
        <source>Delete &amp;range of reminders...</source>
        <translation>Herinneringen uit een &amp;periode verwijderen...</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Help...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>Op&amp;ties...</translation>
    </message>
    <message>
        <source>Proper&amp;ties</source>
        <translation>&amp;Eigenschappen</translation>
    </message>
</context>
<context>
    <name>CCalendarWnd</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
</context>
<context>
    <name>CCloseWarningDlg</name>
    <message>
        <source>If you close Kestrelmark, you will not be notified of future reminders until you restart your computer or run Kestrelmark again.  For maximum functionality, it is recommended that you &apos;just minimize.&apos;</source>
        <translation>Als u Kestrelmark afsluit, krijgt u geen meldingen van volgende herinneringen tot u de computer opnieuw opstart of Kestrelmark weer start.  Voor het beste resultaat raden we aan het venster ‘alleen te minimaliseren’.</translation>
    </message>
    <message>
        <source>Kestrelmark -- Close Warning!</source>
        <translation>Kestrelmark – waarschuwing bij afsluiten!</translation>
    </message>
    <message>
        <source>Just &amp;minimize</source>
        <translation>Alleen &amp;minimaliseren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>CConversionProgress</name>
    <message>
        <source>Sorry, there will be a slight delay while converting graphics to 256 colors.  For best results, please change your Display Properties to 24- or 16-bit color (16.7 million or 65536 colors).</source>
        <translation>Een ogenblik: de afbeeldingen worden omgezet naar 256 kleuren.  Voor het beste resultaat stelt u het scherm in op 24 of 16 bits kleur (16,7 miljoen of 65.536 kleuren).</translation>
    </message>
</context>
<context>
    <name>CDateRangeCheck</name>
    <message>
        <source>One or both of the dates is invalid.  Please re-check them and try again.</source>
        <translation>Ten minste een van de datums is ongeldig.  Controleer ze en probeer het opnieuw.</translation>
    </message>
</context>
<context>
    <name>CDateRangeDlg</name>
    <message>
        <source>Print reminders</source>
        <translation>Herinneringen afdrukken</translation>
    </message>
    <message>
        <source>Reminders for the following date range will be printed:</source>
        <translation>De herinneringen uit deze periode worden afgedrukt:</translation>
    </message>
</context>
<context>
    <name>CDayListRows</name>
    <message>
        <source>1 day</source>
        <translation>1 dag</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 uur</translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n uur</numerusform>
            <numerusform>%n uur</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <extracomment>Minutes of advance notice, in a narrow column: abbreviated.</extracomment>
        <translation>1 minuut</translation>
    </message>
    <message numerus="yes">
        <source>%n mins.</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message>
        <source>Reminders for %1:</source>
        <extracomment>The title of the day&apos;s list; %1 is the day.</extracomment>
        <translation>Herinneringen op %1:</translation>
    </message>
    <message>
        <source>[%1]
Are you sure you want to delete this reminder?</source>
        <extracomment>%1 is the reminder&apos;s message.</extracomment>
        <translation>[%1]
Weet u zeker dat u deze herinnering wilt verwijderen?</translation>
    </message>
    <message>
        <source>Please select a reminder to delete.</source>
        <translation>Selecteer de herinnering die u wilt verwijderen.</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n dag</numerusform>
            <numerusform>%n dagen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDeleteRangeDlg</name>
    <message>
        <source>Delete reminders</source>
        <translation>Herinneringen verwijderen</translation>
    </message>
    <message>
        <source>Reminders for the following date range will be deleted:</source>
        <translation>De herinneringen uit deze periode worden verwijderd:</translation>
    </message>
    <message>
        <source>Delete &amp;one-time reminders only.</source>
        <translation>Alleen &amp;eenmalige herinneringen verwijderen.</translation>
    </message>
</context>
<context>
    <name>CDesktopNotification</name>
    <message>
        <source>Show</source>
        <translation>Tonen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Snooze</source>
        <extracomment>The notification&apos;s button that puts the reminder off.</extracomment>
        <translation>Sluimeren</translation>
    </message>
</context>
<context>
    <name>CEditRemindersDlg</name>
    <message>
        <source>Edit reminders</source>
        <translation>Herinneringen bewerken</translation>
    </message>
    <message>
        <source>Reminders of the day</source>
        <translation>Herinneringen van de dag</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bewerken</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Soort</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Adv. time</source>
        <translation>Vooraf</translation>
    </message>
    <message>
        <source>0 minutes</source>
        <translation>0 minuten</translation>
    </message>
</context>
<context>
    <name>CExportSelectionDlg</name>
    <message>
        <source>Choose reminders to export as a Reminder Pack</source>
        <translation>Herinneringen kiezen om als pakket te exporteren</translation>
    </message>
    <message>
        <source>Share reminders with a friend!  Choose the reminders you want to export by moving them into the right-hand window.  Save to disk, or, if supported, email them to a friend!</source>
        <translation>Deel herinneringen met vrienden!  Kies de herinneringen die u wilt exporteren door ze naar de lijst rechts te verplaatsen.  Sla ze op als bestand of stuur ze, indien mogelijk, per e-mail.</translation>
    </message>
    <message>
        <source>C&amp;urrent reminders</source>
        <translation>&amp;Huidige herinneringen</translation>
    </message>
    <message>
        <source>&amp;Reminders to export:</source>
        <translation>Te &amp;exporteren herinneringen:</translation>
    </message>
    <message>
        <source>Current reminders</source>
        <translation>Huidige herinneringen</translation>
    </message>
    <message>
        <source>Reminders to export</source>
        <translation>Te exporteren herinneringen</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Opslaan...</translation>
    </message>
    <message>
        <source>&amp;Mail to...</source>
        <translation>Per e-&amp;mail versturen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>First, please select the reminders you want to export.</source>
        <translation>Selecteer eerst de herinneringen die u wilt exporteren.</translation>
    </message>
    <message>
        <source>Please select one or more reminders to export first.</source>
        <translation>Selecteer eerst een of meer herinneringen om te exporteren.</translation>
    </message>
    <message>
        <source>Please select one or more reminders to remove from the export list.</source>
        <translation>Selecteer een of meer herinneringen om uit de exportlijst te halen.</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Herinneringen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Soort</translation>
    </message>
</context>
<context>
    <name>CIconLibrary</name>
    <message>
        <source>Importing icons...</source>
        <translation>Pictogrammen importeren...</translation>
    </message>
</context>
<context>
    <name>CIcsFile</name>
    <message>
        <source>iCalendar file successfully imported.</source>
        <translation>iCalendar-bestand geïmporteerd.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 could not be opened.</source>
        <translation>Helaas kon het bestand %1 niet worden geopend.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 was not imported: %2.</source>
        <extracomment>%1 is the file, %2 why it was refused.</extracomment>
        <translation>Helaas is het bestand %1 niet geïmporteerd: %2.</translation>
    </message>
    <message>
        <source>1 reminder added</source>
        <translation>1 herinnering toegevoegd</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders added</source>
        <translation>
            <numerusform>%n herinnering toegevoegd</numerusform>
            <numerusform>%n herinneringen toegevoegd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n already in the list.</source>
        <translation>
            <numerusform>, %n al in de lijst.</numerusform>
            <numerusform>, %n al in de lijst.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event simplified.</source>
        <translation>1 gebeurtenis vereenvoudigd.</translation>
    </message>
    <message numerus="yes">
        <source>%n events simplified.</source>
        <translation>
            <numerusform>%n gebeurtenis vereenvoudigd.</numerusform>
            <numerusform>%n gebeurtenissen vereenvoudigd.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event left out.</source>
        <translation>1 gebeurtenis weggelaten.</translation>
    </message>
    <message numerus="yes">
        <source>%n events left out.</source>
        <translation>
            <numerusform>%n gebeurtenis weggelaten.</numerusform>
            <numerusform>%n gebeurtenissen weggelaten.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CImportProgress</name>
    <message>
        <source>Importing reminders from %1...</source>
        <extracomment>%1 is the name of the file being imported.</extracomment>
        <translation>Herinneringen importeren uit %1...</translation>
    </message>
</context>
<context>
    <name>CIntegerField</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Voer een geheel getal in.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Voer een geheel getal tussen %1 en %2 in.</translation>
    </message>
</context>
<context>
    <name>CMainCommands</name>
    <message>
        <source>Sorry, the manual is missing. It belongs at %1.</source>
        <extracomment>%1 is the path of the help page.</extracomment>
        <translation>Helaas ontbreekt de handleiding. Die hoort in %1.</translation>
    </message>
    <message>
        <source>Sorry, no program could show the manual. You can open it in a web browser; it is at %1.</source>
        <extracomment>%1 is the path of the help page.</extracomment>
        <translation>Helaas kon geen programma de handleiding tonen. U kunt die openen in een webbrowser; hij staat in %1.</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Geluiden aan.</translation>
    </message>
    <message>
        <source>Sound is now off.</source>
        <translation>Geluiden staan nu uit.</translation>
    </message>
    <message>
        <source>Reminder message:
[%1]
Are you sure you want to delete this reminder?</source>
        <extracomment>%1 is the reminder&apos;s message.</extracomment>
        <translation>Tekst van de herinnering:
[%1]
Weet u zeker dat u deze herinnering wilt verwijderen?</translation>
    </message>
</context>
<context>
    <name>CNewEventDlg</name>
    <message>
        <source>Reminder</source>
        <translation>Herinnering</translation>
    </message>
    <message>
        <source>&amp;Time of day</source>
        <translation>&amp;Tijd</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Uur</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuut</translation>
    </message>
    <message>
        <source>&amp;AM</source>
        <translation>&amp;AM</translation>
    </message>
    <message>
        <source>&amp;PM</source>
        <translation>&amp;PM</translation>
    </message>
    <message>
        <source>How often?</source>
        <translation>Hoe vaak?</translation>
    </message>
    <message>
        <source>&amp;One-time</source>
        <translation>&amp;Eenmalig</translation>
    </message>
    <message>
        <source>A&amp;nnual</source>
        <translation>&amp;Jaarlijks</translation>
    </message>
    <message>
        <source>Mont&amp;hly</source>
        <translation>Per &amp;maand</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>&amp;Wekelijks</translation>
    </message>
    <message>
        <source>Send reminder in ad&amp;vance...</source>
        <translation>&amp;Vooraf herinneren...</translation>
    </message>
    <message>
        <source>Days in advance</source>
        <translation>Dagen vooraf</translation>
    </message>
    <message>
        <source>Hours in advance</source>
        <translation>Uren vooraf</translation>
    </message>
    <message>
        <source>Minutes in advance</source>
        <translation>Minuten vooraf</translation>
    </message>
    <message>
        <source>days</source>
        <translation>dagen</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>uur</translation>
    </message>
    <message>
        <source>mins.</source>
        <extracomment>Under the field of minutes in advance: short, the field is narrow.</extracomment>
        <translation>min</translation>
    </message>
    <message>
        <source>Select &amp;icon</source>
        <translation>P&amp;ictogram kiezen</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Pictogram</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Add icon</source>
        <translation>Pictogram toevoegen</translation>
    </message>
    <message>
        <source>A&amp;dd icon</source>
        <translation>T&amp;oevoegen</translation>
    </message>
    <message>
        <source>Reminder &amp;message to display</source>
        <translation>Te to&amp;nen tekst</translation>
    </message>
    <message>
        <source>Reminder message to display</source>
        <translation>Te tonen tekst</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Use custom &amp;sound:</source>
        <translation>Eigen &amp;geluid:</translation>
    </message>
    <message>
        <source>&amp;Choose sound...</source>
        <translation>Geluid &amp;kiezen...</translation>
    </message>
    <message>
        <source>Play (%1)</source>
        <translation>Afspelen (%1)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Afspelen</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>Canc&amp;el</source>
        <translation>Annu&amp;leren</translation>
    </message>
    <message>
        <source>(&amp;Click to choose sound)</source>
        <extracomment>The same text as &quot;(Click to choose sound)&quot;, with the button&apos;s Alt letter marked by &amp;.</extracomment>
        <translation>(Geluid kie&amp;zen)</translation>
    </message>
    <message>
        <source>Choose sound</source>
        <translation>Geluid kiezen</translation>
    </message>
    <message>
        <source>.WAV sound files (*.wav *.WAV)</source>
        <translation>WAV-geluidsbestanden (*.wav *.WAV)</translation>
    </message>
    <message>
        <source>Windows icons (*.ico *.ICO)</source>
        <translation>Windows-pictogrammen (*.ico *.ICO)</translation>
    </message>
    <message>
        <source>Sorry, &quot;%1&quot; could not be read as an icon.  Please choose an icon file that holds a 32 x 32 picture.</source>
        <translation>Helaas kon ‘%1’ niet als pictogram worden gelezen.  Kies een pictogrambestand met een afbeelding van 32 × 32.</translation>
    </message>
</context>
<context>
    <name>CNewEventForm</name>
    <message>
        <source>Reminder for %1</source>
        <extracomment>The editor&apos;s title; %1 is the reminder&apos;s date.</extracomment>
        <translation>Herinnering voor %1</translation>
    </message>
    <message>
        <source>The time of day that this reminder is scheduled for is invalid.  Please try another time.</source>
        <translation>De tijd van deze herinnering is ongeldig.  Probeer een andere tijd.</translation>
    </message>
    <message>
        <source>(Click to choose sound)</source>
        <translation>(Geluid kiezen)</translation>
    </message>
</context>
<context>
    <name>CNotes</name>
    <message>
        <source>%1 takes one file, --from and --to</source>
        <translation>%1 neemt één bestand, --from en --to</translation>
    </message>
    <message>
        <source>--from and --to must be possible dates (YYYY-MM-DD)</source>
        <translation>--from en --to moeten mogelijke datums zijn (YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>optie %1 heeft een waarde nodig</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>onbekende optie %1</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kan niet worden geopend: %2</translation>
    </message>
    <message>
        <source>%1 is not a readable reminder file (%2)</source>
        <translation>%1 is geen leesbaar herinneringsbestand (%2)</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kan niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>%1 kan niet worden geschreven (%2)</translation>
    </message>
    <message>
        <source>cannot write %1: %2; nothing written</source>
        <translation>%1 kan niet worden geschreven: %2; er is niets geschreven</translation>
    </message>
    <message>
        <source>%1 is busy: %2; gave up after %3 seconds, nothing written</source>
        <translation>%1 is bezet: %2; na %3 seconden opgegeven, er is niets geschreven</translation>
    </message>
    <message>
        <source>%1 is not a reminder pack</source>
        <translation>%1 is geen herinneringspakket</translation>
    </message>
    <message>
        <source>%1 is a damaged reminder pack (%2)</source>
        <translation>%1 is een beschadigd herinneringspakket (%2)</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 is leeg</translation>
    </message>
    <message>
        <source>%1 has none of the calendar columns</source>
        <translation>%1 heeft geen van de agendakolommen</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>add takes one file</source>
        <translation>add neemt één bestand</translation>
    </message>
    <message>
        <source>add needs --at and --message</source>
        <translation>add heeft --at en --message nodig</translation>
    </message>
    <message>
        <source>--at: &apos;%1&apos; is not a possible date and time (YYYY-MM-DDTHH:MM[:SS])</source>
        <translation>--at: ‘%1’ is geen mogelijke datum en tijd (YYYY-MM-DDTHH:MM[:SS])</translation>
    </message>
    <message>
        <source>--recurrence must be one-time, annual, monthly or weekly</source>
        <translation>--recurrence moet one-time, annual, monthly of weekly zijn</translation>
    </message>
    <message>
        <source>--icon: there is no icon named &apos;%1&apos;; the icons are: %2</source>
        <translation>--icon: er is geen pictogram met de naam ‘%1’; de pictogrammen zijn: %2</translation>
    </message>
    <message>
        <source>--notice must look like 2d3h30m</source>
        <translation>--notice moet de vorm 2d3h30m hebben</translation>
    </message>
    <message>
        <source>backup takes no file; see --data-dir</source>
        <translation>backup neemt geen bestand; zie --data-dir</translation>
    </message>
    <message>
        <source>--now must be a possible date and time (YYYY-MM-DDTHH:MM[:SS])</source>
        <translation>--now moet een mogelijke datum en tijd zijn (YYYY-MM-DDTHH:MM[:SS])</translation>
    </message>
    <message>
        <source>the reminder file in %1 cannot be read; no backup made</source>
        <translation>het herinneringsbestand in %1 kan niet worden gelezen; geen back-up gemaakt</translation>
    </message>
    <message>
        <source>copy takes IN and OUT</source>
        <translation>copy neemt IN en OUT</translation>
    </message>
    <message>
        <source>day takes one file and --date</source>
        <translation>day neemt één bestand en --date</translation>
    </message>
    <message>
        <source>--date: &apos;%1&apos; is not a possible date (YYYY-MM-DD)</source>
        <translation>--date: ‘%1’ is geen mogelijke datum (YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>due takes one file and --at</source>
        <translation>due neemt één bestand en --at</translation>
    </message>
    <message>
        <source>--at: &apos;%1&apos; is not a possible date and time (YYYY-MM-DDTHH:MM:SS)</source>
        <translation>--at: ‘%1’ is geen mogelijke datum en tijd (YYYY-MM-DDTHH:MM:SS)</translation>
    </message>
    <message>
        <source>dump takes one file</source>
        <translation>dump neemt één bestand</translation>
    </message>
    <message>
        <source>edit takes one file</source>
        <translation>edit neemt één bestand</translation>
    </message>
    <message>
        <source>edit needs --id, a reminder&apos;s id as dump shows it</source>
        <translation>edit heeft --id nodig, de id van een herinnering zoals dump die toont</translation>
    </message>
    <message>
        <source>--private must be yes or no</source>
        <translation>--private moet yes of no zijn</translation>
    </message>
    <message>
        <source>%1 holds no reminder with the id %2; nothing written</source>
        <translation>%1 bevat geen herinnering met id %2; er is niets geschreven</translation>
    </message>
    <message>
        <source>export takes a reminder file and an output file</source>
        <translation>export neemt een herinneringsbestand en een uitvoerbestand</translation>
    </message>
    <message>
        <source>the output file must end in .rpk, .csv or .ics</source>
        <translation>het uitvoerbestand moet eindigen op .rpk, .csv of .ics</translation>
    </message>
    <message>
        <source>--select: &apos;%1&apos; is not an index of the file&apos;s %2 reminders</source>
        <translation>--select: ‘%1’ is geen index van de %2 herinneringen in het bestand</translation>
    </message>
    <message>
        <source>no reminders to export</source>
        <translation>geen herinneringen om te exporteren</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kan niet worden geschreven</translation>
    </message>
    <message>
        <source>import takes a reminder file and a pack or CSV file</source>
        <translation>import neemt een herinneringsbestand en een pakket of CSV-bestand</translation>
    </message>
    <message>
        <source>the file to import must end in .rpk, .csv or .ics</source>
        <translation>het te importeren bestand moet eindigen op .rpk, .csv of .ics</translation>
    </message>
    <message>
        <source>%1 was not imported: %2</source>
        <translation>%1 is niet geïmporteerd: %2</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>%1 kan niet worden geopend</translation>
    </message>
    <message>
        <source>--per-day-limit takes a whole number of 1 or more</source>
        <translation>--per-day-limit neemt een geheel getal van 1 of meer</translation>
    </message>
    <message>
        <source>cannot write the listing to the standard output</source>
        <translation>de lijst kan niet naar de standaarduitvoer worden geschreven</translation>
    </message>
    <message>
        <source>recover takes no file; see --data-dir</source>
        <translation>recover neemt geen bestand; zie --data-dir</translation>
    </message>
    <message>
        <source>recover replaces your reminders with the backup; confirm with --yes</source>
        <translation>recover vervangt uw herinneringen door de back-up; bevestig met --yes</translation>
    </message>
    <message>
        <source>cannot read %1: %2; move it away to recover, nothing changed</source>
        <translation>%1 kan niet worden gelezen: %2; verplaats het om terug te zetten, er is niets veranderd</translation>
    </message>
    <message>
        <source>no backup in %1</source>
        <translation>geen back-up in %1</translation>
    </message>
    <message>
        <source>the backup in %1 cannot be read; nothing changed</source>
        <translation>de back-up in %1 kan niet worden gelezen; er is niets veranderd</translation>
    </message>
    <message>
        <source>%1 is damaged and no copy of it could be kept; nothing changed</source>
        <translation>%1 is beschadigd en er kon geen kopie van worden bewaard; er is niets veranderd</translation>
    </message>
    <message>
        <source>cannot write the reminder file in %1</source>
        <translation>het herinneringsbestand in %1 kan niet worden geschreven</translation>
    </message>
    <message>
        <source>sync takes one reminder file</source>
        <translation>sync neemt één herinneringsbestand</translation>
    </message>
    <message>
        <source>sync needs --%1</source>
        <translation>sync heeft --%1 nodig</translation>
    </message>
    <message>
        <source>--url must be an http or https address</source>
        <translation>--url moet een http- of https-adres zijn</translation>
    </message>
    <message>
        <source>--timeout takes 1 to 3600 seconds</source>
        <translation>--timeout neemt 1 tot 3600 seconden</translation>
    </message>
    <message>
        <source>cannot read the password file %1</source>
        <translation>het wachtwoordbestand %1 kan niet worden gelezen</translation>
    </message>
    <message>
        <source>%1 (move it away to sync afresh)</source>
        <translation>%1 (verplaats het om opnieuw te synchroniseren)</translation>
    </message>
    <message>
        <source>a changed occurrence of a repeating event (RECURRENCE-ID) has no reminder of its own</source>
        <translation>een gewijzigd voorkomen van een herhaalde gebeurtenis (RECURRENCE-ID) heeft geen eigen herinnering</translation>
    </message>
    <message>
        <source>a to-do without a due date or start</source>
        <translation>een taak zonder vervaldatum of begin</translation>
    </message>
    <message>
        <source>no start date</source>
        <translation>geen begindatum</translation>
    </message>
    <message>
        <source>a start date that could not be read</source>
        <translation>een begindatum die niet kon worden gelezen</translation>
    </message>
    <message>
        <source>a repeating event whose last occurrence is past</source>
        <translation>een herhaalde gebeurtenis waarvan het laatste voorkomen voorbij is</translation>
    </message>
    <message>
        <source>none of its events and to-dos could become a reminder</source>
        <translation>geen van de gebeurtenissen en taken erin kon een herinnering worden</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A note and, in brackets, what else is known of it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>it is too large to be a calendar</source>
        <translation>het is te groot voor een agenda</translation>
    </message>
    <message>
        <source>its parts are nested too deeply for a calendar</source>
        <translation>de delen ervan zijn te diep genest voor een agenda</translation>
    </message>
    <message>
        <source>one of its lines has more parameters than any calendar uses</source>
        <translation>een van de regels heeft meer parameters dan een agenda ooit gebruikt</translation>
    </message>
    <message>
        <source>1 event: %1.</source>
        <translation>1 gebeurtenis: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n events: %1.</source>
        <translation>
            <numerusform>%n gebeurtenis: %1.</numerusform>
            <numerusform>%n gebeurtenissen: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event left out: %1.</source>
        <translation>1 gebeurtenis weggelaten: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n events left out: %1.</source>
        <translation>
            <numerusform>%n gebeurtenis weggelaten: %1.</numerusform>
            <numerusform>%n gebeurtenissen weggelaten: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>it holds no events or to-dos</source>
        <translation>het bevat geen gebeurtenissen of taken</translation>
    </message>
    <message>
        <source>it holds no events or to-dos (%1)</source>
        <translation>het bevat geen gebeurtenissen of taken (%1)</translation>
    </message>
    <message>
        <source>line %1 is not UTF-8 text: its byte %2 is 0x%3 (read as a replacement character)</source>
        <translation>regel %1 is geen UTF-8-tekst: byte %2 ervan is 0x%3 (gelezen als vervangend teken)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>het is leeg</translation>
    </message>
    <message>
        <source>it is not an iCalendar file that can be read</source>
        <translation>het is geen leesbaar iCalendar-bestand</translation>
    </message>
    <message>
        <source>a repeat interval above 1 was read as 1</source>
        <translation>een herhalingsinterval boven 1 is als 1 gelezen</translation>
    </message>
    <message>
        <source>the end of the repeat (COUNT or UNTIL) was dropped, so it repeats without end</source>
        <translation>het einde van de herhaling (COUNT of UNTIL) is weggelaten, dus herhaalt het zich zonder einde</translation>
    </message>
    <message>
        <source>its excluded dates (EXDATE) were not kept</source>
        <translation>de uitgezonderde datums (EXDATE) zijn niet bewaard</translation>
    </message>
    <message>
        <source>its extra dates (RDATE) were left out</source>
        <translation>de extra datums (RDATE) zijn weggelaten</translation>
    </message>
    <message>
        <source>a repeat of hours or less became one time</source>
        <translation>een herhaling van uren of minder is eenmalig geworden</translation>
    </message>
    <message>
        <source>the days its rule names were read as the start&apos;s own day</source>
        <translation>de dagen die de regel noemt, zijn gelezen als de dag van het begin</translation>
    </message>
    <message>
        <source>a repeat rule that could not be read became one time</source>
        <translation>een onleesbare herhalingsregel is eenmalig geworden</translation>
    </message>
    <message>
        <source>only the first of its repeat rules was kept</source>
        <translation>alleen de eerste van de herhalingsregels is bewaard</translation>
    </message>
    <message>
        <source>an alarm after the start rings at the start</source>
        <translation>een alarm na het begin gaat af bij het begin</translation>
    </message>
    <message>
        <source>an unknown time zone was read as local time</source>
        <translation>een onbekende tijdzone is als lokale tijd gelezen</translation>
    </message>
    <message>
        <source>properties that could not be read were ignored</source>
        <translation>onleesbare eigenschappen zijn genegeerd</translation>
    </message>
    <message>
        <source>it keeps the time of its own time zone, which changes its clocks on other days than this computer&apos;s, so here it rings an hour off for part of the year</source>
        <translation>het houdt de tijd van de eigen tijdzone aan, die de klok op andere dagen verzet dan die van deze computer, dus hier gaat het een deel van het jaar een uur verschoven af</translation>
    </message>
    <message>
        <source>its repeat has one occurrence left, so it became one time</source>
        <translation>de herhaling heeft nog één voorkomen, dus is het eenmalig geworden</translation>
    </message>
    <message>
        <source>not valid text</source>
        <translation>geen geldige tekst</translation>
    </message>
    <message>
        <source>too many folders</source>
        <translation>te veel mappen</translation>
    </message>
    <message>
        <source>empty or absolute path</source>
        <translation>leeg of absoluut pad</translation>
    </message>
    <message>
        <source>relative folder reference</source>
        <translation>relatieve mapverwijzing</translation>
    </message>
    <message>
        <source>character not allowed in file names</source>
        <translation>teken dat niet in bestandsnamen mag</translation>
    </message>
    <message>
        <source>name too long</source>
        <translation>naam te lang</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>het is een map</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>a link that leads nowhere is in the way</source>
        <translation>een koppeling die nergens heen leidt zit in de weg</translation>
    </message>
    <message>
        <source>cannot create its folder</source>
        <translation>de map ervan kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>its folder leads outside the data folder</source>
        <translation>de map ervan leidt buiten de gegevensmap</translation>
    </message>
    <message>
        <source>a link of that name is in the way</source>
        <translation>een koppeling met die naam zit in de weg</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>een map met die naam zit in de weg</translation>
    </message>
    <message>
        <source>cannot create the file: %1</source>
        <translation>het bestand kan niet worden aangemaakt: %1</translation>
    </message>
    <message>
        <source>cannot write the file: %1</source>
        <translation>het bestand kan niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>not in icons or sounds</source>
        <translation>niet in icons of sounds</translation>
    </message>
    <message>
        <source>the pack breaks off inside it</source>
        <translation>het pakket breekt erin af</translation>
    </message>
    <message>
        <source>the list of data files ends in an unknown value</source>
        <translation>de lijst met gegevensbestanden eindigt op een onbekende waarde</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>geheugen vol</translation>
    </message>
    <message>
        <source>not enough memory to read it</source>
        <translation>niet genoeg geheugen om het te lezen</translation>
    </message>
    <message>
        <source>it is damaged (%1), and no copy of it could be kept</source>
        <translation>het is beschadigd (%1) en er kon geen kopie van worden bewaard</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>de server heeft niet op tijd geantwoord</translation>
    </message>
    <message>
        <source>the server&apos;s reply is larger than %1 bytes</source>
        <translation>het antwoord van de server is groter dan %1 bytes</translation>
    </message>
    <message>
        <source>the server&apos;s certificate was refused: %1</source>
        <translation>het certificaat van de server is geweigerd: %1</translation>
    </message>
    <message>
        <source>the server refused the user name or password</source>
        <translation>de server weigerde de gebruikersnaam of het wachtwoord</translation>
    </message>
    <message>
        <source>the server sent the request to %1</source>
        <translation>de server stuurde het verzoek door naar %1</translation>
    </message>
    <message>
        <source>the server sent the request elsewhere (%1)</source>
        <translation>de server stuurde het verzoek ergens anders heen (%1)</translation>
    </message>
    <message>
        <source>the reply is not a WebDAV multistatus</source>
        <translation>het antwoord is geen WebDAV-multistatus</translation>
    </message>
    <message>
        <source>unreadable multistatus reply: %1</source>
        <translation>onleesbaar multistatus-antwoord: %1</translation>
    </message>
    <message>
        <source>the account&apos;s address is not an http or https address</source>
        <translation>het adres van het account is geen http- of https-adres</translation>
    </message>
    <message>
        <source>finding the calendar</source>
        <translation>zoeken naar de agenda</translation>
    </message>
    <message>
        <source>finding the calendar: %1</source>
        <translation>zoeken naar de agenda: %1</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>geen antwoord</translation>
    </message>
    <message>
        <source>no calendar was found at %1</source>
        <translation>er is geen agenda gevonden op %1</translation>
    </message>
    <message>
        <source>reading the calendar home</source>
        <translation>lezen van de agendamap</translation>
    </message>
    <message>
        <source>reading the calendar home: %1</source>
        <translation>lezen van de agendamap: %1</translation>
    </message>
    <message>
        <source>making a calendar</source>
        <translation>aanmaken van een agenda</translation>
    </message>
    <message>
        <source>asking what changed</source>
        <translation>opvragen van de wijzigingen</translation>
    </message>
    <message>
        <source>listing the calendar</source>
        <translation>opsommen van de agenda</translation>
    </message>
    <message>
        <source>listing the calendar: %1</source>
        <translation>opsommen van de agenda: %1</translation>
    </message>
    <message>
        <source>too large to take (%1the limit is %2 MB)</source>
        <extracomment>%1 is the event&apos;s size and a semicolon (&quot;3.2 MB; &quot;) or nothing, %2 the largest size taken.</extracomment>
        <translation>te groot om over te nemen (%1de grens is %2 MB)</translation>
    </message>
    <message>
        <source>the server&apos;s reply could not be read (%1)</source>
        <translation>het antwoord van de server kon niet worden gelezen (%1)</translation>
    </message>
    <message>
        <source>fetching events</source>
        <translation>ophalen van gebeurtenissen</translation>
    </message>
    <message>
        <source>it holds no event or to-do</source>
        <translation>het bevat geen gebeurtenis of taak</translation>
    </message>
    <message>
        <source>no calendar data</source>
        <translation>geen agendagegevens</translation>
    </message>
    <message>
        <source>the server did not send it</source>
        <translation>de server heeft het niet gestuurd</translation>
    </message>
    <message>
        <source>the calendar kept changing during the sync; it is tried again later</source>
        <translation>de agenda bleef veranderen tijdens de synchronisatie; het wordt later opnieuw geprobeerd</translation>
    </message>
    <message>
        <source>deleting an event</source>
        <translation>verwijderen van een gebeurtenis</translation>
    </message>
    <message>
        <source>sending an event</source>
        <translation>versturen van een gebeurtenis</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>de server antwoordde %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A note&apos;s subject (what was being done, a reminder&apos;s message) and what is said of it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no event in the calendar resource</source>
        <translation>geen gebeurtenis in de agendabron</translation>
    </message>
    <message>
        <source>%1: %2 here only; %3</source>
        <extracomment>%1 is the reminder&apos;s message, %2 what was changed here (&quot;moved&quot;), %3 why the calendar did not take it.</extracomment>
        <translation>%1: alleen hier %2; %3</translation>
    </message>
    <message>
        <source>the meeting is organised by %1</source>
        <translation>de vergadering wordt georganiseerd door %1</translation>
    </message>
    <message>
        <source>retitled</source>
        <extracomment>What was changed here, in &quot;%1: %2 here only; %3&quot;; so are &quot;moved&quot; and the other changes.</extracomment>
        <translation>hernoemd</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>verplaatst</translation>
    </message>
    <message>
        <source>the calendar&apos;s event holds its other days, which did not move</source>
        <translation>de gebeurtenis in de agenda bevat ook de andere dagen, die niet zijn verplaatst</translation>
    </message>
    <message>
        <source>an all-day event moves by whole days</source>
        <translation>een gebeurtenis van een hele dag verschuift per hele dag</translation>
    </message>
    <message>
        <source>the event&apos;s repeat rule cannot move by that much and keep its days</source>
        <translation>de herhalingsregel van de gebeurtenis kan niet zoveel verschuiven en de dagen houden</translation>
    </message>
    <message>
        <source>notice changed</source>
        <translation>vooraf gewijzigd</translation>
    </message>
    <message>
        <source>another alarm of the event rings earlier</source>
        <translation>een ander alarm van de gebeurtenis gaat eerder af</translation>
    </message>
    <message>
        <source>repeat changed</source>
        <translation>herhaling gewijzigd</translation>
    </message>
    <message>
        <source>privacy changed</source>
        <translation>privacy gewijzigd</translation>
    </message>
    <message>
        <source>not fetched</source>
        <translation>niet opgehaald</translation>
    </message>
    <message>
        <source>%1: deleted here; the calendar&apos;s event still holds it</source>
        <translation>%1: hier verwijderd; de gebeurtenis in de agenda bevat het nog</translation>
    </message>
    <message>
        <source>%1: deleted here; the calendar&apos;s later change to it was not taken</source>
        <translation>%1: hier verwijderd; de latere wijziging in de agenda is niet overgenomen</translation>
    </message>
    <message>
        <source>a sync of this file is already running</source>
        <translation>er loopt al een synchronisatie van dit bestand</translation>
    </message>
    <message>
        <source>the sync lock %1 cannot be created (%2)</source>
        <translation>de synchronisatievergrendeling %1 kan niet worden aangemaakt (%2)</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>toegang geweigerd</translation>
    </message>
    <message>
        <source>the reason is unknown</source>
        <translation>de reden is onbekend</translation>
    </message>
    <message>
        <source>%1 is too large to be a sync state</source>
        <translation>%1 is te groot voor een synchronisatiestand</translation>
    </message>
    <message>
        <source>%1 is damaged: an entry cannot be read</source>
        <translation>%1 is beschadigd: een item kan niet worden gelezen</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>COleDateTime</name>
    <message>
        <source>Invalid DateTime</source>
        <translation>Ongeldige datum</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Upcoming Reminders window</source>
        <translation>Lijst met komende herinneringen</translation>
    </message>
    <message>
        <source>&amp;Show reminders for next</source>
        <translation>Herinneringen &amp;tonen voor de komende</translation>
    </message>
    <message>
        <source>days.</source>
        <translation>dagen.</translation>
    </message>
    <message>
        <source>Reminder Alert Sound</source>
        <translation>Geluid van de melding</translation>
    </message>
    <message>
        <source>Use system &amp;beep</source>
        <translation>&amp;Systeempieptoon</translation>
    </message>
    <message>
        <source>Use sound file</source>
        <translation>Geluidsbestand</translation>
    </message>
    <message>
        <source>Use sound file (%1)</source>
        <translation>Geluidsbestand (%1)</translation>
    </message>
    <message>
        <source>Browse for a sound file</source>
        <translation>Een geluidsbestand zoeken</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Afspelen</translation>
    </message>
    <message>
        <source>S&amp;tart Kestrelmark when I log in</source>
        <translation>&amp;Kestrelmark bij aanmelden starten</translation>
    </message>
    <message>
        <source>Also show alerts as desktop &amp;notifications</source>
        <translation>Meldingen ook als bureaublad&amp;meldingen tonen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Annu&amp;leren</translation>
    </message>
    <message>
        <source>(Click here to choose a .WAV sound &amp;file)</source>
        <extracomment>The same text as &quot;(Click here to choose a .WAV sound file)&quot;, with the button&apos;s Alt letter marked by &amp;.</extracomment>
        <translation>(Klik om een WAV-&amp;bestand te kiezen)</translation>
    </message>
    <message>
        <source>Choose .WAV sound file</source>
        <translation>WAV-geluidsbestand kiezen</translation>
    </message>
    <message>
        <source>.WAV sound files (*.wav *.WAV)</source>
        <translation>WAV-geluidsbestanden (*.wav *.WAV)</translation>
    </message>
    <message>
        <source>Sorry, Kestrelmark could not set itself to start when you log in.</source>
        <translation>Helaas kon Kestrelmark het starten bij aanmelden niet instellen.</translation>
    </message>
    <message>
        <source>Sorry, Kestrelmark could not stop itself from starting when you log in.</source>
        <translation>Helaas kon Kestrelmark het starten bij aanmelden niet uitschakelen.</translation>
    </message>
</context>
<context>
    <name>COptionsForm</name>
    <message>
        <source>(Click here to choose a .WAV sound file)</source>
        <translation>(Klik om een WAV-bestand te kiezen)</translation>
    </message>
</context>
<context>
    <name>COrvantis2App</name>
    <message>
        <source>Another copy of Kestrelmark is running.  Please close it and try again.</source>
        <translation>Kestrelmark draait al.  Sluit het af en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Kestrelmark is running but did not take %1.  Please open the file from the running Kestrelmark.</source>
        <extracomment>%1 is the file the user asked a second start of the program to open.</extracomment>
        <translation>Kestrelmark draait, maar heeft %1 niet overgenomen.  Open het bestand vanuit de draaiende Kestrelmark.</translation>
    </message>
</context>
<context>
    <name>COrvantis2Dlg</name>
    <message>
        <source>New reminder</source>
        <translation>Nieuwe herinnering</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>The label of the main window&apos;s new-reminder button: short, the button is small.</extracomment>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Reminders of the day</source>
        <translation>Herinneringen van de dag</translation>
    </message>
    <message>
        <source>Reminders</source>
        <extracomment>The label of the main window&apos;s button that lists the selected day&apos;s reminders: short.</extracomment>
        <translation>Lijst</translation>
    </message>
    <message>
        <source>Go to today</source>
        <translation>Naar vandaag</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>The label of the main window&apos;s go-to-today button: short.</extracomment>
        <translation>Vandaag</translation>
    </message>
    <message>
        <source>Upcoming reminders</source>
        <translation>Komende herinneringen</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Maand</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>Go to today (%1)</source>
        <extracomment>%1 is the keys that do the same, e.g. Ctrl+T.</extracomment>
        <translation>Naar vandaag (%1)</translation>
    </message>
    <message>
        <source>Kestrelmark Personal Reminder Software</source>
        <translation>Kestrelmark – persoonlijke herinneringssoftware</translation>
    </message>
    <message>
        <source>TaskBarAddIcon failed.  Imagine that...</source>
        <translation>TaskBarAddIcon is mislukt.  Wie had dat gedacht...</translation>
    </message>
    <message>
        <source>There is no knowledge that is not power.</source>
        <translation>Er is geen kennis die geen macht is.</translation>
    </message>
</context>
<context>
    <name>COrvantis2View</name>
    <message>
        <source>More tools</source>
        <translation>Meer hulpmiddelen</translation>
    </message>
    <message>
        <source>Zoom factor</source>
        <translation>Zoomfactor</translation>
    </message>
    <message>
        <source>Current page</source>
        <translation>Huidige pagina</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagina&apos;s</translation>
    </message>
    <message>
        <source>Reminder list printed %1</source>
        <extracomment>The head of every printed page; %1 is the date and time of printing.</extracomment>
        <translation>Lijst met herinneringen, afgedrukt op %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>Reminders.pdf</source>
        <extracomment>The file name offered when the list is printed to a PDF file.</extracomment>
        <translation>Herinneringen.pdf</translation>
    </message>
    <message>
        <source>Print reminders</source>
        <translation>Herinneringen afdrukken</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Afdrukvoorbeeld</translation>
    </message>
</context>
<context>
    <name>CProgressWnd</name>
    <message>
        <source>Kestrelmark -- Please wait...</source>
        <translation>Kestrelmark – even geduld...</translation>
    </message>
</context>
<context>
    <name>CQtMessageSink</name>
    <message>
        <source>Kestrelmark</source>
        <extracomment>The title of the program&apos;s message boxes: the program&apos;s name.</extracomment>
        <translation>Kestrelmark</translation>
    </message>
</context>
<context>
    <name>CRangeDelete</name>
    <message>
        <source>Are you SURE you want to permanently delete reminders from %1 to %2?</source>
        <extracomment>%1 and %2 are the first and last day of the range.</extracomment>
        <translation>Weet u ZEKER dat u de herinneringen van %1 tot en met %2 definitief wilt verwijderen?</translation>
    </message>
    <message numerus="yes">
        <source>A total of %n reminder(s) were deleted.</source>
        <translation>
            <numerusform>In totaal is %n herinnering verwijderd.</numerusform>
            <numerusform>In totaal zijn %n herinneringen verwijderd.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CRangeDlgBase</name>
    <message>
        <source>From day</source>
        <translation>Begindag</translation>
    </message>
    <message>
        <source>From year</source>
        <translation>Beginjaar</translation>
    </message>
    <message>
        <source>To day</source>
        <translation>Einddag</translation>
    </message>
    <message>
        <source>To year</source>
        <translation>Eindjaar</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Van:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Tot en met:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>CReminder</name>
    <message>
        <source>Annual</source>
        <translation>Jaarlijks</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Maandelijks</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wekelijks</translation>
    </message>
    <message>
        <source>One time</source>
        <translation>Eenmalig</translation>
    </message>
</context>
<context>
    <name>CReminderAlertDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Snooze</source>
        <translation>&amp;Sluimeren</translation>
    </message>
    <message>
        <source>Kestrelmark Reminder</source>
        <translation>Kestrelmark-herinnering</translation>
    </message>
</context>
<context>
    <name>CReminderCheck</name>
    <message>
        <source>One day to go:
</source>
        <translation>Nog één dag:
</translation>
    </message>
    <message>
        <source>Reminder for %1:

</source>
        <extracomment>The alert&apos;s head; %1 is the date and time the reminder is for. The message follows.</extracomment>
        <translation>Herinnering voor %1:

</translation>
    </message>
    <message numerus="yes">
        <source>%n days to go:
</source>
        <translation>
            <numerusform>Nog %n dag:
</numerusform>
            <numerusform>Nog %n dagen:
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CReminderExchange</name>
    <message>
        <source>Reminder Pack successfully imported.</source>
        <translation>Herinneringspakket geïmporteerd.</translation>
    </message>
    <message>
        <source>Sorry, the title cannot contain punctuation characters or be empty.</source>
        <translation>Helaas mag de titel niet leeg zijn of leestekens bevatten.</translation>
    </message>
    <message>
        <source>Sorry, this function is not supported.  Please save your reminder pack as a file and attach it to an email using your favorite mail package.</source>
        <translation>Helaas wordt deze functie niet ondersteund.  Sla het herinneringspakket op als bestand en voeg het in uw e-mailprogramma als bijlage toe.</translation>
    </message>
    <message>
        <source>Sorry, there was a problem sending this file.  Please save it to disk instead.</source>
        <translation>Helaas is het versturen van dit bestand mislukt.  Sla het in plaats daarvan op.</translation>
    </message>
    <message>
        <source>Sorry, there was an error opening %1 for writing.</source>
        <translation>Helaas kon %1 niet worden geopend om te schrijven.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 could not be opened.</source>
        <translation>Helaas kon het bestand %1 niet worden geopend.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is not a reminder pack, so nothing was imported.</source>
        <translation>Helaas is het bestand %1 geen herinneringspakket; er is niets geïmporteerd.</translation>
    </message>
    <message>
        <source>Sorry, the reminder pack %1 is damaged and could not be read to the end.  What came before the damage was imported.</source>
        <translation>Helaas is het herinneringspakket %1 beschadigd en kon het niet tot het eind worden gelezen.  Wat vóór de beschadiging stond, is geïmporteerd.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is unsupported.</source>
        <translation>Helaas wordt het bestand %1 niet ondersteund.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is empty, so nothing was imported.</source>
        <translation>Helaas is het bestand %1 leeg; er is niets geïmporteerd.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is not an Outlook calendar file, so nothing was imported.</source>
        <translation>Helaas is het bestand %1 geen Outlook-agendabestand; er is niets geïmporteerd.</translation>
    </message>
</context>
<context>
    <name>CReminderFileKeeper</name>
    <message>
        <source>Sorry, the reminder file %1 was damaged by another program. Every reminder that could still be read was kept, and a copy of the damaged file was kept as %2.</source>
        <extracomment>%1 is the reminder file, %2 the copy kept of it.</extracomment>
        <translation>Helaas is het herinneringsbestand %1 door een ander programma beschadigd. Alle herinneringen die nog leesbaar waren, zijn bewaard, en een kopie van het beschadigde bestand staat in %2.</translation>
    </message>
    <message>
        <source>Sorry, your reminders could not be saved to %1: %2. They stay in this program, and it will try again at the next save.</source>
        <extracomment>%1 is the reminder file, %2 why it could not be written.</extracomment>
        <translation>Helaas konden uw herinneringen niet in %1 worden opgeslagen: %2. Ze blijven in het programma, dat het bij de volgende keer opslaan opnieuw probeert.</translation>
    </message>
</context>
<context>
    <name>CReminderFileLock</name>
    <message>
        <source>an unreadable lock</source>
        <translation>een onleesbare vergrendeling</translation>
    </message>
    <message>
        <source>an empty lock</source>
        <translation>een lege vergrendeling</translation>
    </message>
    <message>
        <source>a garbled lock</source>
        <translation>een verminkte vergrendeling</translation>
    </message>
    <message>
        <source>the lock of process %1, which no longer runs</source>
        <translation>de vergrendeling van proces %1, dat niet meer draait</translation>
    </message>
    <message>
        <source>%1 is %2, not a lock; move it away to write the file</source>
        <extracomment>%1 is the lock file&apos;s path, %2 &quot;a folder&quot; or &quot;not a regular file&quot;.</extracomment>
        <translation>%1 is %2, geen vergrendeling; verplaats het zodat het bestand kan worden geschreven</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>een map</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>een speciaal bestand</translation>
    </message>
    <message>
        <source>its lock %1 is %2, and it cannot be removed (%3); remove it by hand</source>
        <translation>de vergrendeling %1 is %2 en kan niet worden verwijderd (%3); verwijder die handmatig</translation>
    </message>
    <message>
        <source>another program (%1, process %2) is writing it</source>
        <translation>een ander programma (%1, proces %2) schrijft er nu naar</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>onbekend</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created: %2</source>
        <translation>het vergrendelingsbestand %1 kan niet worden aangemaakt: %2</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>toegang geweigerd</translation>
    </message>
    <message>
        <source>the reason is unknown</source>
        <translation>om onbekende reden</translation>
    </message>
</context>
<context>
    <name>CReminderPackTitleDlg</name>
    <message>
        <source>Reminder Pack Title</source>
        <translation>Titel van het herinneringspakket</translation>
    </message>
    <message>
        <source>Please enter a &amp;title for this Reminder Pack:</source>
        <translation>Voer een &amp;titel in voor dit herinneringspakket:</translation>
    </message>
</context>
<context>
    <name>CReminderStore</name>
    <message>
        <source>Sorry, but either your reminder file is from a previous version of this software, or it has become corrupt and cannot be read, or it is empty.</source>
        <translation>Helaas is uw herinneringsbestand van een eerdere versie van dit programma, of het is beschadigd en onleesbaar, of het is leeg.</translation>
    </message>
    <message>
        <source>Sorry, there is not enough memory to run this program.</source>
        <translation>Helaas is er niet genoeg geheugen om dit programma uit te voeren.</translation>
    </message>
    <message>
        <source>An error occurred while attempting to write your reminder file to disk.  You may be out of harddrive space.  Please free up some space and click OK to try again.</source>
        <translation>Bij het schrijven van uw herinneringsbestand is een fout opgetreden.  Mogelijk is de schijf vol.  Maak ruimte vrij en klik op OK om het opnieuw te proberen.</translation>
    </message>
    <message>
        <source>Sorry, there is not enough memory to save your reminders.  Please close all other programs and click OK to try again.</source>
        <translation>Helaas is er niet genoeg geheugen om uw herinneringen op te slaan.  Sluit alle andere programma’s en klik op OK om het opnieuw te proberen.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>het is groter dan %1 MB</translation>
    </message>
    <message>
        <source>not enough memory to read it</source>
        <translation>niet genoeg geheugen om het te lezen</translation>
    </message>
    <message>
        <source>Sorry, your reminder file %1 cannot be read (%2). Your reminders stay in this program, and the file will not be written until it can be read again.</source>
        <extracomment>%1 is the reminder file, %2 why it cannot be read.</extracomment>
        <translation>Helaas kan uw herinneringsbestand %1 niet worden gelezen (%2). Uw herinneringen blijven in het programma, en het bestand wordt pas weer geschreven als het weer leesbaar is.</translation>
    </message>
    <message>
        <source>

A copy of the damaged file was kept as %1.</source>
        <translation>

Een kopie van het beschadigde bestand staat in %1.</translation>
    </message>
    <message>
        <source>Error opening %1: %2</source>
        <extracomment>%1 is the reminder file, %2 why it cannot be opened.</extracomment>
        <translation>Fout bij openen van %1: %2</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>niet genoeg geheugen</translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <translation>de schijf is mogelijk vol</translation>
    </message>
</context>
<context>
    <name>CSharingCommands</name>
    <message>
        <source>Reminder Packs (*.rpk);;Outlook98 Windows CSV (*.csv);;iCalendar (*.ics);;All files (*)</source>
        <extracomment>The file kinds of the export dialog, &quot;;;&quot; between them: keep the patterns in brackets.</extracomment>
        <translation>Herinneringspakketten (*.rpk);;Outlook98-Windows-CSV (*.csv);;iCalendar (*.ics);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Reminder Packs (*.rpk);;Outlook98 Windows CSV (*.csv);;iCalendar (*.ics)</source>
        <extracomment>The file kinds of the import dialog, &quot;;;&quot; between them: keep the patterns in brackets.</extracomment>
        <translation>Herinneringspakketten (*.rpk);;Outlook98-Windows-CSV (*.csv);;iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>There are no reminders to print in this date range.</source>
        <translation>Er zijn geen herinneringen om af te drukken in deze periode.</translation>
    </message>
    <message>
        <source>Sorry, an error occured.</source>
        <translation>Helaas is er een fout opgetreden.</translation>
    </message>
    <message>
        <source>Icon succesfully imported.</source>
        <translation>Pictogram geïmporteerd.</translation>
    </message>
    <message>
        <source>Sorry, the reminders could not be printed.</source>
        <translation>Helaas konden de herinneringen niet worden afgedrukt.</translation>
    </message>
    <message>
        <source>Export reminder pack as</source>
        <translation>Herinneringspakket exporteren als</translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>The file name offered for a new export.</extracomment>
        <translation>Naamloos</translation>
    </message>
    <message>
        <source>Import reminders</source>
        <translation>Herinneringen importeren</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is not an icon file that can be read, so it was not imported.</source>
        <translation>Helaas is het bestand %1 geen leesbaar pictogrambestand; het is niet geïmporteerd.</translation>
    </message>
    <message>
        <source>Sorry, an icon named %1 is already in the icons folder, so the dropped one was not imported.</source>
        <translation>Helaas staat er al een pictogram met de naam %1 in de pictogrammenmap; het neergezette pictogram is niet geïmporteerd.</translation>
    </message>
    <message>
        <source>Sorry, the icon file %1 could not be copied into the icons folder.</source>
        <translation>Helaas kon het pictogrambestand %1 niet naar de pictogrammenmap worden gekopieerd.</translation>
    </message>
</context>
<context>
    <name>CSnooze</name>
    <message>
        <source>5 minutes</source>
        <translation>5 minuten</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minuten</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minuten</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minuten</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 uur</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 uur</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Morgen</translation>
    </message>
</context>
<context>
    <name>CSyncAccountBox</name>
    <message>
        <source>Calendar sync (CalDAV)</source>
        <translation>Agendasynchronisatie (CalDAV)</translation>
    </message>
    <message>
        <source>https://server/ or the calendar&apos;s address</source>
        <translation>https://server/ of het adres van de agenda</translation>
    </message>
    <message>
        <source>S&amp;ync now</source>
        <translation>Nu s&amp;ynchroniseren</translation>
    </message>
    <message>
        <source>Warning: this address is not encrypted: the password and your reminders travel readable to anyone on the network. Use https:// if the server offers it.</source>
        <translation>Let op: dit adres is niet versleuteld; het wachtwoord en uw herinneringen zijn voor iedereen op het netwerk leesbaar. Gebruik https:// als de server dat aanbiedt.</translation>
    </message>
    <message>
        <source>Warning: unencrypted calendar address</source>
        <translation>Let op: onversleuteld agenda-adres</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adres:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Gebruikersnaam:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Wacht&amp;woord:</translation>
    </message>
    <message>
        <source>&amp;Details...</source>
        <translation>&amp;Details...</translation>
    </message>
    <message>
        <source>What the last sync simplified, left out or found changed on both sides</source>
        <translation>Wat de laatste synchronisatie heeft vereenvoudigd, weggelaten of aan beide kanten gewijzigd aantrof</translation>
    </message>
    <message>
        <source>(kept in your keyring)</source>
        <translation>(bewaard in uw sleutelbos)</translation>
    </message>
    <message>
        <source>The calendar address must be an http:// or https:// address.</source>
        <translation>Het agenda-adres moet met http:// of https:// beginnen.</translation>
    </message>
    <message>
        <source>Enter the user name of the calendar account.</source>
        <translation>Voer de gebruikersnaam van het agenda-account in.</translation>
    </message>
    <message>
        <source>Enter the password of the calendar account.</source>
        <translation>Voer het wachtwoord van het agenda-account in.</translation>
    </message>
    <message>
        <source>No account: nothing is synced.</source>
        <translation>Geen account: er wordt niets gesynchroniseerd.</translation>
    </message>
    <message>
        <source>The last sync:

</source>
        <extracomment>Followed by the list of what the last sync simplified or left out.</extracomment>
        <translation>De laatste synchronisatie:

</translation>
    </message>
</context>
<context>
    <name>CSyncAccountPanel</name>
    <message>
        <source>The password could not be kept in your keyring: %1</source>
        <translation>Het wachtwoord kon niet in uw sleutelbos worden bewaard: %1</translation>
    </message>
</context>
<context>
    <name>CSyncController</name>
    <message>
        <source>Not synced yet</source>
        <translation>Nog niet gesynchroniseerd</translation>
    </message>
    <message>
        <source>no password store</source>
        <translation>geen wachtwoordopslag</translation>
    </message>
    <message>
        <source>The password could not be kept: %1</source>
        <translation>Het wachtwoord kon niet worden bewaard: %1</translation>
    </message>
    <message>
        <source>Not synced: no password store</source>
        <translation>Niet gesynchroniseerd: geen wachtwoordopslag</translation>
    </message>
    <message>
        <source>Not synced: the password could not be read (%1)</source>
        <translation>Niet gesynchroniseerd: het wachtwoord kon niet worden gelezen (%1)</translation>
    </message>
    <message>
        <source>Not synced: %1</source>
        <translation>Niet gesynchroniseerd: %1</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchroniseren...</translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <translation>Laatst gesynchroniseerd: %1</translation>
    </message>
    <message>
        <source>Not synced: the server refused the user name or password</source>
        <translation>Niet gesynchroniseerd: de server weigerde de gebruikersnaam of het wachtwoord</translation>
    </message>
    <message>
        <source>The calendar server refused the user name or password. Enter them again under Options to sync your reminders.</source>
        <translation>De agendaserver weigerde de gebruikersnaam of het wachtwoord. Voer ze opnieuw in bij Opties om uw herinneringen te synchroniseren.</translation>
    </message>
    <message>
        <source>Not synced at %1: %2%3</source>
        <translation>Niet gesynchroniseerd op %1: %2%3</translation>
    </message>
    <message>
        <source> (last synced %1)</source>
        <translation> (laatst gesynchroniseerd: %1)</translation>
    </message>
</context>
<context>
    <name>CSyncEngine</name>
    <message>
        <source>1 event simplified:</source>
        <translation>1 gebeurtenis vereenvoudigd:</translation>
    </message>
    <message numerus="yes">
        <source>%n events simplified:</source>
        <translation>
            <numerusform>%n gebeurtenis vereenvoudigd:</numerusform>
            <numerusform>%n gebeurtenissen vereenvoudigd:</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event left out:</source>
        <translation>1 gebeurtenis weggelaten:</translation>
    </message>
    <message numerus="yes">
        <source>%n events left out:</source>
        <translation>
            <numerusform>%n gebeurtenis weggelaten:</numerusform>
            <numerusform>%n gebeurtenissen weggelaten:</numerusform>
        </translation>
    </message>
    <message>
        <source>1 change kept on this computer only:</source>
        <translation>1 wijziging alleen op deze computer bewaard:</translation>
    </message>
    <message numerus="yes">
        <source>%n changes kept on this computer only:</source>
        <translation>
            <numerusform>%n wijziging alleen op deze computer bewaard:</numerusform>
            <numerusform>%n wijzigingen alleen op deze computer bewaard:</numerusform>
        </translation>
    </message>
    <message>
        <source>1 resource outside the calendar left alone:</source>
        <translation>1 bron buiten de agenda ongemoeid gelaten:</translation>
    </message>
    <message numerus="yes">
        <source>%n resources outside the calendar left alone:</source>
        <translation>
            <numerusform>%n bron buiten de agenda ongemoeid gelaten:</numerusform>
            <numerusform>%n bronnen buiten de agenda ongemoeid gelaten:</numerusform>
        </translation>
    </message>
    <message>
        <source>1 reminder was changed both here and on the server; both versions are kept.</source>
        <translation>1 herinnering is hier en op de server gewijzigd; beide versies blijven bewaard.</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders were changed both here and on the server; both versions are kept.</source>
        <translation>
            <numerusform>%n herinnering is hier en op de server gewijzigd; beide versies blijven bewaard.</numerusform>
            <numerusform>%n herinneringen zijn hier en op de server gewijzigd; beide versies blijven bewaard.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CTrayIcon</name>
    <message>
        <source>Kestrelmark</source>
        <translation>Kestrelmark</translation>
    </message>
    <message>
        <source>Close Kestrelmark</source>
        <translation>Kestrelmark afsluiten</translation>
    </message>
    <message>
        <source>New reminder...</source>
        <translation>Nieuwe herinnering...</translation>
    </message>
    <message>
        <source>Import reminders...</source>
        <translation>Herinneringen importeren...</translation>
    </message>
    <message>
        <source>Print reminders...</source>
        <translation>Herinneringen afdrukken...</translation>
    </message>
    <message>
        <source>Print preview...</source>
        <translation>Afdrukvoorbeeld...</translation>
    </message>
    <message>
        <source>Delete range of reminders...</source>
        <translation>Herinneringen uit een periode verwijderen...</translation>
    </message>
    <message>
        <source>Recover reminders from weekly backup...</source>
        <translation>Herinneringen uit de wekelijkse back-up terugzetten...</translation>
    </message>
    <message>
        <source>Export reminders...</source>
        <translation>Herinneringen exporteren...</translation>
    </message>
    <message>
        <source>Toggle interface sounds on/off</source>
        <translation>Geluiden van de interface aan/uit</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opties...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>&amp;About Kestrelmark...</source>
        <translation>&amp;Over Kestrelmark...</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Volgende: %1</translation>
    </message>
    <message>
        <source>Show Kestrelmark</source>
        <translation>Kestrelmark tonen</translation>
    </message>
    <message>
        <source>Due: %1</source>
        <extracomment>The tray tip: the reminders whose alerts wait for an answer.</extracomment>
        <translation>Nu te doen: %1</translation>
    </message>
</context>
<context>
    <name>CWeeklyBackup</name>
    <message>
        <source>Sorry, no backup of your reminders was found, so nothing was recovered.  A backup is made once a week when the program starts.</source>
        <translation>Helaas is er geen back-up van uw herinneringen gevonden; er is niets teruggezet.  Eens per week wordt bij het starten een back-up gemaakt.</translation>
    </message>
    <message>
        <source>Recovery complete.</source>
        <translation>Terugzetten voltooid.</translation>
    </message>
    <message>
        <source>Sorry, the backup of your reminders is damaged and cannot be read, so nothing was recovered.  Your reminders are as they were.</source>
        <translation>Helaas is de back-up van uw herinneringen beschadigd en onleesbaar; er is niets teruggezet.  Uw herinneringen zijn ongewijzigd.</translation>
    </message>
    <message>
        <source>Sorry, the weekly backup of your reminders could not be written to %1: %2. Your reminders themselves are not affected; the backup will be tried again.</source>
        <extracomment>%1 is the backup file, %2 why it could not be written.</extracomment>
        <translation>Helaas kon de wekelijkse back-up van uw herinneringen niet naar %1 worden geschreven: %2. Uw herinneringen zelf blijven intact; de back-up wordt opnieuw geprobeerd.</translation>
    </message>
    <message>
        <source>Your reminder file is missing; your last backup from %1 has %2. Use Recover to restore it.</source>
        <extracomment>%1 is the date of the backup, %2 how many reminders it has (&quot;1 reminder&quot;, &quot;5 reminders&quot;).</extracomment>
        <translation>Uw herinneringsbestand ontbreekt; uw laatste back-up van %1 bevat %2. Gebruik Terugzetten om het te herstellen.</translation>
    </message>
    <message>
        <source>1 reminder</source>
        <translation>1 herinnering</translation>
    </message>
    <message>
        <source>Are you sure you want to recover your reminder database from the last backup of %1?</source>
        <extracomment>%1 is the date of the last backup.</extracomment>
        <translation>Weet u zeker dat u uw herinneringen wilt terugzetten uit de laatste back-up van %1?</translation>
    </message>
    <message>
        <source>Any reminders created since %1  will be PERMANENTLY LOST.  Proceed?</source>
        <extracomment>%1 is the date of the last backup.</extracomment>
        <translation>Alle herinneringen die sinds %1 zijn gemaakt, gaan DEFINITIEF VERLOREN.  Doorgaan?</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n herinnering</numerusform>
            <numerusform>%n herinneringen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CWriteFailure</name>
    <message>
        <source>its folder %1 is gone</source>
        <translation>de map %1 bestaat niet meer</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 is geen map</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>de schijf is alleen-lezen</translation>
    </message>
    <message>
        <source>there is no space left on the disk</source>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>toegang geweigerd</translation>
    </message>
</context>
<context>
    <name>kestrelmark-cli</name>
    <message>
        <source>add a reminder to a reminder file</source>
        <translation>een herinnering aan een herinneringsbestand toevoegen</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli add FILE --at YYYY-MM-DDTHH:MM[:SS] --message TEXT
           [--recurrence one-time|annual|monthly|weekly] [--notice 2d3h30m]
           [--icon NAME] [--sound PATH] [--private] [--data-dir DIR]
Creates FILE when it does not exist. NAME is a built-in icon or an
icon file imported from the icons folder of the data folder.</source>
        <translation>Gebruik: kestrelmark-cli add FILE --at YYYY-MM-DDTHH:MM[:SS] --message TEXT
           [--recurrence one-time|annual|monthly|weekly] [--notice 2d3h30m]
           [--icon NAME] [--sound PATH] [--private] [--data-dir DIR]
Maakt FILE aan als het niet bestaat. NAME is een ingebouwd pictogram of een
pictogrambestand dat uit de pictogrammenmap van de gegevensmap is geïmporteerd.</translation>
    </message>
    <message>
        <source>run the weekly backup of the data folder&apos;s reminders</source>
        <translation>de wekelijkse back-up van de herinneringen in de gegevensmap maken</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli backup [--data-dir DIR] [--force] [--now YYYY-MM-DDTHH:MM[:SS]]
Backs up DIR/Kestrelmark.km2 to DIR/KestrelmarkBackup.km2 when the last backup
recorded in the user&apos;s settings is a week old (or none is), as the program does at
start-up; --force backs up in any case.</source>
        <translation>Gebruik: kestrelmark-cli backup [--data-dir DIR] [--force] [--now YYYY-MM-DDTHH:MM[:SS]]
Kopieert DIR/Kestrelmark.km2 naar DIR/KestrelmarkBackup.km2 als de laatste back-up die
in de instellingen van de gebruiker staat een week oud is (of er geen is), zoals het programma
bij het starten doet; --force maakt in elk geval een back-up.</translation>
    </message>
    <message>
        <source>copy a reminder file into a current (.km2) one</source>
        <translation>een herinneringsbestand naar een actueel (.km2) bestand kopiëren</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli copy IN OUT
Reads IN (.km2 or legacy .kmr) and writes all its reminders to OUT.</source>
        <translation>Gebruik: kestrelmark-cli copy IN OUT
Leest IN (.km2 of het oude .kmr) en schrijft al zijn herinneringen naar OUT.</translation>
    </message>
    <message>
        <source>list the reminders that fall on a day</source>
        <translation>de herinneringen van een dag opsommen</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli day FILE --date YYYY-MM-DD
Prints the indexes (in date order) of the day&apos;s reminders, as the calendar shows them.</source>
        <translation>Gebruik: kestrelmark-cli day FILE --date YYYY-MM-DD
Toont de indexen (op datumvolgorde) van de herinneringen van de dag, zoals de kalender ze toont.</translation>
    </message>
    <message>
        <source>delete the reminders of a range of days</source>
        <translation>de herinneringen uit een periode verwijderen</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli delete-range FILE --from YYYY-MM-DD --to YYYY-MM-DD [--all-kinds]
Deletes the one-time reminders (all kinds with --all-kinds) whose own date and time lie
from the first day through the end of the last day.</source>
        <translation>Gebruik: kestrelmark-cli delete-range FILE --from YYYY-MM-DD --to YYYY-MM-DD [--all-kinds]
Verwijdert de eenmalige herinneringen (met --all-kinds alle soorten) waarvan de eigen datum en
tijd van de eerste dag tot het eind van de laatste dag vallen.</translation>
    </message>
    <message>
        <source>run one due-reminder pass at a given time</source>
        <translation>de verlopen herinneringen één keer controleren op een gegeven tijdstip</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli due FILE --at YYYY-MM-DDTHH:MM:SS [--save]
Prints the alerts the pass would show, in order; --save writes the shown flags back.</source>
        <translation>Gebruik: kestrelmark-cli due FILE --at YYYY-MM-DDTHH:MM:SS [--save]
Toont op volgorde de meldingen die de controle zou geven; --save schrijft de getoond-markeringen terug.</translation>
    </message>
    <message>
        <source>print a reminder file (or pack, or CSV) as JSON</source>
        <translation>een herinneringsbestand (of pakket, of CSV) als JSON tonen</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli dump FILE
Prints {&quot;format&quot;: ..., &quot;reminders&quot;: [...]} for FILE, chosen by its extension.</source>
        <translation>Gebruik: kestrelmark-cli dump FILE
Toont {&quot;format&quot;: ..., &quot;reminders&quot;: [...]} voor FILE, naar gelang de extensie.</translation>
    </message>
    <message>
        <source>export reminders as a reminder pack, Outlook CSV or iCalendar file</source>
        <translation>herinneringen exporteren als pakket, Outlook-CSV of iCalendar-bestand</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli export FILE OUT.rpk|OUT.csv|OUT.ics [--select 0,2,5] [--data-dir DIR]
Writes the reminders of FILE (all, or those at the given indexes in date order) as a
reminder pack with the icon and sound files they use (taken from DIR, by default the
per-user data folder), as an Outlook calendar file, or as an iCalendar file.</source>
        <translation>Gebruik: kestrelmark-cli export FILE OUT.rpk|OUT.csv|OUT.ics [--select 0,2,5] [--data-dir DIR]
Schrijft de herinneringen van FILE (alle, of die met de opgegeven indexen op datumvolgorde) als
herinneringspakket met de gebruikte pictogram- en geluidsbestanden (uit DIR, standaard de
gegevensmap van de gebruiker), als Outlook-agendabestand of als iCalendar-bestand.</translation>
    </message>
    <message>
        <source>import a reminder pack, Outlook CSV or iCalendar file into a reminder file</source>
        <translation>een pakket, Outlook-CSV of iCalendar-bestand in een herinneringsbestand importeren</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli import FILE PACK.rpk|CALENDAR.csv|CALENDAR.ics [--data-dir DIR]
Adds the reminders FILE does not hold yet (FILE is created when missing) and puts a
pack&apos;s icon and sound files into DIR/icons and DIR/sounds (by default the per-user
data folder). Prints what was added, what was skipped as a duplicate, and which data
files were written or refused. A damaged pack keeps what came before the damage and
exits with 2. An iCalendar import says how many events it simplified or left out, and how.</source>
        <translation>Gebruik: kestrelmark-cli import FILE PACK.rpk|CALENDAR.csv|CALENDAR.ics [--data-dir DIR]
Voegt de herinneringen toe die FILE nog niet heeft (FILE wordt aangemaakt als het ontbreekt) en
zet de pictogram- en geluidsbestanden van een pakket in DIR/icons en DIR/sounds (standaard de
gegevensmap van de gebruiker). Toont wat is toegevoegd, wat als dubbel is overgeslagen en welke
gegevensbestanden zijn geschreven of geweigerd. Een beschadigd pakket houdt wat vóór de beschadiging
stond en eindigt met 2. Een iCalendar-import meldt hoeveel gebeurtenissen vereenvoudigd of weggelaten
zijn, en hoe.</translation>
    </message>
    <message>
        <source>list every occurrence in a range of days</source>
        <translation>elk voorkomen in een periode opsommen</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli occurrences FILE --from YYYY-MM-DD --to YYYY-MM-DD [--per-day-limit N] [--full]
Lists every occurrence on the days from --from through --to, in date order: one entry
per occurrence on a line of its own, dated on its day at the reminder&apos;s own time
(dateTime), with the reminder&apos;s own date (reminderDateTime), its index (as day gives
it), message, recurrence, advance notice in minutes (noticeMinutes) and icon name.
--full gives every field of the reminder instead, indented, as dump does. --per-day-limit N keeps at most N a day, as the calendar collects them
(the printout keeps 20).</source>
        <translation>Gebruik: kestrelmark-cli occurrences FILE --from YYYY-MM-DD --to YYYY-MM-DD [--per-day-limit N] [--full]
Somt elk voorkomen op de dagen van --from tot en met --to op, op datumvolgorde: één regel per
voorkomen, gedateerd op zijn dag op de tijd van de herinnering (dateTime), met de eigen datum van
de herinnering (reminderDateTime), de index (zoals day die geeft), tekst, herhaling, vooraankondiging
in minuten (noticeMinutes) en pictogramnaam.
--full geeft in plaats daarvan alle velden van de herinnering, ingesprongen, zoals dump. --per-day-limit N
houdt er hoogstens N per dag, zoals de kalender ze verzamelt (de afdruk houdt er 20).</translation>
    </message>
    <message>
        <source>replace the reminders with the weekly backup</source>
        <translation>de herinneringen vervangen door de wekelijkse back-up</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli recover --yes [--data-dir DIR]
Replaces DIR/Kestrelmark.km2 with the contents of the weekly backup. Reminders made
since the backup are lost, so --yes is required. Without a readable backup nothing
changes and the exit code is 2.</source>
        <translation>Gebruik: kestrelmark-cli recover --yes [--data-dir DIR]
Vervangt DIR/Kestrelmark.km2 door de inhoud van de wekelijkse back-up. Herinneringen die sinds de
back-up zijn gemaakt, gaan verloren, daarom is --yes vereist. Zonder leesbare back-up verandert er
niets en is de afsluitcode 2.</translation>
    </message>
    <message>
        <source>sync a reminder file with a CalDAV calendar, both ways</source>
        <translation>een herinneringsbestand in beide richtingen met een CalDAV-agenda synchroniseren</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli sync FILE --url URL --user NAME --password-file F [--timeout SECONDS]
Brings FILE and the calendar at URL (the calendar collection, or the server, whose
calendar is then found through the user&apos;s principal) to the same reminders: what
changed on one side goes to the other; a reminder changed on both sides is kept in
both versions. What was last synced is kept in FILE&apos;s folder as &lt;name&gt;Sync.json.
The password is the first line of F; it goes to URL&apos;s own scheme, host and port
only (a redirect elsewhere fails the sync), and an http:// URL is warned of on
stderr, as it carries the password unencrypted. One sync of FILE runs at a time: a
second waits up to %1 seconds for the first. Prints a JSON report of what went each
way. A sync that fails before it settled anything writes nothing.
Exit codes: 0 synced, 2 unreadable FILE or state, 3 the sync failed (the report says
why; what was settled is kept) or another sync of FILE is still running, 4 the server
refused the user name or password.</source>
        <translation>Gebruik: kestrelmark-cli sync FILE --url URL --user NAME --password-file F [--timeout SECONDS]
Brengt FILE en de agenda op URL (de agendaverzameling, of de server, waarvan de agenda dan via de
principal van de gebruiker wordt gevonden) op dezelfde herinneringen: wat aan de ene kant is gewijzigd,
gaat naar de andere; een herinnering die aan beide kanten is gewijzigd, blijft in beide versies bewaard.
De laatste synchronisatiestand staat in de map van FILE als &lt;name&gt;Sync.json. Het wachtwoord is de eerste
regel van F; het gaat alleen naar schema, host en poort van URL (een omleiding elders laat de
synchronisatie mislukken), en bij een http://-URL volgt een waarschuwing op stderr, omdat die het
wachtwoord onversleuteld verstuurt. Er loopt één synchronisatie van FILE tegelijk: een tweede wacht tot
%1 seconden op de eerste. Toont een JSON-verslag van wat welke kant op ging. Een synchronisatie die
mislukt voordat ze iets heeft afgehandeld, schrijft niets.
Afsluitcodes: 0 gesynchroniseerd, 2 FILE of stand onleesbaar, 3 de synchronisatie is mislukt (het verslag
zegt waarom; wat was afgehandeld, blijft) of een andere synchronisatie van FILE loopt nog, 4 de server
weigerde de gebruikersnaam of het wachtwoord.</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli COMMAND [ARGUMENTS]

Reads and writes Kestrelmark reminder files (.km2, legacy .kmr) and prints JSON.
Exit codes: 0 success, 1 usage error, 2 unreadable or corrupt input.

Commands:
</source>
        <extracomment>The tool&apos;s --help. COMMAND and ARGUMENTS are placeholders; .km2 and .kmr are file types.</extracomment>
        <translation>Gebruik: kestrelmark-cli OPDRACHT [ARGUMENTEN]

Leest en schrijft Kestrelmark-herinneringsbestanden (.km2, het oude .kmr) en toont JSON.
Afsluitcodes: 0 gelukt, 1 verkeerd gebruik, 2 onleesbare of beschadigde invoer.

Opdrachten:
</translation>
    </message>
    <message>
        <source>
&apos;kestrelmark-cli COMMAND --help&apos; describes a command.
</source>
        <translation>
‘kestrelmark-cli OPDRACHT --help’ beschrijft een opdracht.
</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (see --help)</source>
        <translation>onbekende opdracht ‘%1’ (zie --help)</translation>
    </message>
    <message>
        <source>change one reminder of a reminder file</source>
        <translation>één herinnering in een herinneringsbestand wijzigen</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli edit FILE --id ID [--at YYYY-MM-DDTHH:MM[:SS]] [--message TEXT]
           [--recurrence one-time|annual|monthly|weekly] [--notice 2d3h30m]
           [--sound PATH] [--private yes|no]
ID is the reminder&apos;s id as dump shows it. What is not given stays as it is;
the alert then counts as not yet shown, as after an edit in the window.</source>
        <translation>Gebruik: kestrelmark-cli edit FILE --id ID [--at YYYY-MM-DDTHH:MM[:SS]] [--message TEXT]
           [--recurrence one-time|annual|monthly|weekly] [--notice 2d3h30m]
           [--sound PATH] [--private yes|no]
ID is de id van de herinnering zoals dump die toont. Wat niet is opgegeven, blijft
zoals het is; de melding telt daarna als nog niet getoond, zoals na een wijziging
in het venster.</translation>
    </message>
    <message>
        <source>warning: %1 is not encrypted: the password and the reminders travel readable to anyone on the network; use https:// where the server offers it</source>
        <translation>waarschuwing: %1 is niet versleuteld: het wachtwoord en de herinneringen zijn voor iedereen op het netwerk leesbaar; gebruik https:// als de server dat aanbiedt</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>%1 kan niet worden gestart: %2</translation>
    </message>
</context>
</TS>
