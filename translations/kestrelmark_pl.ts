<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CAboutBoxDlg</name>
    <message>
        <source>About Kestrelmark</source>
        <translation>O programie Kestrelmark</translation>
    </message>
    <message>
        <source>Kestrelmark
Personal Reminder Software</source>
        <translation>Kestrelmark
Osobisty program przypominający</translation>
    </message>
</context>
<context>
    <name>CCalendarAccessible</name>
    <message>
        <source>Today</source>
        <translation>Dziś</translation>
    </message>
</context>
<context>
    <name>CCalendarCsv</name>
    <message>
        <source>Windows CSV file successfully imported.</source>
        <translation>Plik CSV systemu Windows został zaimportowany.</translation>
    </message>
    <message>
        <source>
Its dates could be read day first or month first; they were read as your locale writes them (%1).</source>
        <extracomment>%1 is the date form the file was read in, e.g. &quot;dd.MM.yyyy&quot;.</extracomment>
        <translation>
Jego daty można było odczytać z dniem lub miesiącem na początku; odczytano je tak, jak zapisują je ustawienia regionalne (%1).</translation>
    </message>
</context>
<context>
    <name>CCalendarKeys</name>
    <message>
        <source>dddd d MMMM yyyy</source>
        <extracomment>How a screen reader reads a calendar day: a date format of QDate (dddd the weekday, d the day, MMMM the month&apos;s name, yyyy the year), in the order and with the signs the language uses.</extracomment>
        <translation>dddd, d MMMM yyyy</translation>
    </message>
    <message>
        <source>, 1 reminder: </source>
        <extracomment>After the day&apos;s name, before the list of its reminders.</extracomment>
        <translation>, 1 przypomnienie: </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>, %n reminders: </source>
        <translation>
            <numerusform>, %n przypomnienie: </numerusform>
            <numerusform>, %n przypomnienia: </numerusform>
            <numerusform>, %n przypomnień: </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CCalendarMenus</name>
    <message>
        <source>&amp;Delete this reminder...</source>
        <translation>&amp;Usuń to przypomnienie...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Edytuj...</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nowe...</translation>
    </message>
    <message>
        <source>&amp;About Kestrelmark...</source>
        <translation>&amp;O programie Kestrelmark...</translation>
    </message>
    <message>
        <source>&amp;Print reminders...</source>
        <translation>&amp;Drukuj przypomnienia...</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>&amp;Podgląd wydruku...</translation>
    </message>
    <message>
        <source>E&amp;xport reminders...</source>
        <translation>E&amp;ksportuj przypomnienia...</translation>
    </message>
    <message>
        <source>&amp;Import reminders...</source>
        <translation>&amp;Importuj przypomnienia...</translation>
    </message>
    <message>
        <source>Delete &amp;range of reminders...</source>
        <translation>Usuń przypomnienia z okre&amp;su...</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>Pomo&amp;c...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>Opc&amp;je...</translation>
    </message>
    <message>
        <source>Proper&amp;ties</source>
        <translation>&amp;Właściwości</translation>
    </message>
</context>
<context>
    <name>CCalendarWnd</name>
    <message>
        <source>Calendar</source>
        <translation>Kalendarz</translation>
    </message>
</context>
<context>
    <name>CCloseWarningDlg</name>
    <message>
        <source>If you close Kestrelmark, you will not be notified of future reminders until you restart your computer or run Kestrelmark again.  For maximum functionality, it is recommended that you &apos;just minimize.&apos;</source>
        <translation>Po zamknięciu programu Kestrelmark nie dostaniesz powiadomień o kolejnych przypomnieniach, dopóki nie uruchomisz ponownie komputera lub programu.  Aby w pełni z niego korzystać, zalecamy „tylko zminimalizować”.</translation>
    </message>
    <message>
        <source>Kestrelmark -- Close Warning!</source>
        <translation>Kestrelmark – ostrzeżenie przy zamykaniu!</translation>
    </message>
    <message>
        <source>Just &amp;minimize</source>
        <translation>Tylko &amp;minimalizuj</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>CConversionProgress</name>
    <message>
        <source>Sorry, there will be a slight delay while converting graphics to 256 colors.  For best results, please change your Display Properties to 24- or 16-bit color (16.7 million or 65536 colors).</source>
        <translation>Chwileczkę: grafika jest przekształcana do 256 kolorów.  Dla najlepszego efektu ustaw ekran na 24 lub 16 bitów koloru (16,7 mln lub 65 536 kolorów).</translation>
    </message>
</context>
<context>
    <name>CDateRangeCheck</name>
    <message>
        <source>One or both of the dates is invalid.  Please re-check them and try again.</source>
        <translation>Co najmniej jedna z dat jest nieprawidłowa.  Sprawdź je i spróbuj ponownie.</translation>
    </message>
</context>
<context>
    <name>CDateRangeDlg</name>
    <message>
        <source>Print reminders</source>
        <translation>Drukuj przypomnienia</translation>
    </message>
    <message>
        <source>Reminders for the following date range will be printed:</source>
        <translation>Zostaną wydrukowane przypomnienia z tego okresu:</translation>
    </message>
</context>
<context>
    <name>CDayListRows</name>
    <message>
        <source>1 day</source>
        <translation>1 dzień</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 godzina</translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n godzina</numerusform>
            <numerusform>%n godziny</numerusform>
            <numerusform>%n godzin</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <extracomment>Minutes of advance notice, in a narrow column: abbreviated.</extracomment>
        <translation>1 minuta</translation>
    </message>
    <message numerus="yes">
        <source>%n mins.</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message>
        <source>Reminders for %1:</source>
        <extracomment>The title of the day&apos;s list; %1 is the day.</extracomment>
        <translation>Przypomnienia na %1:</translation>
    </message>
    <message>
        <source>[%1]
Are you sure you want to delete this reminder?</source>
        <extracomment>%1 is the reminder&apos;s message.</extracomment>
        <translation>[%1]
Czy na pewno usunąć to przypomnienie?</translation>
    </message>
    <message>
        <source>Please select a reminder to delete.</source>
        <translation>Wybierz przypomnienie do usunięcia.</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n dzień</numerusform>
            <numerusform>%n dni</numerusform>
            <numerusform>%n dni</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDeleteRangeDlg</name>
    <message>
        <source>Delete reminders</source>
        <translation>Usuń przypomnienia</translation>
    </message>
    <message>
        <source>Reminders for the following date range will be deleted:</source>
        <translation>Zostaną usunięte przypomnienia z tego okresu:</translation>
    </message>
    <message>
        <source>Delete &amp;one-time reminders only.</source>
        <translation>Usuń tylko przypomnienia &amp;jednorazowe.</translation>
    </message>
</context>
<context>
    <name>CDesktopNotification</name>
    <message>
        <source>Show</source>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Snooze</source>
        <extracomment>The notification&apos;s button that puts the reminder off.</extracomment>
        <translation>Drzemka</translation>
    </message>
</context>
<context>
    <name>CEditRemindersDlg</name>
    <message>
        <source>Edit reminders</source>
        <translation>Edytuj przypomnienia</translation>
    </message>
    <message>
        <source>Reminders of the day</source>
        <translation>Przypomnienia dnia</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowe</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edytuj</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Adv. time</source>
        <translation>Wyprzedzenie</translation>
    </message>
    <message>
        <source>0 minutes</source>
        <translation>0 minut</translation>
    </message>
</context>
<context>
    <name>CExportSelectionDlg</name>
    <message>
        <source>Choose reminders to export as a Reminder Pack</source>
        <translation>Wybierz przypomnienia do wyeksportowania jako paczka</translation>
    </message>
    <message>
        <source>Share reminders with a friend!  Choose the reminders you want to export by moving them into the right-hand window.  Save to disk, or, if supported, email them to a friend!</source>
        <translation>Podziel się przypomnieniami ze znajomymi!  Wybierz przypomnienia do eksportu, przenosząc je na listę po prawej.  Zapisz je w pliku lub, jeśli to możliwe, wyślij e-mailem.</translation>
    </message>
    <message>
        <source>C&amp;urrent reminders</source>
        <translation>&amp;Bieżące przypomnienia</translation>
    </message>
    <message>
        <source>&amp;Reminders to export:</source>
        <translation>&amp;Przypomnienia do eksportu:</translation>
    </message>
    <message>
        <source>Current reminders</source>
        <translation>Bieżące przypomnienia</translation>
    </message>
    <message>
        <source>Reminders to export</source>
        <translation>Przypomnienia do eksportu</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Zapisz...</translation>
    </message>
    <message>
        <source>&amp;Mail to...</source>
        <translation>Wyślij e-&amp;mailem...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>First, please select the reminders you want to export.</source>
        <translation>Najpierw wybierz przypomnienia do eksportu.</translation>
    </message>
    <message>
        <source>Please select one or more reminders to export first.</source>
        <translation>Najpierw wybierz jedno lub więcej przypomnień do eksportu.</translation>
    </message>
    <message>
        <source>Please select one or more reminders to remove from the export list.</source>
        <translation>Wybierz jedno lub więcej przypomnień do usunięcia z listy eksportu.</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Przypomnienia</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Rodzaj</translation>
    </message>
</context>
<context>
    <name>CIconLibrary</name>
    <message>
        <source>Importing icons...</source>
        <translation>Importowanie ikon...</translation>
    </message>
</context>
<context>
    <name>CIcsFile</name>
    <message>
        <source>iCalendar file successfully imported.</source>
        <translation>Plik iCalendar został zaimportowany.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 could not be opened.</source>
        <translation>Niestety nie udało się otworzyć pliku %1.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 was not imported: %2.</source>
        <extracomment>%1 is the file, %2 why it was refused.</extracomment>
        <translation>Niestety pliku %1 nie zaimportowano: %2.</translation>
    </message>
    <message>
        <source>1 reminder added</source>
        <translation>Dodano 1 przypomnienie</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders added</source>
        <translation>
            <numerusform>Dodano %n przypomnienie</numerusform>
            <numerusform>Dodano %n przypomnienia</numerusform>
            <numerusform>Dodano %n przypomnień</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n already in the list.</source>
        <translation>
            <numerusform>, %n już na liście.</numerusform>
            <numerusform>, %n już na liście.</numerusform>
            <numerusform>, %n już na liście.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event simplified.</source>
        <translation>Uproszczono 1 wydarzenie.</translation>
    </message>
    <message numerus="yes">
        <source>%n events simplified.</source>
        <translation>
            <numerusform>Uproszczono %n wydarzenie.</numerusform>
            <numerusform>Uproszczono %n wydarzenia.</numerusform>
            <numerusform>Uproszczono %n wydarzeń.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event left out.</source>
        <translation>Pominięto 1 wydarzenie.</translation>
    </message>
    <message numerus="yes">
        <source>%n events left out.</source>
        <translation>
            <numerusform>Pominięto %n wydarzenie.</numerusform>
            <numerusform>Pominięto %n wydarzenia.</numerusform>
            <numerusform>Pominięto %n wydarzeń.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CImportProgress</name>
    <message>
        <source>Importing reminders from %1...</source>
        <extracomment>%1 is the name of the file being imported.</extracomment>
        <translation>Importowanie przypomnień z %1...</translation>
    </message>
</context>
<context>
    <name>CIntegerField</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Wpisz liczbę całkowitą.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Wpisz liczbę całkowitą od %1 do %2.</translation>
    </message>
</context>
<context>
    <name>CMainCommands</name>
    <message>
        <source>Sorry, the manual is missing. It belongs at %1.</source>
        <extracomment>%1 is the path of the help page.</extracomment>
        <translation>Niestety brak podręcznika. Powinien być w %1.</translation>
    </message>
    <message>
        <source>Sorry, no program could show the manual. You can open it in a web browser; it is at %1.</source>
        <extracomment>%1 is the path of the help page.</extracomment>
        <translation>Niestety żaden program nie zdołał wyświetlić podręcznika. Możesz otworzyć go w przeglądarce; jest w %1.</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Dźwięki włączone.</translation>
    </message>
    <message>
        <source>Sound is now off.</source>
        <translation>Dźwięki są teraz wyłączone.</translation>
    </message>
    <message>
        <source>Reminder message:
[%1]
Are you sure you want to delete this reminder?</source>
        <extracomment>%1 is the reminder&apos;s message.</extracomment>
        <translation>Treść przypomnienia:
[%1]
Czy na pewno usunąć to przypomnienie?</translation>
    </message>
</context>
<context>
    <name>CNewEventDlg</name>
    <message>
        <source>Reminder</source>
        <translation>Przypomnienie</translation>
    </message>
    <message>
        <source>&amp;Time of day</source>
        <translation>&amp;Godzina</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuta</translation>
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
        <translation>Jak często?</translation>
    </message>
    <message>
        <source>&amp;One-time</source>
        <translation>&amp;Jeden raz</translation>
    </message>
    <message>
        <source>A&amp;nnual</source>
        <translation>&amp;Co rok</translation>
    </message>
    <message>
        <source>Mont&amp;hly</source>
        <translation>Co &amp;miesiąc</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>Co &amp;tydzień</translation>
    </message>
    <message>
        <source>Send reminder in ad&amp;vance...</source>
        <translation>P&amp;rzypomnij wcześniej...</translation>
    </message>
    <message>
        <source>Days in advance</source>
        <translation>Dni wcześniej</translation>
    </message>
    <message>
        <source>Hours in advance</source>
        <translation>Godzin wcześniej</translation>
    </message>
    <message>
        <source>Minutes in advance</source>
        <translation>Minut wcześniej</translation>
    </message>
    <message>
        <source>days</source>
        <translation>dni</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>godz.</translation>
    </message>
    <message>
        <source>mins.</source>
        <extracomment>Under the field of minutes in advance: short, the field is narrow.</extracomment>
        <translation>min</translation>
    </message>
    <message>
        <source>Select &amp;icon</source>
        <translation>Wybierz &amp;ikonę</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Ikona</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowa</translation>
    </message>
    <message>
        <source>Add icon</source>
        <translation>Dodaj ikonę</translation>
    </message>
    <message>
        <source>A&amp;dd icon</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message>
        <source>Reminder &amp;message to display</source>
        <translation>Tr&amp;eść do wyświetlenia</translation>
    </message>
    <message>
        <source>Reminder message to display</source>
        <translation>Treść do wyświetlenia</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Use custom &amp;sound:</source>
        <translation>Wła&amp;sny dźwięk:</translation>
    </message>
    <message>
        <source>&amp;Choose sound...</source>
        <translation>&amp;Wybierz dźwięk...</translation>
    </message>
    <message>
        <source>Play (%1)</source>
        <translation>Odtwórz (%1)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>Canc&amp;el</source>
        <translation>Anu&amp;luj</translation>
    </message>
    <message>
        <source>(&amp;Click to choose sound)</source>
        <extracomment>The same text as &quot;(Click to choose sound)&quot;, with the button&apos;s Alt letter marked by &amp;.</extracomment>
        <translation>(&amp;Wybierz dźwięk)</translation>
    </message>
    <message>
        <source>Choose sound</source>
        <translation>Wybierz dźwięk</translation>
    </message>
    <message>
        <source>.WAV sound files (*.wav *.WAV)</source>
        <translation>Pliki dźwiękowe WAV (*.wav *.WAV)</translation>
    </message>
    <message>
        <source>Windows icons (*.ico *.ICO)</source>
        <translation>Ikony Windows (*.ico *.ICO)</translation>
    </message>
    <message>
        <source>Sorry, &quot;%1&quot; could not be read as an icon.  Please choose an icon file that holds a 32 x 32 picture.</source>
        <translation>Niestety nie udało się odczytać „%1” jako ikony.  Wybierz plik ikony z obrazem 32 × 32.</translation>
    </message>
</context>
<context>
    <name>CNewEventForm</name>
    <message>
        <source>Reminder for %1</source>
        <extracomment>The editor&apos;s title; %1 is the reminder&apos;s date.</extracomment>
        <translation>Przypomnienie na %1</translation>
    </message>
    <message>
        <source>The time of day that this reminder is scheduled for is invalid.  Please try another time.</source>
        <translation>Godzina tego przypomnienia jest nieprawidłowa.  Podaj inną godzinę.</translation>
    </message>
    <message>
        <source>(Click to choose sound)</source>
        <translation>(Wybierz dźwięk)</translation>
    </message>
</context>
<context>
    <name>CNotes</name>
    <message>
        <source>%1 takes one file, --from and --to</source>
        <translation>%1 przyjmuje jeden plik, --from i --to</translation>
    </message>
    <message>
        <source>--from and --to must be possible dates (YYYY-MM-DD)</source>
        <translation>--from i --to muszą być możliwymi datami (YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>opcja %1 wymaga wartości</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>nie można otworzyć %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a readable reminder file (%2)</source>
        <translation>%1 nie jest czytelnym plikiem przypomnień (%2)</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>nie można zapisać %1 (%2)</translation>
    </message>
    <message>
        <source>cannot write %1: %2; nothing written</source>
        <translation>nie można zapisać %1: %2; nic nie zapisano</translation>
    </message>
    <message>
        <source>%1 is busy: %2; gave up after %3 seconds, nothing written</source>
        <translation>%1 jest zajęty: %2; zrezygnowano po %3 s, nic nie zapisano</translation>
    </message>
    <message>
        <source>%1 is not a reminder pack</source>
        <translation>%1 nie jest paczką przypomnień</translation>
    </message>
    <message>
        <source>%1 is a damaged reminder pack (%2)</source>
        <translation>%1 jest uszkodzoną paczką przypomnień (%2)</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 jest pusty</translation>
    </message>
    <message>
        <source>%1 has none of the calendar columns</source>
        <translation>%1 nie ma żadnej z kolumn kalendarza</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>add takes one file</source>
        <translation>add przyjmuje jeden plik</translation>
    </message>
    <message>
        <source>add needs --at and --message</source>
        <translation>add wymaga --at i --message</translation>
    </message>
    <message>
        <source>--at: &apos;%1&apos; is not a possible date and time (YYYY-MM-DDTHH:MM[:SS])</source>
        <translation>--at: „%1” nie jest możliwą datą i godziną (YYYY-MM-DDTHH:MM[:SS])</translation>
    </message>
    <message>
        <source>--recurrence must be one-time, annual, monthly or weekly</source>
        <translation>--recurrence musi mieć wartość one-time, annual, monthly lub weekly</translation>
    </message>
    <message>
        <source>--icon: there is no icon named &apos;%1&apos;; the icons are: %2</source>
        <translation>--icon: nie ma ikony o nazwie „%1”; dostępne ikony: %2</translation>
    </message>
    <message>
        <source>--notice must look like 2d3h30m</source>
        <translation>--notice musi mieć postać 2d3h30m</translation>
    </message>
    <message>
        <source>backup takes no file; see --data-dir</source>
        <translation>backup nie przyjmuje pliku; zob. --data-dir</translation>
    </message>
    <message>
        <source>--now must be a possible date and time (YYYY-MM-DDTHH:MM[:SS])</source>
        <translation>--now musi być możliwą datą i godziną (YYYY-MM-DDTHH:MM[:SS])</translation>
    </message>
    <message>
        <source>the reminder file in %1 cannot be read; no backup made</source>
        <translation>nie można odczytać pliku przypomnień w %1; nie wykonano kopii</translation>
    </message>
    <message>
        <source>copy takes IN and OUT</source>
        <translation>copy przyjmuje IN i OUT</translation>
    </message>
    <message>
        <source>day takes one file and --date</source>
        <translation>day przyjmuje jeden plik i --date</translation>
    </message>
    <message>
        <source>--date: &apos;%1&apos; is not a possible date (YYYY-MM-DD)</source>
        <translation>--date: „%1” nie jest możliwą datą (YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>due takes one file and --at</source>
        <translation>due przyjmuje jeden plik i --at</translation>
    </message>
    <message>
        <source>--at: &apos;%1&apos; is not a possible date and time (YYYY-MM-DDTHH:MM:SS)</source>
        <translation>--at: „%1” nie jest możliwą datą i godziną (YYYY-MM-DDTHH:MM:SS)</translation>
    </message>
    <message>
        <source>dump takes one file</source>
        <translation>dump przyjmuje jeden plik</translation>
    </message>
    <message>
        <source>edit takes one file</source>
        <translation>edit przyjmuje jeden plik</translation>
    </message>
    <message>
        <source>edit needs --id, a reminder&apos;s id as dump shows it</source>
        <translation>edit wymaga --id, identyfikatora przypomnienia, tak jak pokazuje go dump</translation>
    </message>
    <message>
        <source>--private must be yes or no</source>
        <translation>--private musi mieć wartość yes lub no</translation>
    </message>
    <message>
        <source>%1 holds no reminder with the id %2; nothing written</source>
        <translation>%1 nie zawiera przypomnienia o identyfikatorze %2; nic nie zapisano</translation>
    </message>
    <message>
        <source>export takes a reminder file and an output file</source>
        <translation>export przyjmuje plik przypomnień i plik wyjściowy</translation>
    </message>
    <message>
        <source>the output file must end in .rpk, .csv or .ics</source>
        <translation>plik wyjściowy musi mieć rozszerzenie .rpk, .csv lub .ics</translation>
    </message>
    <message>
        <source>--select: &apos;%1&apos; is not an index of the file&apos;s %2 reminders</source>
        <translation>--select: „%1” nie jest indeksem spośród %2 przypomnień pliku</translation>
    </message>
    <message>
        <source>no reminders to export</source>
        <translation>brak przypomnień do eksportu</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>nie można zapisać %1</translation>
    </message>
    <message>
        <source>import takes a reminder file and a pack or CSV file</source>
        <translation>import przyjmuje plik przypomnień i paczkę lub plik CSV</translation>
    </message>
    <message>
        <source>the file to import must end in .rpk, .csv or .ics</source>
        <translation>importowany plik musi mieć rozszerzenie .rpk, .csv lub .ics</translation>
    </message>
    <message>
        <source>%1 was not imported: %2</source>
        <translation>nie zaimportowano %1: %2</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>nie można otworzyć %1</translation>
    </message>
    <message>
        <source>--per-day-limit takes a whole number of 1 or more</source>
        <translation>--per-day-limit przyjmuje liczbę całkowitą od 1 wzwyż</translation>
    </message>
    <message>
        <source>cannot write the listing to the standard output</source>
        <translation>nie można wypisać listy na standardowe wyjście</translation>
    </message>
    <message>
        <source>recover takes no file; see --data-dir</source>
        <translation>recover nie przyjmuje pliku; zob. --data-dir</translation>
    </message>
    <message>
        <source>recover replaces your reminders with the backup; confirm with --yes</source>
        <translation>recover zastępuje przypomnienia kopią; potwierdź opcją --yes</translation>
    </message>
    <message>
        <source>cannot read %1: %2; move it away to recover, nothing changed</source>
        <translation>nie można odczytać %1: %2; przenieś go, aby przywrócić, nic nie zmieniono</translation>
    </message>
    <message>
        <source>no backup in %1</source>
        <translation>brak kopii w %1</translation>
    </message>
    <message>
        <source>the backup in %1 cannot be read; nothing changed</source>
        <translation>nie można odczytać kopii w %1; nic nie zmieniono</translation>
    </message>
    <message>
        <source>%1 is damaged and no copy of it could be kept; nothing changed</source>
        <translation>%1 jest uszkodzony i nie udało się zachować jego kopii; nic nie zmieniono</translation>
    </message>
    <message>
        <source>cannot write the reminder file in %1</source>
        <translation>nie można zapisać pliku przypomnień w %1</translation>
    </message>
    <message>
        <source>sync takes one reminder file</source>
        <translation>sync przyjmuje jeden plik przypomnień</translation>
    </message>
    <message>
        <source>sync needs --%1</source>
        <translation>sync wymaga --%1</translation>
    </message>
    <message>
        <source>--url must be an http or https address</source>
        <translation>--url musi być adresem http lub https</translation>
    </message>
    <message>
        <source>--timeout takes 1 to 3600 seconds</source>
        <translation>--timeout przyjmuje od 1 do 3600 sekund</translation>
    </message>
    <message>
        <source>cannot read the password file %1</source>
        <translation>nie można odczytać pliku hasła %1</translation>
    </message>
    <message>
        <source>%1 (move it away to sync afresh)</source>
        <translation>%1 (przenieś go, aby zsynchronizować od nowa)</translation>
    </message>
    <message>
        <source>a changed occurrence of a repeating event (RECURRENCE-ID) has no reminder of its own</source>
        <translation>zmienione wystąpienie powtarzanego wydarzenia (RECURRENCE-ID) nie ma własnego przypomnienia</translation>
    </message>
    <message>
        <source>a to-do without a due date or start</source>
        <translation>zadanie bez terminu i bez początku</translation>
    </message>
    <message>
        <source>no start date</source>
        <translation>brak daty początku</translation>
    </message>
    <message>
        <source>a start date that could not be read</source>
        <translation>data początku, której nie dało się odczytać</translation>
    </message>
    <message>
        <source>a repeating event whose last occurrence is past</source>
        <translation>powtarzane wydarzenie, którego ostatnie wystąpienie minęło</translation>
    </message>
    <message>
        <source>none of its events and to-dos could become a reminder</source>
        <translation>żadne z jego wydarzeń i zadań nie mogło stać się przypomnieniem</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A note and, in brackets, what else is known of it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>it is too large to be a calendar</source>
        <translation>jest za duży jak na kalendarz</translation>
    </message>
    <message>
        <source>its parts are nested too deeply for a calendar</source>
        <translation>jego części są zagnieżdżone zbyt głęboko jak na kalendarz</translation>
    </message>
    <message>
        <source>one of its lines has more parameters than any calendar uses</source>
        <translation>jeden z jego wierszy ma więcej parametrów, niż używa jakikolwiek kalendarz</translation>
    </message>
    <message>
        <source>1 event: %1.</source>
        <translation>1 wydarzenie: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n events: %1.</source>
        <translation>
            <numerusform>%n wydarzenie: %1.</numerusform>
            <numerusform>%n wydarzenia: %1.</numerusform>
            <numerusform>%n wydarzeń: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event left out: %1.</source>
        <translation>Pominięto 1 wydarzenie: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n events left out: %1.</source>
        <translation>
            <numerusform>Pominięto %n wydarzenie: %1.</numerusform>
            <numerusform>Pominięto %n wydarzenia: %1.</numerusform>
            <numerusform>Pominięto %n wydarzeń: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>it holds no events or to-dos</source>
        <translation>nie zawiera wydarzeń ani zadań</translation>
    </message>
    <message>
        <source>it holds no events or to-dos (%1)</source>
        <translation>nie zawiera wydarzeń ani zadań (%1)</translation>
    </message>
    <message>
        <source>line %1 is not UTF-8 text: its byte %2 is 0x%3 (read as a replacement character)</source>
        <translation>wiersz %1 nie jest tekstem UTF-8: jego bajt %2 to 0x%3 (odczytany jako znak zastępczy)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>jest pusty</translation>
    </message>
    <message>
        <source>it is not an iCalendar file that can be read</source>
        <translation>nie jest czytelnym plikiem iCalendar</translation>
    </message>
    <message>
        <source>a repeat interval above 1 was read as 1</source>
        <translation>odstęp powtarzania większy niż 1 odczytano jako 1</translation>
    </message>
    <message>
        <source>the end of the repeat (COUNT or UNTIL) was dropped, so it repeats without end</source>
        <translation>pominięto koniec powtarzania (COUNT lub UNTIL), więc powtarza się bez końca</translation>
    </message>
    <message>
        <source>its excluded dates (EXDATE) were not kept</source>
        <translation>nie zachowano jego wykluczonych dat (EXDATE)</translation>
    </message>
    <message>
        <source>its extra dates (RDATE) were left out</source>
        <translation>pominięto jego dodatkowe daty (RDATE)</translation>
    </message>
    <message>
        <source>a repeat of hours or less became one time</source>
        <translation>powtarzanie co godzinę lub częściej zmieniono na jednorazowe</translation>
    </message>
    <message>
        <source>the days its rule names were read as the start&apos;s own day</source>
        <translation>dni wskazane przez jego regułę odczytano jako dzień początku</translation>
    </message>
    <message>
        <source>a repeat rule that could not be read became one time</source>
        <translation>nieczytelną regułę powtarzania zmieniono na jednorazową</translation>
    </message>
    <message>
        <source>only the first of its repeat rules was kept</source>
        <translation>zachowano tylko pierwszą z jego reguł powtarzania</translation>
    </message>
    <message>
        <source>an alarm after the start rings at the start</source>
        <translation>alarm po początku dzwoni na początku</translation>
    </message>
    <message>
        <source>an unknown time zone was read as local time</source>
        <translation>nieznaną strefę czasową odczytano jako czas lokalny</translation>
    </message>
    <message>
        <source>properties that could not be read were ignored</source>
        <translation>pominięto właściwości, których nie dało się odczytać</translation>
    </message>
    <message>
        <source>it keeps the time of its own time zone, which changes its clocks on other days than this computer&apos;s, so here it rings an hour off for part of the year</source>
        <translation>zachowuje czas własnej strefy, która zmienia czas w inne dni niż strefa tego komputera, więc tutaj przez część roku dzwoni z godzinnym przesunięciem</translation>
    </message>
    <message>
        <source>its repeat has one occurrence left, so it became one time</source>
        <translation>jego powtarzaniu zostało jedno wystąpienie, więc stało się jednorazowe</translation>
    </message>
    <message>
        <source>not valid text</source>
        <translation>nieprawidłowy tekst</translation>
    </message>
    <message>
        <source>too many folders</source>
        <translation>zbyt wiele folderów</translation>
    </message>
    <message>
        <source>empty or absolute path</source>
        <translation>pusta lub bezwzględna ścieżka</translation>
    </message>
    <message>
        <source>relative folder reference</source>
        <translation>względne odwołanie do folderu</translation>
    </message>
    <message>
        <source>character not allowed in file names</source>
        <translation>znak niedozwolony w nazwach plików</translation>
    </message>
    <message>
        <source>name too long</source>
        <translation>zbyt długa nazwa</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>to folder</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>a link that leads nowhere is in the way</source>
        <translation>przeszkadza dowiązanie, które prowadzi donikąd</translation>
    </message>
    <message>
        <source>cannot create its folder</source>
        <translation>nie można utworzyć jego folderu</translation>
    </message>
    <message>
        <source>its folder leads outside the data folder</source>
        <translation>jego folder prowadzi poza folder danych</translation>
    </message>
    <message>
        <source>a link of that name is in the way</source>
        <translation>przeszkadza dowiązanie o tej nazwie</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>przeszkadza folder o tej nazwie</translation>
    </message>
    <message>
        <source>cannot create the file: %1</source>
        <translation>nie można utworzyć pliku: %1</translation>
    </message>
    <message>
        <source>cannot write the file: %1</source>
        <translation>nie można zapisać pliku: %1</translation>
    </message>
    <message>
        <source>not in icons or sounds</source>
        <translation>poza icons i sounds</translation>
    </message>
    <message>
        <source>the pack breaks off inside it</source>
        <translation>paczka urywa się w jego środku</translation>
    </message>
    <message>
        <source>the list of data files ends in an unknown value</source>
        <translation>lista plików danych kończy się nieznaną wartością</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>brak pamięci</translation>
    </message>
    <message>
        <source>not enough memory to read it</source>
        <translation>za mało pamięci, by go odczytać</translation>
    </message>
    <message>
        <source>it is damaged (%1), and no copy of it could be kept</source>
        <translation>jest uszkodzony (%1) i nie udało się zachować jego kopii</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>serwer nie odpowiedział na czas</translation>
    </message>
    <message>
        <source>the server&apos;s reply is larger than %1 bytes</source>
        <translation>odpowiedź serwera przekracza %1 bajtów</translation>
    </message>
    <message>
        <source>the server&apos;s certificate was refused: %1</source>
        <translation>odrzucono certyfikat serwera: %1</translation>
    </message>
    <message>
        <source>the server refused the user name or password</source>
        <translation>serwer odrzucił nazwę użytkownika lub hasło</translation>
    </message>
    <message>
        <source>the server sent the request to %1</source>
        <translation>serwer przekierował żądanie do %1</translation>
    </message>
    <message>
        <source>the server sent the request elsewhere (%1)</source>
        <translation>serwer przekierował żądanie gdzie indziej (%1)</translation>
    </message>
    <message>
        <source>the reply is not a WebDAV multistatus</source>
        <translation>odpowiedź nie jest multistatusem WebDAV</translation>
    </message>
    <message>
        <source>unreadable multistatus reply: %1</source>
        <translation>nieczytelna odpowiedź multistatus: %1</translation>
    </message>
    <message>
        <source>the account&apos;s address is not an http or https address</source>
        <translation>adres konta nie jest adresem http ani https</translation>
    </message>
    <message>
        <source>finding the calendar</source>
        <translation>szukanie kalendarza</translation>
    </message>
    <message>
        <source>finding the calendar: %1</source>
        <translation>szukanie kalendarza: %1</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>brak odpowiedzi</translation>
    </message>
    <message>
        <source>no calendar was found at %1</source>
        <translation>nie znaleziono kalendarza pod %1</translation>
    </message>
    <message>
        <source>reading the calendar home</source>
        <translation>odczyt folderu kalendarzy</translation>
    </message>
    <message>
        <source>reading the calendar home: %1</source>
        <translation>odczyt folderu kalendarzy: %1</translation>
    </message>
    <message>
        <source>making a calendar</source>
        <translation>tworzenie kalendarza</translation>
    </message>
    <message>
        <source>asking what changed</source>
        <translation>pytanie o zmiany</translation>
    </message>
    <message>
        <source>listing the calendar</source>
        <translation>wyliczanie kalendarza</translation>
    </message>
    <message>
        <source>listing the calendar: %1</source>
        <translation>wyliczanie kalendarza: %1</translation>
    </message>
    <message>
        <source>too large to take (%1the limit is %2 MB)</source>
        <extracomment>%1 is the event&apos;s size and a semicolon (&quot;3.2 MB; &quot;) or nothing, %2 the largest size taken.</extracomment>
        <translation>za duże, by je przyjąć (%1limit to %2 MB)</translation>
    </message>
    <message>
        <source>the server&apos;s reply could not be read (%1)</source>
        <translation>nie udało się odczytać odpowiedzi serwera (%1)</translation>
    </message>
    <message>
        <source>fetching events</source>
        <translation>pobieranie wydarzeń</translation>
    </message>
    <message>
        <source>it holds no event or to-do</source>
        <translation>nie zawiera wydarzenia ani zadania</translation>
    </message>
    <message>
        <source>no calendar data</source>
        <translation>brak danych kalendarza</translation>
    </message>
    <message>
        <source>the server did not send it</source>
        <translation>serwer go nie wysłał</translation>
    </message>
    <message>
        <source>the calendar kept changing during the sync; it is tried again later</source>
        <translation>kalendarz ciągle się zmieniał podczas synchronizacji; nastąpi ponowna próba później</translation>
    </message>
    <message>
        <source>deleting an event</source>
        <translation>usuwanie wydarzenia</translation>
    </message>
    <message>
        <source>sending an event</source>
        <translation>wysyłanie wydarzenia</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>serwer odpowiedział %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A note&apos;s subject (what was being done, a reminder&apos;s message) and what is said of it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no event in the calendar resource</source>
        <translation>brak wydarzenia w zasobie kalendarza</translation>
    </message>
    <message>
        <source>%1: %2 here only; %3</source>
        <extracomment>%1 is the reminder&apos;s message, %2 what was changed here (&quot;moved&quot;), %3 why the calendar did not take it.</extracomment>
        <translation>%1: %2 tylko tutaj; %3</translation>
    </message>
    <message>
        <source>the meeting is organised by %1</source>
        <translation>spotkanie organizuje %1</translation>
    </message>
    <message>
        <source>retitled</source>
        <extracomment>What was changed here, in &quot;%1: %2 here only; %3&quot;; so are &quot;moved&quot; and the other changes.</extracomment>
        <translation>zmieniono tytuł</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>przeniesiono</translation>
    </message>
    <message>
        <source>the calendar&apos;s event holds its other days, which did not move</source>
        <translation>wydarzenie w kalendarzu obejmuje też inne jego dni, które się nie przesunęły</translation>
    </message>
    <message>
        <source>an all-day event moves by whole days</source>
        <translation>wydarzenie całodniowe przesuwa się o całe dni</translation>
    </message>
    <message>
        <source>the event&apos;s repeat rule cannot move by that much and keep its days</source>
        <translation>reguła powtarzania wydarzenia nie może przesunąć się tak bardzo i zachować swoich dni</translation>
    </message>
    <message>
        <source>notice changed</source>
        <translation>zmieniono wyprzedzenie</translation>
    </message>
    <message>
        <source>another alarm of the event rings earlier</source>
        <translation>inny alarm wydarzenia dzwoni wcześniej</translation>
    </message>
    <message>
        <source>repeat changed</source>
        <translation>zmieniono powtarzanie</translation>
    </message>
    <message>
        <source>privacy changed</source>
        <translation>zmieniono prywatność</translation>
    </message>
    <message>
        <source>not fetched</source>
        <translation>nie pobrano</translation>
    </message>
    <message>
        <source>%1: deleted here; the calendar&apos;s event still holds it</source>
        <translation>%1: usunięto tutaj; wydarzenie w kalendarzu wciąż je zawiera</translation>
    </message>
    <message>
        <source>%1: deleted here; the calendar&apos;s later change to it was not taken</source>
        <translation>%1: usunięto tutaj; późniejszej zmiany w kalendarzu nie przyjęto</translation>
    </message>
    <message>
        <source>a sync of this file is already running</source>
        <translation>synchronizacja tego pliku już trwa</translation>
    </message>
    <message>
        <source>the sync lock %1 cannot be created (%2)</source>
        <translation>nie można utworzyć blokady synchronizacji %1 (%2)</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>brak uprawnień</translation>
    </message>
    <message>
        <source>the reason is unknown</source>
        <translation>przyczyna jest nieznana</translation>
    </message>
    <message>
        <source>%1 is too large to be a sync state</source>
        <translation>%1 jest za duży jak na stan synchronizacji</translation>
    </message>
    <message>
        <source>%1 is damaged: an entry cannot be read</source>
        <translation>%1 jest uszkodzony: nie można odczytać wpisu</translation>
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
        <translation>Nieprawidłowa data</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Upcoming Reminders window</source>
        <translation>Lista najbliższych przypomnień</translation>
    </message>
    <message>
        <source>&amp;Show reminders for next</source>
        <translation>&amp;Pokazuj przypomnienia z najbliższych</translation>
    </message>
    <message>
        <source>days.</source>
        <translation>dni.</translation>
    </message>
    <message>
        <source>Reminder Alert Sound</source>
        <translation>Dźwięk alertu</translation>
    </message>
    <message>
        <source>Use system &amp;beep</source>
        <translation>Sygnał &amp;systemowy</translation>
    </message>
    <message>
        <source>Use sound file</source>
        <translation>Plik dźwiękowy</translation>
    </message>
    <message>
        <source>Use sound file (%1)</source>
        <translation>Plik dźwiękowy (%1)</translation>
    </message>
    <message>
        <source>Browse for a sound file</source>
        <translation>Wybierz plik dźwiękowy</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>O&amp;dtwórz</translation>
    </message>
    <message>
        <source>S&amp;tart Kestrelmark when I log in</source>
        <translation>&amp;Uruchamiaj Kestrelmark po zalogowaniu</translation>
    </message>
    <message>
        <source>Also show alerts as desktop &amp;notifications</source>
        <translation>Pokazuj alerty także jako po&amp;wiadomienia pulpitu</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>(Click here to choose a .WAV sound &amp;file)</source>
        <extracomment>The same text as &quot;(Click here to choose a .WAV sound file)&quot;, with the button&apos;s Alt letter marked by &amp;.</extracomment>
        <translation>(&amp;Kliknij tutaj, aby wybrać plik WAV)</translation>
    </message>
    <message>
        <source>Choose .WAV sound file</source>
        <translation>Wybierz plik dźwiękowy WAV</translation>
    </message>
    <message>
        <source>.WAV sound files (*.wav *.WAV)</source>
        <translation>Pliki dźwiękowe WAV (*.wav *.WAV)</translation>
    </message>
    <message>
        <source>Sorry, Kestrelmark could not set itself to start when you log in.</source>
        <translation>Niestety nie udało się ustawić uruchamiania Kestrelmark po zalogowaniu.</translation>
    </message>
    <message>
        <source>Sorry, Kestrelmark could not stop itself from starting when you log in.</source>
        <translation>Niestety nie udało się wyłączyć uruchamiania Kestrelmark po zalogowaniu.</translation>
    </message>
</context>
<context>
    <name>COptionsForm</name>
    <message>
        <source>(Click here to choose a .WAV sound file)</source>
        <translation>(Kliknij tutaj, aby wybrać plik WAV)</translation>
    </message>
</context>
<context>
    <name>COrvantis2App</name>
    <message>
        <source>Another copy of Kestrelmark is running.  Please close it and try again.</source>
        <translation>Kestrelmark jest już uruchomiony.  Zamknij go i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Kestrelmark is running but did not take %1.  Please open the file from the running Kestrelmark.</source>
        <extracomment>%1 is the file the user asked a second start of the program to open.</extracomment>
        <translation>Kestrelmark działa, ale nie przyjął %1.  Otwórz plik w działającym programie Kestrelmark.</translation>
    </message>
</context>
<context>
    <name>COrvantis2Dlg</name>
    <message>
        <source>New reminder</source>
        <translation>Nowe przypomnienie</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>The label of the main window&apos;s new-reminder button: short, the button is small.</extracomment>
        <translation>Nowe</translation>
    </message>
    <message>
        <source>Reminders of the day</source>
        <translation>Przypomnienia dnia</translation>
    </message>
    <message>
        <source>Reminders</source>
        <extracomment>The label of the main window&apos;s button that lists the selected day&apos;s reminders: short.</extracomment>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Go to today</source>
        <translation>Przejdź do dziś</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>The label of the main window&apos;s go-to-today button: short.</extracomment>
        <translation>Dziś</translation>
    </message>
    <message>
        <source>Upcoming reminders</source>
        <translation>Najbliższe przypomnienia</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Miesiąc</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Rok</translation>
    </message>
    <message>
        <source>Go to today (%1)</source>
        <extracomment>%1 is the keys that do the same, e.g. Ctrl+T.</extracomment>
        <translation>Przejdź do dziś (%1)</translation>
    </message>
    <message>
        <source>Kestrelmark Personal Reminder Software</source>
        <translation>Kestrelmark – osobisty program przypominający</translation>
    </message>
    <message>
        <source>TaskBarAddIcon failed.  Imagine that...</source>
        <translation>TaskBarAddIcon nie powiodło się.  Kto by pomyślał...</translation>
    </message>
    <message>
        <source>There is no knowledge that is not power.</source>
        <translation>Nie ma wiedzy, która nie byłaby władzą.</translation>
    </message>
</context>
<context>
    <name>COrvantis2View</name>
    <message>
        <source>More tools</source>
        <translation>Więcej narzędzi</translation>
    </message>
    <message>
        <source>Zoom factor</source>
        <translation>Powiększenie</translation>
    </message>
    <message>
        <source>Current page</source>
        <translation>Bieżąca strona</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Strony</translation>
    </message>
    <message>
        <source>Reminder list printed %1</source>
        <extracomment>The head of every printed page; %1 is the date and time of printing.</extracomment>
        <translation>Lista przypomnień wydrukowana %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Strona %1</translation>
    </message>
    <message>
        <source>Reminders.pdf</source>
        <extracomment>The file name offered when the list is printed to a PDF file.</extracomment>
        <translation>Przypomnienia.pdf</translation>
    </message>
    <message>
        <source>Print reminders</source>
        <translation>Drukuj przypomnienia</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Podgląd wydruku</translation>
    </message>
</context>
<context>
    <name>CProgressWnd</name>
    <message>
        <source>Kestrelmark -- Please wait...</source>
        <translation>Kestrelmark – proszę czekać...</translation>
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
        <translation>Czy NA PEWNO trwale usunąć przypomnienia od %1 do %2?</translation>
    </message>
    <message numerus="yes">
        <source>A total of %n reminder(s) were deleted.</source>
        <translation>
            <numerusform>Usunięto łącznie %n przypomnienie.</numerusform>
            <numerusform>Usunięto łącznie %n przypomnienia.</numerusform>
            <numerusform>Usunięto łącznie %n przypomnień.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CRangeDlgBase</name>
    <message>
        <source>From day</source>
        <translation>Dzień początkowy</translation>
    </message>
    <message>
        <source>From year</source>
        <translation>Rok początkowy</translation>
    </message>
    <message>
        <source>To day</source>
        <translation>Dzień końcowy</translation>
    </message>
    <message>
        <source>To year</source>
        <translation>Rok końcowy</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Od:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Do:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
</context>
<context>
    <name>CReminder</name>
    <message>
        <source>Annual</source>
        <translation>Co rok</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Co miesiąc</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Co tydzień</translation>
    </message>
    <message>
        <source>One time</source>
        <translation>Jednorazowe</translation>
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
        <translation>&amp;Drzemka</translation>
    </message>
    <message>
        <source>Kestrelmark Reminder</source>
        <translation>Przypomnienie Kestrelmark</translation>
    </message>
</context>
<context>
    <name>CReminderCheck</name>
    <message>
        <source>One day to go:
</source>
        <translation>Został jeden dzień:
</translation>
    </message>
    <message>
        <source>Reminder for %1:

</source>
        <extracomment>The alert&apos;s head; %1 is the date and time the reminder is for. The message follows.</extracomment>
        <translation>Przypomnienie na %1:

</translation>
    </message>
    <message numerus="yes">
        <source>%n days to go:
</source>
        <translation>
            <numerusform>Został %n dzień:
</numerusform>
            <numerusform>Zostały %n dni:
</numerusform>
            <numerusform>Zostało %n dni:
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CReminderExchange</name>
    <message>
        <source>Reminder Pack successfully imported.</source>
        <translation>Paczka przypomnień została zaimportowana.</translation>
    </message>
    <message>
        <source>Sorry, the title cannot contain punctuation characters or be empty.</source>
        <translation>Niestety tytuł nie może być pusty ani zawierać znaków interpunkcyjnych.</translation>
    </message>
    <message>
        <source>Sorry, this function is not supported.  Please save your reminder pack as a file and attach it to an email using your favorite mail package.</source>
        <translation>Niestety ta funkcja nie jest obsługiwana.  Zapisz paczkę przypomnień jako plik i dołącz go do wiadomości w swoim programie pocztowym.</translation>
    </message>
    <message>
        <source>Sorry, there was a problem sending this file.  Please save it to disk instead.</source>
        <translation>Niestety wysłanie tego pliku nie powiodło się.  Zapisz go zamiast tego na dysku.</translation>
    </message>
    <message>
        <source>Sorry, there was an error opening %1 for writing.</source>
        <translation>Niestety nie udało się otworzyć %1 do zapisu.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 could not be opened.</source>
        <translation>Niestety nie udało się otworzyć pliku %1.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is not a reminder pack, so nothing was imported.</source>
        <translation>Niestety plik %1 nie jest paczką przypomnień; nic nie zaimportowano.</translation>
    </message>
    <message>
        <source>Sorry, the reminder pack %1 is damaged and could not be read to the end.  What came before the damage was imported.</source>
        <translation>Niestety paczka przypomnień %1 jest uszkodzona i nie dała się odczytać do końca.  Zaimportowano to, co znajdowało się przed uszkodzeniem.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is unsupported.</source>
        <translation>Niestety plik %1 nie jest obsługiwany.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is empty, so nothing was imported.</source>
        <translation>Niestety plik %1 jest pusty; nic nie zaimportowano.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is not an Outlook calendar file, so nothing was imported.</source>
        <translation>Niestety plik %1 nie jest plikiem kalendarza Outlooka; nic nie zaimportowano.</translation>
    </message>
</context>
<context>
    <name>CReminderFileKeeper</name>
    <message>
        <source>Sorry, the reminder file %1 was damaged by another program. Every reminder that could still be read was kept, and a copy of the damaged file was kept as %2.</source>
        <extracomment>%1 is the reminder file, %2 the copy kept of it.</extracomment>
        <translation>Niestety inny program uszkodził plik przypomnień %1. Zachowano wszystkie przypomnienia, które dało się odczytać, a kopię uszkodzonego pliku zapisano jako %2.</translation>
    </message>
    <message>
        <source>Sorry, your reminders could not be saved to %1: %2. They stay in this program, and it will try again at the next save.</source>
        <extracomment>%1 is the reminder file, %2 why it could not be written.</extracomment>
        <translation>Niestety nie udało się zapisać przypomnień w %1: %2. Pozostają w programie, który spróbuje ponownie przy następnym zapisie.</translation>
    </message>
</context>
<context>
    <name>CReminderFileLock</name>
    <message>
        <source>an unreadable lock</source>
        <translation>nieczytelną blokadą</translation>
    </message>
    <message>
        <source>an empty lock</source>
        <translation>pustą blokadą</translation>
    </message>
    <message>
        <source>a garbled lock</source>
        <translation>zniekształconą blokadą</translation>
    </message>
    <message>
        <source>the lock of process %1, which no longer runs</source>
        <translation>blokadą procesu %1, który już nie działa</translation>
    </message>
    <message>
        <source>%1 is %2, not a lock; move it away to write the file</source>
        <extracomment>%1 is the lock file&apos;s path, %2 &quot;a folder&quot; or &quot;not a regular file&quot;.</extracomment>
        <translation>%1 to %2, a nie blokada; przenieś to, aby można było zapisać plik</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>plik specjalny</translation>
    </message>
    <message>
        <source>its lock %1 is %2, and it cannot be removed (%3); remove it by hand</source>
        <translation>jego blokada %1 jest %2 i nie da się jej usunąć (%3); usuń ją ręcznie</translation>
    </message>
    <message>
        <source>another program (%1, process %2) is writing it</source>
        <translation>inny program (%1, proces %2) właśnie go zapisuje</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>nieznany</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created: %2</source>
        <translation>nie można utworzyć pliku blokady %1: %2</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>brak uprawnień</translation>
    </message>
    <message>
        <source>the reason is unknown</source>
        <translation>z nieznanego powodu</translation>
    </message>
</context>
<context>
    <name>CReminderPackTitleDlg</name>
    <message>
        <source>Reminder Pack Title</source>
        <translation>Tytuł paczki przypomnień</translation>
    </message>
    <message>
        <source>Please enter a &amp;title for this Reminder Pack:</source>
        <translation>Wpisz &amp;tytuł tej paczki przypomnień:</translation>
    </message>
</context>
<context>
    <name>CReminderStore</name>
    <message>
        <source>Sorry, but either your reminder file is from a previous version of this software, or it has become corrupt and cannot be read, or it is empty.</source>
        <translation>Niestety plik przypomnień pochodzi z poprzedniej wersji programu, jest uszkodzony i nieczytelny albo jest pusty.</translation>
    </message>
    <message>
        <source>Sorry, there is not enough memory to run this program.</source>
        <translation>Niestety brakuje pamięci, aby uruchomić ten program.</translation>
    </message>
    <message>
        <source>An error occurred while attempting to write your reminder file to disk.  You may be out of harddrive space.  Please free up some space and click OK to try again.</source>
        <translation>Podczas zapisu pliku przypomnień wystąpił błąd.  Możliwe, że dysk jest pełny.  Zwolnij miejsce i kliknij OK, aby spróbować ponownie.</translation>
    </message>
    <message>
        <source>Sorry, there is not enough memory to save your reminders.  Please close all other programs and click OK to try again.</source>
        <translation>Niestety brakuje pamięci, aby zapisać przypomnienia.  Zamknij inne programy i kliknij OK, aby spróbować ponownie.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>jest większy niż %1 MB</translation>
    </message>
    <message>
        <source>not enough memory to read it</source>
        <translation>za mało pamięci, by go odczytać</translation>
    </message>
    <message>
        <source>Sorry, your reminder file %1 cannot be read (%2). Your reminders stay in this program, and the file will not be written until it can be read again.</source>
        <extracomment>%1 is the reminder file, %2 why it cannot be read.</extracomment>
        <translation>Niestety nie można odczytać pliku przypomnień %1 (%2). Przypomnienia pozostają w programie, a plik nie zostanie zapisany, dopóki nie da się go znów odczytać.</translation>
    </message>
    <message>
        <source>

A copy of the damaged file was kept as %1.</source>
        <translation>

Kopię uszkodzonego pliku zapisano jako %1.</translation>
    </message>
    <message>
        <source>Error opening %1: %2</source>
        <extracomment>%1 is the reminder file, %2 why it cannot be opened.</extracomment>
        <translation>Błąd otwierania %1: %2</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>za mało pamięci</translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <translation>dysk może być pełny</translation>
    </message>
</context>
<context>
    <name>CSharingCommands</name>
    <message>
        <source>Reminder Packs (*.rpk);;Outlook98 Windows CSV (*.csv);;iCalendar (*.ics);;All files (*)</source>
        <extracomment>The file kinds of the export dialog, &quot;;;&quot; between them: keep the patterns in brackets.</extracomment>
        <translation>Paczki przypomnień (*.rpk);;CSV Windows z Outlook98 (*.csv);;iCalendar (*.ics);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Reminder Packs (*.rpk);;Outlook98 Windows CSV (*.csv);;iCalendar (*.ics)</source>
        <extracomment>The file kinds of the import dialog, &quot;;;&quot; between them: keep the patterns in brackets.</extracomment>
        <translation>Paczki przypomnień (*.rpk);;CSV Windows z Outlook98 (*.csv);;iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>There are no reminders to print in this date range.</source>
        <translation>W tym okresie nie ma przypomnień do wydrukowania.</translation>
    </message>
    <message>
        <source>Sorry, an error occured.</source>
        <translation>Niestety wystąpił błąd.</translation>
    </message>
    <message>
        <source>Icon succesfully imported.</source>
        <translation>Ikona została zaimportowana.</translation>
    </message>
    <message>
        <source>Sorry, the reminders could not be printed.</source>
        <translation>Niestety nie udało się wydrukować przypomnień.</translation>
    </message>
    <message>
        <source>Export reminder pack as</source>
        <translation>Eksportuj paczkę przypomnień jako</translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>The file name offered for a new export.</extracomment>
        <translation>Bez tytułu</translation>
    </message>
    <message>
        <source>Import reminders</source>
        <translation>Importuj przypomnienia</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is not an icon file that can be read, so it was not imported.</source>
        <translation>Niestety plik %1 nie jest czytelnym plikiem ikony; nie został zaimportowany.</translation>
    </message>
    <message>
        <source>Sorry, an icon named %1 is already in the icons folder, so the dropped one was not imported.</source>
        <translation>Niestety w folderze ikon jest już ikona o nazwie %1; upuszczona ikona nie została zaimportowana.</translation>
    </message>
    <message>
        <source>Sorry, the icon file %1 could not be copied into the icons folder.</source>
        <translation>Niestety nie udało się skopiować pliku ikony %1 do folderu ikon.</translation>
    </message>
</context>
<context>
    <name>CSnooze</name>
    <message>
        <source>5 minutes</source>
        <translation>5 minut</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minut</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minut</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minut</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 godzina</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 godziny</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Jutro</translation>
    </message>
</context>
<context>
    <name>CSyncAccountBox</name>
    <message>
        <source>Calendar sync (CalDAV)</source>
        <translation>Synchronizacja kalendarza (CalDAV)</translation>
    </message>
    <message>
        <source>https://server/ or the calendar&apos;s address</source>
        <translation>https://serwer/ lub adres kalendarza</translation>
    </message>
    <message>
        <source>S&amp;ync now</source>
        <translation>&amp;Synchronizuj teraz</translation>
    </message>
    <message>
        <source>Warning: this address is not encrypted: the password and your reminders travel readable to anyone on the network. Use https:// if the server offers it.</source>
        <translation>Uwaga: ten adres nie jest szyfrowany; hasło i przypomnienia są w sieci czytelne dla każdego. Użyj https://, jeśli serwer to umożliwia.</translation>
    </message>
    <message>
        <source>Warning: unencrypted calendar address</source>
        <translation>Uwaga: nieszyfrowany adres kalendarza</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adres:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Użytkownik:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Hasło:</translation>
    </message>
    <message>
        <source>&amp;Details...</source>
        <translation>Szczegół&amp;y...</translation>
    </message>
    <message>
        <source>What the last sync simplified, left out or found changed on both sides</source>
        <translation>Co ostatnia synchronizacja uprościła, pominęła lub zastała zmienione po obu stronach</translation>
    </message>
    <message>
        <source>(kept in your keyring)</source>
        <translation>(przechowywane w bazie kluczy)</translation>
    </message>
    <message>
        <source>The calendar address must be an http:// or https:// address.</source>
        <translation>Adres kalendarza musi zaczynać się od http:// lub https://.</translation>
    </message>
    <message>
        <source>Enter the user name of the calendar account.</source>
        <translation>Wpisz nazwę użytkownika konta kalendarza.</translation>
    </message>
    <message>
        <source>Enter the password of the calendar account.</source>
        <translation>Wpisz hasło konta kalendarza.</translation>
    </message>
    <message>
        <source>No account: nothing is synced.</source>
        <translation>Brak konta: nic nie jest synchronizowane.</translation>
    </message>
    <message>
        <source>The last sync:

</source>
        <extracomment>Followed by the list of what the last sync simplified or left out.</extracomment>
        <translation>Ostatnia synchronizacja:

</translation>
    </message>
</context>
<context>
    <name>CSyncAccountPanel</name>
    <message>
        <source>The password could not be kept in your keyring: %1</source>
        <translation>Nie udało się zapisać hasła w bazie kluczy: %1</translation>
    </message>
</context>
<context>
    <name>CSyncController</name>
    <message>
        <source>Not synced yet</source>
        <translation>Jeszcze nie zsynchronizowano</translation>
    </message>
    <message>
        <source>no password store</source>
        <translation>brak magazynu haseł</translation>
    </message>
    <message>
        <source>The password could not be kept: %1</source>
        <translation>Nie udało się zapisać hasła: %1</translation>
    </message>
    <message>
        <source>Not synced: no password store</source>
        <translation>Nie zsynchronizowano: brak magazynu haseł</translation>
    </message>
    <message>
        <source>Not synced: the password could not be read (%1)</source>
        <translation>Nie zsynchronizowano: nie udało się odczytać hasła (%1)</translation>
    </message>
    <message>
        <source>Not synced: %1</source>
        <translation>Nie zsynchronizowano: %1</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronizowanie...</translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <translation>Ostatnia synchronizacja: %1</translation>
    </message>
    <message>
        <source>Not synced: the server refused the user name or password</source>
        <translation>Nie zsynchronizowano: serwer odrzucił nazwę użytkownika lub hasło</translation>
    </message>
    <message>
        <source>The calendar server refused the user name or password. Enter them again under Options to sync your reminders.</source>
        <translation>Serwer kalendarza odrzucił nazwę użytkownika lub hasło. Wpisz je ponownie w Opcjach, aby synchronizować przypomnienia.</translation>
    </message>
    <message>
        <source>Not synced at %1: %2%3</source>
        <translation>Nie zsynchronizowano %1: %2%3</translation>
    </message>
    <message>
        <source> (last synced %1)</source>
        <translation> (ostatnia synchronizacja: %1)</translation>
    </message>
</context>
<context>
    <name>CSyncEngine</name>
    <message>
        <source>1 event simplified:</source>
        <translation>Uproszczono 1 wydarzenie:</translation>
    </message>
    <message numerus="yes">
        <source>%n events simplified:</source>
        <translation>
            <numerusform>Uproszczono %n wydarzenie:</numerusform>
            <numerusform>Uproszczono %n wydarzenia:</numerusform>
            <numerusform>Uproszczono %n wydarzeń:</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event left out:</source>
        <translation>Pominięto 1 wydarzenie:</translation>
    </message>
    <message numerus="yes">
        <source>%n events left out:</source>
        <translation>
            <numerusform>Pominięto %n wydarzenie:</numerusform>
            <numerusform>Pominięto %n wydarzenia:</numerusform>
            <numerusform>Pominięto %n wydarzeń:</numerusform>
        </translation>
    </message>
    <message>
        <source>1 change kept on this computer only:</source>
        <translation>1 zmiana zachowana tylko na tym komputerze:</translation>
    </message>
    <message numerus="yes">
        <source>%n changes kept on this computer only:</source>
        <translation>
            <numerusform>%n zmiana zachowana tylko na tym komputerze:</numerusform>
            <numerusform>%n zmiany zachowane tylko na tym komputerze:</numerusform>
            <numerusform>%n zmian zachowanych tylko na tym komputerze:</numerusform>
        </translation>
    </message>
    <message>
        <source>1 resource outside the calendar left alone:</source>
        <translation>Pozostawiono bez zmian 1 zasób poza kalendarzem:</translation>
    </message>
    <message numerus="yes">
        <source>%n resources outside the calendar left alone:</source>
        <translation>
            <numerusform>Pozostawiono bez zmian %n zasób poza kalendarzem:</numerusform>
            <numerusform>Pozostawiono bez zmian %n zasoby poza kalendarzem:</numerusform>
            <numerusform>Pozostawiono bez zmian %n zasobów poza kalendarzem:</numerusform>
        </translation>
    </message>
    <message>
        <source>1 reminder was changed both here and on the server; both versions are kept.</source>
        <translation>Zmieniono tutaj i na serwerze 1 przypomnienie; zachowano obie wersje.</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders were changed both here and on the server; both versions are kept.</source>
        <translation>
            <numerusform>Zmieniono tutaj i na serwerze %n przypomnienie; zachowano obie wersje.</numerusform>
            <numerusform>Zmieniono tutaj i na serwerze %n przypomnienia; zachowano obie wersje.</numerusform>
            <numerusform>Zmieniono tutaj i na serwerze %n przypomnień; zachowano obie wersje.</numerusform>
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
        <translation>Zamknij Kestrelmark</translation>
    </message>
    <message>
        <source>New reminder...</source>
        <translation>Nowe przypomnienie...</translation>
    </message>
    <message>
        <source>Import reminders...</source>
        <translation>Importuj przypomnienia...</translation>
    </message>
    <message>
        <source>Print reminders...</source>
        <translation>Drukuj przypomnienia...</translation>
    </message>
    <message>
        <source>Print preview...</source>
        <translation>Podgląd wydruku...</translation>
    </message>
    <message>
        <source>Delete range of reminders...</source>
        <translation>Usuń przypomnienia z okresu...</translation>
    </message>
    <message>
        <source>Recover reminders from weekly backup...</source>
        <translation>Przywróć przypomnienia z kopii tygodniowej...</translation>
    </message>
    <message>
        <source>Export reminders...</source>
        <translation>Eksportuj przypomnienia...</translation>
    </message>
    <message>
        <source>Toggle interface sounds on/off</source>
        <translation>Włącz/wyłącz dźwięki interfejsu</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opcje...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>&amp;About Kestrelmark...</source>
        <translation>&amp;O programie Kestrelmark...</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Następne: %1</translation>
    </message>
    <message>
        <source>Show Kestrelmark</source>
        <translation>Pokaż Kestrelmark</translation>
    </message>
    <message>
        <source>Due: %1</source>
        <extracomment>The tray tip: the reminders whose alerts wait for an answer.</extracomment>
        <translation>Do potwierdzenia: %1</translation>
    </message>
</context>
<context>
    <name>CWeeklyBackup</name>
    <message>
        <source>Sorry, no backup of your reminders was found, so nothing was recovered.  A backup is made once a week when the program starts.</source>
        <translation>Niestety nie znaleziono kopii zapasowej przypomnień; niczego nie przywrócono.  Kopia powstaje raz w tygodniu przy starcie programu.</translation>
    </message>
    <message>
        <source>Recovery complete.</source>
        <translation>Przywracanie zakończone.</translation>
    </message>
    <message>
        <source>Sorry, the backup of your reminders is damaged and cannot be read, so nothing was recovered.  Your reminders are as they were.</source>
        <translation>Niestety kopia zapasowa przypomnień jest uszkodzona i nieczytelna; niczego nie przywrócono.  Przypomnienia pozostały bez zmian.</translation>
    </message>
    <message>
        <source>Sorry, the weekly backup of your reminders could not be written to %1: %2. Your reminders themselves are not affected; the backup will be tried again.</source>
        <extracomment>%1 is the backup file, %2 why it could not be written.</extracomment>
        <translation>Niestety nie udało się zapisać tygodniowej kopii przypomnień w %1: %2. Same przypomnienia są bezpieczne; kopia zostanie ponowiona.</translation>
    </message>
    <message>
        <source>Your reminder file is missing; your last backup from %1 has %2. Use Recover to restore it.</source>
        <extracomment>%1 is the date of the backup, %2 how many reminders it has (&quot;1 reminder&quot;, &quot;5 reminders&quot;).</extracomment>
        <translation>Brakuje pliku przypomnień; ostatnia kopia z %1 zawiera %2. Użyj polecenia „Przywróć przypomnienia z kopii tygodniowej”, aby go odzyskać.</translation>
    </message>
    <message>
        <source>1 reminder</source>
        <translation>1 przypomnienie</translation>
    </message>
    <message>
        <source>Are you sure you want to recover your reminder database from the last backup of %1?</source>
        <extracomment>%1 is the date of the last backup.</extracomment>
        <translation>Czy na pewno przywrócić przypomnienia z ostatniej kopii z %1?</translation>
    </message>
    <message>
        <source>Any reminders created since %1  will be PERMANENTLY LOST.  Proceed?</source>
        <extracomment>%1 is the date of the last backup.</extracomment>
        <translation>Wszystkie przypomnienia utworzone od %1 zostaną BEZPOWROTNIE UTRACONE.  Kontynuować?</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n przypomnienie</numerusform>
            <numerusform>%n przypomnienia</numerusform>
            <numerusform>%n przypomnień</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CWriteFailure</name>
    <message>
        <source>its folder %1 is gone</source>
        <translation>jego folder %1 już nie istnieje</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 nie jest folderem</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>dysk jest tylko do odczytu</translation>
    </message>
    <message>
        <source>there is no space left on the disk</source>
        <translation>na dysku nie ma już miejsca</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>brak uprawnień</translation>
    </message>
</context>
<context>
    <name>kestrelmark-cli</name>
    <message>
        <source>add a reminder to a reminder file</source>
        <translation>dodaj przypomnienie do pliku przypomnień</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli add FILE --at YYYY-MM-DDTHH:MM[:SS] --message TEXT
           [--recurrence one-time|annual|monthly|weekly] [--notice 2d3h30m]
           [--icon NAME] [--sound PATH] [--private] [--data-dir DIR]
Creates FILE when it does not exist. NAME is a built-in icon or an
icon file imported from the icons folder of the data folder.</source>
        <translation>Użycie: kestrelmark-cli add FILE --at YYYY-MM-DDTHH:MM[:SS] --message TEXT
           [--recurrence one-time|annual|monthly|weekly] [--notice 2d3h30m]
           [--icon NAME] [--sound PATH] [--private] [--data-dir DIR]
Tworzy FILE, jeśli nie istnieje. NAME to wbudowana ikona albo plik ikony
zaimportowany z folderu ikon w folderze danych.</translation>
    </message>
    <message>
        <source>run the weekly backup of the data folder&apos;s reminders</source>
        <translation>wykonaj tygodniową kopię przypomnień z folderu danych</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli backup [--data-dir DIR] [--force] [--now YYYY-MM-DDTHH:MM[:SS]]
Backs up DIR/Kestrelmark.km2 to DIR/KestrelmarkBackup.km2 when the last backup
recorded in the user&apos;s settings is a week old (or none is), as the program does at
start-up; --force backs up in any case.</source>
        <translation>Użycie: kestrelmark-cli backup [--data-dir DIR] [--force] [--now YYYY-MM-DDTHH:MM[:SS]]
Kopiuje DIR/Kestrelmark.km2 do DIR/KestrelmarkBackup.km2, gdy ostatnia kopia zapisana
w ustawieniach użytkownika ma tydzień (lub nie ma żadnej), tak jak program przy starcie;
--force wykonuje kopię w każdym przypadku.</translation>
    </message>
    <message>
        <source>copy a reminder file into a current (.km2) one</source>
        <translation>skopiuj plik przypomnień do bieżącego formatu (.km2)</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli copy IN OUT
Reads IN (.km2 or legacy .kmr) and writes all its reminders to OUT.</source>
        <translation>Użycie: kestrelmark-cli copy IN OUT
Czyta IN (.km2 lub dawny .kmr) i zapisuje wszystkie jego przypomnienia do OUT.</translation>
    </message>
    <message>
        <source>list the reminders that fall on a day</source>
        <translation>wypisz przypomnienia z danego dnia</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli day FILE --date YYYY-MM-DD
Prints the indexes (in date order) of the day&apos;s reminders, as the calendar shows them.</source>
        <translation>Użycie: kestrelmark-cli day FILE --date YYYY-MM-DD
Wypisuje indeksy (w kolejności dat) przypomnień z danego dnia, tak jak pokazuje je kalendarz.</translation>
    </message>
    <message>
        <source>delete the reminders of a range of days</source>
        <translation>usuń przypomnienia z okresu</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli delete-range FILE --from YYYY-MM-DD --to YYYY-MM-DD [--all-kinds]
Deletes the one-time reminders (all kinds with --all-kinds) whose own date and time lie
from the first day through the end of the last day.</source>
        <translation>Użycie: kestrelmark-cli delete-range FILE --from YYYY-MM-DD --to YYYY-MM-DD [--all-kinds]
Usuwa przypomnienia jednorazowe (z --all-kinds wszystkich rodzajów), których data i godzina
przypadają od pierwszego dnia do końca ostatniego.</translation>
    </message>
    <message>
        <source>run one due-reminder pass at a given time</source>
        <translation>sprawdź raz zaległe przypomnienia w danej chwili</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli due FILE --at YYYY-MM-DDTHH:MM:SS [--save]
Prints the alerts the pass would show, in order; --save writes the shown flags back.</source>
        <translation>Użycie: kestrelmark-cli due FILE --at YYYY-MM-DDTHH:MM:SS [--save]
Wypisuje kolejno alerty, które pokazałoby sprawdzenie; --save zapisuje znaczniki pokazania.</translation>
    </message>
    <message>
        <source>print a reminder file (or pack, or CSV) as JSON</source>
        <translation>wypisz plik przypomnień (paczkę lub CSV) jako JSON</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli dump FILE
Prints {&quot;format&quot;: ..., &quot;reminders&quot;: [...]} for FILE, chosen by its extension.</source>
        <translation>Użycie: kestrelmark-cli dump FILE
Wypisuje {&quot;format&quot;: ..., &quot;reminders&quot;: [...]} dla FILE, zależnie od rozszerzenia.</translation>
    </message>
    <message>
        <source>export reminders as a reminder pack, Outlook CSV or iCalendar file</source>
        <translation>eksportuj przypomnienia jako paczkę, CSV Outlooka lub plik iCalendar</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli export FILE OUT.rpk|OUT.csv|OUT.ics [--select 0,2,5] [--data-dir DIR]
Writes the reminders of FILE (all, or those at the given indexes in date order) as a
reminder pack with the icon and sound files they use (taken from DIR, by default the
per-user data folder), as an Outlook calendar file, or as an iCalendar file.</source>
        <translation>Użycie: kestrelmark-cli export FILE OUT.rpk|OUT.csv|OUT.ics [--select 0,2,5] [--data-dir DIR]
Zapisuje przypomnienia z FILE (wszystkie lub o podanych indeksach w kolejności dat) jako paczkę
przypomnień z używanymi plikami ikon i dźwięków (z DIR, domyślnie folderu danych użytkownika),
jako plik kalendarza Outlooka lub jako plik iCalendar.</translation>
    </message>
    <message>
        <source>import a reminder pack, Outlook CSV or iCalendar file into a reminder file</source>
        <translation>importuj paczkę, CSV Outlooka lub plik iCalendar do pliku przypomnień</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli import FILE PACK.rpk|CALENDAR.csv|CALENDAR.ics [--data-dir DIR]
Adds the reminders FILE does not hold yet (FILE is created when missing) and puts a
pack&apos;s icon and sound files into DIR/icons and DIR/sounds (by default the per-user
data folder). Prints what was added, what was skipped as a duplicate, and which data
files were written or refused. A damaged pack keeps what came before the damage and
exits with 2. An iCalendar import says how many events it simplified or left out, and how.</source>
        <translation>Użycie: kestrelmark-cli import FILE PACK.rpk|CALENDAR.csv|CALENDAR.ics [--data-dir DIR]
Dodaje przypomnienia, których FILE jeszcze nie ma (FILE powstaje, gdy go brak), a pliki ikon
i dźwięków z paczki umieszcza w DIR/icons i DIR/sounds (domyślnie w folderze danych użytkownika).
Wypisuje, co dodano, co pominięto jako duplikat i które pliki danych zapisano lub odrzucono.
Uszkodzona paczka zachowuje to, co było przed uszkodzeniem, i kończy się kodem 2. Import iCalendar
podaje, ile wydarzeń uproszczono lub pominięto, i jak.</translation>
    </message>
    <message>
        <source>list every occurrence in a range of days</source>
        <translation>wypisz każde wystąpienie w okresie</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli occurrences FILE --from YYYY-MM-DD --to YYYY-MM-DD [--per-day-limit N] [--full]
Lists every occurrence on the days from --from through --to, in date order: one entry
per occurrence on a line of its own, dated on its day at the reminder&apos;s own time
(dateTime), with the reminder&apos;s own date (reminderDateTime), its index (as day gives
it), message, recurrence, advance notice in minutes (noticeMinutes) and icon name.
--full gives every field of the reminder instead, indented, as dump does. --per-day-limit N keeps at most N a day, as the calendar collects them
(the printout keeps 20).</source>
        <translation>Użycie: kestrelmark-cli occurrences FILE --from YYYY-MM-DD --to YYYY-MM-DD [--per-day-limit N] [--full]
Wypisuje każde wystąpienie w dniach od --from do --to w kolejności dat: jeden wpis na wystąpienie
w osobnym wierszu, datowany na jego dzień o godzinie przypomnienia (dateTime), z własną datą
przypomnienia (reminderDateTime), jego indeksem (takim jak w day), treścią, powtarzaniem,
wyprzedzeniem w minutach (noticeMinutes) i nazwą ikony.
--full podaje zamiast tego wszystkie pola przypomnienia z wcięciem, jak dump. --per-day-limit N
zostawia najwyżej N na dzień, tak jak zbiera je kalendarz (wydruk zostawia 20).</translation>
    </message>
    <message>
        <source>replace the reminders with the weekly backup</source>
        <translation>zastąp przypomnienia kopią tygodniową</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli recover --yes [--data-dir DIR]
Replaces DIR/Kestrelmark.km2 with the contents of the weekly backup. Reminders made
since the backup are lost, so --yes is required. Without a readable backup nothing
changes and the exit code is 2.</source>
        <translation>Użycie: kestrelmark-cli recover --yes [--data-dir DIR]
Zastępuje DIR/Kestrelmark.km2 zawartością kopii tygodniowej. Przypomnienia utworzone po kopii
przepadają, dlatego wymagane jest --yes. Bez czytelnej kopii nic się nie zmienia, a kod wyjścia to 2.</translation>
    </message>
    <message>
        <source>sync a reminder file with a CalDAV calendar, both ways</source>
        <translation>synchronizuj plik przypomnień z kalendarzem CalDAV w obie strony</translation>
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
        <translation>Użycie: kestrelmark-cli sync FILE --url URL --user NAME --password-file F [--timeout SECONDS]
Doprowadza FILE i kalendarz pod URL (kolekcję kalendarza albo serwer, którego kalendarz znajduje się
wtedy przez principal użytkownika) do tych samych przypomnień: co zmieniło się po jednej stronie,
trafia na drugą; przypomnienie zmienione po obu stronach zostaje w obu wersjach. Stan ostatniej
synchronizacji jest w folderze FILE jako &lt;name&gt;Sync.json. Hasło to pierwszy wiersz F; trafia tylko
do schematu, hosta i portu URL (przekierowanie gdzie indziej przerywa synchronizację), a przy adresie
http:// pojawia się ostrzeżenie na stderr, bo przesyła on hasło bez szyfrowania. Naraz działa jedna
synchronizacja FILE: druga czeka do %1 sekund na pierwszą. Wypisuje raport JSON o tym, co poszło
w którą stronę. Synchronizacja, która zawiedzie, zanim cokolwiek ustali, niczego nie zapisuje.
Kody wyjścia: 0 zsynchronizowano, 2 nieczytelny FILE lub stan, 3 synchronizacja się nie powiodła
(raport podaje przyczynę; to, co ustalono, zostaje) albo trwa inna synchronizacja FILE, 4 serwer
odrzucił nazwę użytkownika lub hasło.</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli COMMAND [ARGUMENTS]

Reads and writes Kestrelmark reminder files (.km2, legacy .kmr) and prints JSON.
Exit codes: 0 success, 1 usage error, 2 unreadable or corrupt input.

Commands:
</source>
        <extracomment>The tool&apos;s --help. COMMAND and ARGUMENTS are placeholders; .km2 and .kmr are file types.</extracomment>
        <translation>Użycie: kestrelmark-cli POLECENIE [ARGUMENTY]

Czyta i zapisuje pliki przypomnień Kestrelmark (.km2, dawny .kmr) i wypisuje JSON.
Kody wyjścia: 0 sukces, 1 błąd użycia, 2 nieczytelne lub uszkodzone dane.

Polecenia:
</translation>
    </message>
    <message>
        <source>
&apos;kestrelmark-cli COMMAND --help&apos; describes a command.
</source>
        <translation>
„kestrelmark-cli POLECENIE --help” opisuje polecenie.
</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (see --help)</source>
        <translation>nieznane polecenie „%1” (zob. --help)</translation>
    </message>
    <message>
        <source>change one reminder of a reminder file</source>
        <translation>zmień jedno przypomnienie w pliku przypomnień</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli edit FILE --id ID [--at YYYY-MM-DDTHH:MM[:SS]] [--message TEXT]
           [--recurrence one-time|annual|monthly|weekly] [--notice 2d3h30m]
           [--sound PATH] [--private yes|no]
ID is the reminder&apos;s id as dump shows it. What is not given stays as it is;
the alert then counts as not yet shown, as after an edit in the window.</source>
        <translation>Użycie: kestrelmark-cli edit FILE --id ID [--at YYYY-MM-DDTHH:MM[:SS]] [--message TEXT]
           [--recurrence one-time|annual|monthly|weekly] [--notice 2d3h30m]
           [--sound PATH] [--private yes|no]
ID to identyfikator przypomnienia, tak jak pokazuje go dump. To, czego nie podano,
pozostaje bez zmian; alert liczy się potem jako jeszcze niepokazany, jak po
edycji w oknie.</translation>
    </message>
    <message>
        <source>warning: %1 is not encrypted: the password and the reminders travel readable to anyone on the network; use https:// where the server offers it</source>
        <translation>ostrzeżenie: %1 nie jest szyfrowany: hasło i przypomnienia są w sieci czytelne dla każdego; użyj https://, jeśli serwer to umożliwia</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>nie można uruchomić %1: %2</translation>
    </message>
</context>
</TS>
