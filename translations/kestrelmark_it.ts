<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CAboutBoxDlg</name>
    <message>
        <source>About Kestrelmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrelmark
Personal Reminder Software</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCalendarAccessible</name>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCalendarCsv</name>
    <message>
        <source>Windows CSV file successfully imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Its dates could be read day first or month first; they were read as your locale writes them (%1).</source>
        <extracomment>%1 is the date form the file was read in, e.g. &quot;dd.MM.yyyy&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCalendarKeys</name>
    <message>
        <source>dddd d MMMM yyyy</source>
        <extracomment>How a screen reader reads a calendar day: a date format of QDate (dddd the weekday, d the day, MMMM the month&apos;s name, yyyy the year), in the order and with the signs the language uses.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, 1 reminder: </source>
        <extracomment>After the day&apos;s name, before the list of its reminders.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>, %n reminders: </source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CCalendarMenus</name>
    <message>
        <source>&amp;Delete this reminder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Kestrelmark...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print reminders...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport reminders...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import reminders...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &amp;range of reminders...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper&amp;ties</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCalendarWnd</name>
    <message>
        <source>Calendar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCloseWarningDlg</name>
    <message>
        <source>If you close Kestrelmark, you will not be notified of future reminders until you restart your computer or run Kestrelmark again.  For maximum functionality, it is recommended that you &apos;just minimize.&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrelmark -- Close Warning!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Just &amp;minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CConversionProgress</name>
    <message>
        <source>Sorry, there will be a slight delay while converting graphics to 256 colors.  For best results, please change your Display Properties to 24- or 16-bit color (16.7 million or 65536 colors).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDateRangeCheck</name>
    <message>
        <source>One or both of the dates is invalid.  Please re-check them and try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDateRangeDlg</name>
    <message>
        <source>Print reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders for the following date range will be printed:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDayListRows</name>
    <message>
        <source>1 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <extracomment>Minutes of advance notice, in a narrow column: abbreviated.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n mins.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Reminders for %1:</source>
        <extracomment>The title of the day&apos;s list; %1 is the day.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[%1]
Are you sure you want to delete this reminder?</source>
        <extracomment>%1 is the reminder&apos;s message.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a reminder to delete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDeleteRangeDlg</name>
    <message>
        <source>Delete reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders for the following date range will be deleted:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &amp;one-time reminders only.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDesktopNotification</name>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snooze</source>
        <extracomment>The notification&apos;s button that puts the reminder off.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CEditRemindersDlg</name>
    <message>
        <source>Edit reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders of the day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adv. time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 minutes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CExportSelectionDlg</name>
    <message>
        <source>Choose reminders to export as a Reminder Pack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share reminders with a friend!  Choose the reminders you want to export by moving them into the right-hand window.  Save to disk, or, if supported, email them to a friend!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;urrent reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reminders to export:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders to export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mail to...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First, please select the reminders you want to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select one or more reminders to export first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select one or more reminders to remove from the export list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CIconLibrary</name>
    <message>
        <source>Importing icons...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CImportProgress</name>
    <message>
        <source>Importing reminders from %1...</source>
        <extracomment>%1 is the name of the file being imported.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CIntegerField</name>
    <message>
        <source>Please enter an integer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainCommands</name>
    <message>
        <source>Sorry, the manual is missing. It belongs at %1.</source>
        <extracomment>%1 is the path of the help page.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, no program could show the manual. You can open it in a web browser; it is at %1.</source>
        <extracomment>%1 is the path of the help page.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound is now off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder message:
[%1]
Are you sure you want to delete this reminder?</source>
        <extracomment>%1 is the reminder&apos;s message.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CNewEventDlg</name>
    <message>
        <source>Reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Time of day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;AM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;PM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How often?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;One-time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;nnual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mont&amp;hly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send reminder in ad&amp;vance...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days in advance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours in advance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes in advance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mins.</source>
        <extracomment>Under the field of minutes in advance: short, the field is narrow.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;dd icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder &amp;message to display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder message to display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use custom &amp;sound:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Choose sound...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canc&amp;el</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(&amp;Click to choose sound)</source>
        <extracomment>The same text as &quot;(Click to choose sound)&quot;, with the button&apos;s Alt letter marked by &amp;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.WAV sound files (*.wav *.WAV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows icons (*.ico *.ICO)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, &quot;%1&quot; could not be read as an icon.  Please choose an icon file that holds a 32 x 32 picture.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CNewEventForm</name>
    <message>
        <source>Reminder for %1</source>
        <extracomment>The editor&apos;s title; %1 is the reminder&apos;s date.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time of day that this reminder is scheduled for is invalid.  Please try another time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Click to choose sound)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upcoming Reminders window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show reminders for next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder Alert Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use system &amp;beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use sound file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use sound file (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for a sound file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tart Kestrelmark when I log in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also show alerts as desktop &amp;notifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Click here to choose a .WAV sound &amp;file)</source>
        <extracomment>The same text as &quot;(Click here to choose a .WAV sound file)&quot;, with the button&apos;s Alt letter marked by &amp;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose .WAV sound file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.WAV sound files (*.wav *.WAV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, Kestrelmark could not set itself to start when you log in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, Kestrelmark could not stop itself from starting when you log in.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COptionsForm</name>
    <message>
        <source>(Click here to choose a .WAV sound file)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COrvantis2App</name>
    <message>
        <source>Another copy of Kestrelmark is running.  Please close it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrelmark is running but did not take %1.  Please open the file from the running Kestrelmark.</source>
        <extracomment>%1 is the file the user asked a second start of the program to open.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COrvantis2Dlg</name>
    <message>
        <source>New reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>The label of the main window&apos;s new-reminder button: short, the button is small.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders of the day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders</source>
        <extracomment>The label of the main window&apos;s button that lists the selected day&apos;s reminders: short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>The label of the main window&apos;s go-to-today button: short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upcoming reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to today (%1)</source>
        <extracomment>%1 is the keys that do the same, e.g. Ctrl+T.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrelmark Personal Reminder Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TaskBarAddIcon failed.  Imagine that...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no knowledge that is not power.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COrvantis2View</name>
    <message>
        <source>More tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder list printed %1</source>
        <extracomment>The head of every printed page; %1 is the date and time of printing.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders.pdf</source>
        <extracomment>The file name offered when the list is printed to a PDF file.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CProgressWnd</name>
    <message>
        <source>Kestrelmark -- Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CQtMessageSink</name>
    <message>
        <source>Kestrelmark</source>
        <extracomment>The title of the program&apos;s message boxes: the program&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRangeDelete</name>
    <message>
        <source>Are you SURE you want to permanently delete reminders from %1 to %2?</source>
        <extracomment>%1 and %2 are the first and last day of the range.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>A total of %n reminder(s) were deleted.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CRangeDlgBase</name>
    <message>
        <source>From day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CReminder</name>
    <message>
        <source>Annual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CReminderAlertDlg</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Snooze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrelmark Reminder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CReminderCheck</name>
    <message>
        <source>One day to go:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder for %1:

</source>
        <extracomment>The alert&apos;s head; %1 is the date and time the reminder is for. The message follows.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n days to go:
</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CReminderExchange</name>
    <message>
        <source>Reminder Pack successfully imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the title cannot contain punctuation characters or be empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, this function is not supported.  Please save your reminder pack as a file and attach it to an email using your favorite mail package.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, there was a problem sending this file.  Please save it to disk instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, there was an error opening %1 for writing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the file %1 could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the file %1 is not a reminder pack, so nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the reminder pack %1 is damaged and could not be read to the end.  What came before the damage was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the file %1 is unsupported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the file %1 is empty, so nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the file %1 is not an Outlook calendar file, so nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CReminderFileKeeper</name>
    <message>
        <source>Sorry, the reminder file %1 was damaged by another program. Every reminder that could still be read was kept, and a copy of the damaged file was kept as %2.</source>
        <extracomment>%1 is the reminder file, %2 the copy kept of it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, your reminders could not be saved to %1: %2. They stay in this program, and it will try again at the next save.</source>
        <extracomment>%1 is the reminder file, %2 why it could not be written.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CReminderFileLock</name>
    <message>
        <source>an unreadable lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an empty lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a garbled lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lock of process %1, which no longer runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2, not a lock; move it away to write the file</source>
        <extracomment>%1 is the lock file&apos;s path, %2 &quot;a folder&quot; or &quot;not a regular file&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its lock %1 is %2, and it cannot be removed (%3); remove it by hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program (%1, process %2) is writing it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the reason is unknown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CReminderPackTitleDlg</name>
    <message>
        <source>Reminder Pack Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a &amp;title for this Reminder Pack:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CReminderStore</name>
    <message>
        <source>Sorry, but either your reminder file is from a previous version of this software, or it has become corrupt and cannot be read, or it is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, there is not enough memory to run this program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error occurred while attempting to write your reminder file to disk.  You may be out of harddrive space.  Please free up some space and click OK to try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, there is not enough memory to save your reminders.  Please close all other programs and click OK to try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not enough memory to read it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, your reminder file %1 cannot be read (%2). Your reminders stay in this program, and the file will not be written until it can be read again.</source>
        <extracomment>%1 is the reminder file, %2 why it cannot be read.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

A copy of the damaged file was kept as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error opening %1: %2</source>
        <extracomment>%1 is the reminder file, %2 why it cannot be opened.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSharingCommands</name>
    <message>
        <source>Reminder Packs (*.rpk);;Outlook98 Windows CSV (*.csv);;iCalendar (*.ics);;All files (*)</source>
        <extracomment>The file kinds of the export dialog, &quot;;;&quot; between them: keep the patterns in brackets.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder Packs (*.rpk);;Outlook98 Windows CSV (*.csv);;iCalendar (*.ics)</source>
        <extracomment>The file kinds of the import dialog, &quot;;;&quot; between them: keep the patterns in brackets.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no reminders to print in this date range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, an error occured.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon succesfully imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the reminders could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export reminder pack as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>The file name offered for a new export.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the file %1 is not an icon file that can be read, so it was not imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, an icon named %1 is already in the icons folder, so the dropped one was not imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the icon file %1 could not be copied into the icons folder.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSnooze</name>
    <message>
        <source>5 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSyncAccountBox</name>
    <message>
        <source>Calendar sync (CalDAV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>https://server/ or the calendar&apos;s address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ync now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: this address is not encrypted: the password and your reminders travel readable to anyone on the network. Use https:// if the server offers it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: unencrypted calendar address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Details...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the last sync simplified, left out or found changed on both sides</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(kept in your keyring)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calendar address must be an http:// or https:// address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the user name of the calendar account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the password of the calendar account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No account: nothing is synced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last sync:

</source>
        <extracomment>Followed by the list of what the last sync simplified or left out.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSyncAccountPanel</name>
    <message>
        <source>The password could not be kept in your keyring: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSyncController</name>
    <message>
        <source>Not synced yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no password store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password could not be kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not synced: no password store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not synced: the password could not be read (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not synced: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not synced: the server refused the user name or password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calendar server refused the user name or password. Enter them again under Options to sync your reminders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not synced at %1: %2%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (last synced %1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTrayIcon</name>
    <message>
        <source>Kestrelmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Kestrelmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New reminder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import reminders...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print reminders...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print preview...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete range of reminders...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recover reminders from weekly backup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export reminders...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle interface sounds on/off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Kestrelmark...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Kestrelmark</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CWeeklyBackup</name>
    <message>
        <source>Sorry, no backup of your reminders was found, so nothing was recovered.  A backup is made once a week when the program starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recovery complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the backup of your reminders is damaged and cannot be read, so nothing was recovered.  Your reminders are as they were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the weekly backup of your reminders could not be written to %1: %2. Your reminders themselves are not affected; the backup will be tried again.</source>
        <extracomment>%1 is the backup file, %2 why it could not be written.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your reminder file is missing; your last backup from %1 has %2. Use Recover to restore it.</source>
        <extracomment>%1 is the date of the backup, %2 how many reminders it has (&quot;1 reminder&quot;, &quot;5 reminders&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to recover your reminder database from the last backup of %1?</source>
        <extracomment>%1 is the date of the last backup.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any reminders created since %1  will be PERMANENTLY LOST.  Proceed?</source>
        <extracomment>%1 is the date of the last backup.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CWriteFailure</name>
    <message>
        <source>its folder %1 is gone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no space left on the disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrelmark-cli</name>
    <message>
        <source>add a reminder to a reminder file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli add FILE --at YYYY-MM-DDTHH:MM[:SS] --message TEXT
           [--recurrence one-time|annual|monthly|weekly] [--notice 2d3h30m]
           [--icon NAME] [--sound PATH] [--private] [--data-dir DIR]
Creates FILE when it does not exist. NAME is a built-in icon or an
icon file imported from the icons folder of the data folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>run the weekly backup of the data folder&apos;s reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli backup [--data-dir DIR] [--force] [--now YYYY-MM-DDTHH:MM[:SS]]
Backs up DIR/Kestrelmark.km2 to DIR/KestrelmarkBackup.km2 when the last backup
recorded in the user&apos;s settings is a week old (or none is), as the program does at
start-up; --force backs up in any case.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copy a reminder file into a current (.km2) one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli copy IN OUT
Reads IN (.km2 or legacy .kmr) and writes all its reminders to OUT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list the reminders that fall on a day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli day FILE --date YYYY-MM-DD
Prints the indexes (in date order) of the day&apos;s reminders, as the calendar shows them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete the reminders of a range of days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli delete-range FILE --from YYYY-MM-DD --to YYYY-MM-DD [--all-kinds]
Deletes the one-time reminders (all kinds with --all-kinds) whose own date and time lie
from the first day through the end of the last day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>run one due-reminder pass at a given time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli due FILE --at YYYY-MM-DDTHH:MM:SS [--save]
Prints the alerts the pass would show, in order; --save writes the shown flags back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print a reminder file (or pack, or CSV) as JSON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli dump FILE
Prints {&quot;format&quot;: ..., &quot;reminders&quot;: [...]} for FILE, chosen by its extension.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>export reminders as a reminder pack, Outlook CSV or iCalendar file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli export FILE OUT.rpk|OUT.csv|OUT.ics [--select 0,2,5] [--data-dir DIR]
Writes the reminders of FILE (all, or those at the given indexes in date order) as a
reminder pack with the icon and sound files they use (taken from DIR, by default the
per-user data folder), as an Outlook calendar file, or as an iCalendar file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>import a reminder pack, Outlook CSV or iCalendar file into a reminder file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli import FILE PACK.rpk|CALENDAR.csv|CALENDAR.ics [--data-dir DIR]
Adds the reminders FILE does not hold yet (FILE is created when missing) and puts a
pack&apos;s icon and sound files into DIR/icons and DIR/sounds (by default the per-user
data folder). Prints what was added, what was skipped as a duplicate, and which data
files were written or refused. A damaged pack keeps what came before the damage and
exits with 2. An iCalendar import says how many events it simplified or left out, and how.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list every occurrence in a range of days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli occurrences FILE --from YYYY-MM-DD --to YYYY-MM-DD [--per-day-limit N] [--full]
Lists every occurrence on the days from --from through --to, in date order: one entry
per occurrence on a line of its own, dated on its day at the reminder&apos;s own time
(dateTime), with the reminder&apos;s own date (reminderDateTime), its index (as day gives
it), message, recurrence, advance notice in minutes (noticeMinutes) and icon name.
--full gives every field of the reminder instead, indented, as dump does. --per-day-limit N keeps at most N a day, as the calendar collects them
(the printout keeps 20).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>replace the reminders with the weekly backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli recover --yes [--data-dir DIR]
Replaces DIR/Kestrelmark.km2 with the contents of the weekly backup. Reminders made
since the backup are lost, so --yes is required. Without a readable backup nothing
changes and the exit code is 2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sync a reminder file with a CalDAV calendar, both ways</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli COMMAND [ARGUMENTS]

Reads and writes Kestrelmark reminder files (.km2, legacy .kmr) and prints JSON.
Exit codes: 0 success, 1 usage error, 2 unreadable or corrupt input.

Commands:
</source>
        <extracomment>The tool&apos;s --help. COMMAND and ARGUMENTS are placeholders; .km2 and .kmr are file types.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
&apos;kestrelmark-cli COMMAND --help&apos; describes a command.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (see --help)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
