// Calendars written by other programs (web, desktop and phone calendars)
// and broken or fuzzed ones: each is read with the outcome named here, and
// none crashes or hangs. A file that gives no reminder at all is refused
// by the import, whatever the reason.
#include "ical/CIcsFile.h"
#include "ical/CIcsReader.h"
#include "model/CReminderList.h"

#include <QDirIterator>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct FileCase
{
    const char *path; // under the test calendars' folder
    int reminders;
    int simplified;   // events and to-dos
    int leftOut;      // events and to-dos
    bool refused;     // refused as a whole by the reader
};

const FileCase kFiles[] = {
    { "alarms/example.ics", 0, 0, 0, true },
    { "alarms/rfc_5545_absolute_alarm_example.ics", 0, 0, 0, true },
    { "alarms/rfc_5545_end.ics", 0, 0, 0, true },
    { "alarms/start_date.ics", 0, 0, 0, true },
    { "calendars/alarm_etar_future.ics", 1, 0, 0, false },
    { "calendars/alarm_etar_notification.ics", 1, 0, 0, false },
    { "calendars/alarm_etar_notification_clicked.ics", 1, 0, 0, false },
    { "calendars/alarm_google_acknowledged.ics", 1, 0, 0, false },
    { "calendars/alarm_thunderbird_2_future.ics", 1, 0, 0, false },
    { "calendars/alarm_thunderbird_2_notification_5_min_postponed.ics", 1, 0, 0, false },
    { "calendars/alarm_thunderbird_2_notification_5_min_postponed_and_closed.ics", 1, 0, 0, false },
    { "calendars/alarm_thunderbird_2_notification_5_min_postponed_and_popped_up.ics", 1, 0, 0, false },
    { "calendars/alarm_thunderbird_2_notification_popped_up.ics", 1, 0, 0, false },
    { "calendars/alarm_thunderbird_closed.ics", 1, 0, 0, false },
    { "calendars/alarm_thunderbird_snoozed_until_1457.ics", 1, 0, 0, false },
    { "calendars/america_new_york_forward_reference.ics", 1, 0, 0, false },
    { "calendars/big_bad_calendar.ics", 0, 0, 0, true },
    { "calendars/bom_calendar.ics", 0, 0, 0, true },
    { "calendars/broken_dtstart.ics", 0, 0, 1, false },
    { "calendars/broken_ical.ics", 1, 0, 0, false },
    { "calendars/calendar_with_unicode.ics", 0, 0, 0, true },
    { "calendars/created_calendar_with_unicode_fields.ics", 2, 0, 1, false },
    { "calendars/empty.ics", 0, 0, 0, true },
    { "calendars/empty_RDATE.ics", 0, 0, 0, true },
    { "calendars/example.ics", 3, 0, 0, false },
    { "calendars/fuzz_testcase_0_char_in_component_name.ics", 0, 0, 0, true },
    { "calendars/fuzz_testcase_invalid_month.ics", 0, 0, 0, true },
    { "calendars/fuzz_testcase_vtimezone_lone_cr.ics", 0, 0, 0, true },
    { "calendars/invalid_duration.ics", 1, 0, 0, false },
    { "calendars/issue_104_broken_calendar.ics", 1, 0, 0, false },
    { "calendars/issue_1050_all_components.ics", 1, 0, 1, false },
    { "calendars/issue_1050_calendar_with_events_and_todos.ics", 2, 0, 1, false },
    { "calendars/issue_1050_empty_calendar.ics", 0, 0, 0, true },
    { "calendars/issue_1050_forward_timezone_reference.ics", 1, 0, 0, false },
    { "calendars/issue_1050_multiple_calendars.ics", 0, 0, 2, false },
    { "calendars/issue_1050_simple_calendar.ics", 1, 0, 0, false },
    { "calendars/issue_1050_timezone_only_calendar.ics", 0, 0, 0, true },
    { "calendars/issue_1050_uid_in_description.ics", 0, 0, 2, false },
    { "calendars/issue_1081_empty_rdate.ics", 1, 1, 0, false },
    { "calendars/issue_1081_event_with_rrule.ics", 0, 0, 1, false },
    { "calendars/issue_1081_freebusy_comma_separated.ics", 0, 0, 0, true },
    { "calendars/issue_1081_invalid_rrule_freq.ics", 1, 1, 0, false },
    { "calendars/issue_1081_invalid_start_and_end.ics", 0, 0, 1, false },
    { "calendars/issue_1081_invalid_start_valid_end.ics", 0, 0, 1, false },
    { "calendars/issue_1081_list_of_properties.ics", 1, 0, 0, false },
    { "calendars/issue_1081_tzid_param.ics", 1, 0, 0, false },
    { "calendars/issue_1081_with_summary.ics", 0, 0, 1, false },
    { "calendars/issue_1231_recurrence.ics", 0, 0, 1, false },
    { "calendars/issue_1238.ics", 0, 0, 0, true },
    { "calendars/issue_127_categories_with_commas.ics", 1, 0, 0, false },
    { "calendars/issue_1426.ics", 1, 1, 0, false },
    { "calendars/issue_1426_value_parameters.ics", 1, 0, 0, false },
    { "calendars/issue_1549_binary_attachment.ics", 0, 0, 1, false },
    { "calendars/issue_1561_image_value.ics", 0, 0, 4, false },
    { "calendars/issue_156_RDATE_with_PERIOD_TZID_khal.ics", 0, 0, 1, false },
    { "calendars/issue_156_RDATE_with_PERIOD_TZID_khal_2.ics", 0, 0, 1, false },
    { "calendars/issue_1633_freebusy_with_dates.ics", 0, 0, 0, true },
    { "calendars/issue_1633_rdate_with_dates.ics", 1, 1, 0, false },
    { "calendars/issue_1633_rdate_with_dates_and_tzid.ics", 1, 1, 0, false },
    { "calendars/issue_165_missing_event.ics", 0, 0, 1, false },
    { "calendars/issue_168_expected_output.ics", 1, 0, 0, false },
    { "calendars/issue_168_input.ics", 1, 1, 0, false },
    { "calendars/issue_178_component_with_invalid_name_represented.ics", 0, 0, 0, true },
    { "calendars/issue_178_custom_component_contains_other.ics", 0, 0, 0, true },
    { "calendars/issue_178_custom_component_inside_other.ics", 0, 0, 0, true },
    { "calendars/issue_218_bad_tzid.ics", 1, 0, 0, false },
    { "calendars/issue_237_fail_to_parse_timezone_with_non_ascii_tzid.ics", 1, 0, 0, false },
    { "calendars/issue_27_multiple_periods_in_freebusy_multiple_freebusies.ics", 0, 0, 0, true },
    { "calendars/issue_27_multiple_periods_in_freebusy_one_freebusy.ics", 0, 0, 0, true },
    { "calendars/issue_313_globally_unique_tzid.ics", 3, 0, 0, false },
    { "calendars/issue_321_assert_dst_offset_is_not_false.ics", 1, 0, 0, false },
    { "calendars/issue_322_expected_calendar.ics", 0, 0, 1, false },
    { "calendars/issue_348_exception_parsing_value.ics", 1, 0, 0, false },
    { "calendars/issue_350.ics", 1, 0, 0, false },
    { "calendars/issue_351_whitespace_in_property_and_params.ics", 1, 0, 0, false },
    { "calendars/issue_466_convert_tzid_with_slash.ics", 1, 1, 0, false },
    { "calendars/issue_466_respect_unique_timezone.ics", 1, 1, 0, false },
    { "calendars/issue_526_calendar_with_different_events.ics", 2, 2, 0, false },
    { "calendars/issue_526_calendar_with_event_subset.ics", 1, 1, 0, false },
    { "calendars/issue_526_calendar_with_events.ics", 2, 2, 0, false },
    { "calendars/issue_526_calendar_with_shuffeled_events.ics", 2, 2, 0, false },
    { "calendars/issue_722_missing_VTIMEZONE_custom.ics", 1, 1, 0, false },
    { "calendars/issue_722_missing_timezones.ics", 2, 1, 2, false },
    { "calendars/issue_722_timezone_transition_ambiguity.ics", 4, 0, 0, false },
    { "calendars/issue_798_freebusy.ics", 0, 0, 0, true },
    { "calendars/issue_798_related_to.ics", 0, 0, 2, false },
    { "calendars/issue_82_expected_output.ics", 0, 0, 1, false },
    { "calendars/issue_836_do_not_quote_tzid.ics", 1, 0, 0, false },
    { "calendars/multiple_calendar_components.ics", 2, 0, 1, false },
    { "calendars/multiple_timezones.ics", 3, 3, 0, false },
    { "calendars/pacific_fiji.ics", 1, 0, 0, false },
    { "calendars/parsing_error.ics", 0, 0, 2, false },
    { "calendars/parsing_error_in_UTC_offset.ics", 0, 0, 0, true },
    { "calendars/period_with_timezone.ics", 0, 0, 1, false },
    { "calendars/pr_480_summary_with_colon.ics", 0, 0, 0, true },
    { "calendars/property_params.ics", 1, 0, 0, false },
    { "calendars/rfc_5545_RDATE_example.ics", 0, 0, 6, false },
    { "calendars/rfc_6868.ics", 0, 0, 1, false },
    { "calendars/rfc_7256_multi_value_parameters.ics", 0, 0, 2, false },
    { "calendars/rfc_7265_appendix_example_1_ical.ics", 1, 0, 0, false },
    { "calendars/rfc_7265_appendix_example_2_ical.ics", 0, 0, 2, false },
    { "calendars/rfc_7265_example_1.ics", 0, 0, 0, true },
    { "calendars/rfc_7529.ics", 4, 3, 0, false },
    { "calendars/rfc_7953_3.ics", 0, 0, 0, true },
    { "calendars/rfc_7986_conferences.ics", 0, 0, 1, false },
    { "calendars/rfc_7986_image.ics", 0, 0, 4, false },
    { "calendars/rfc_7986_properties.ics", 0, 0, 0, true },
    { "calendars/rfc_9253_examples.ics", 2, 2, 0, false },
    { "calendars/rfc_9253_gap.ics", 0, 0, 2, false },
    { "calendars/rfc_9253_related_to.ics", 0, 0, 1, false },
    { "calendars/small_bad_calendar.ics", 0, 0, 0, true },
    { "calendars/time.ics", 0, 0, 0, true },
    { "calendars/timezone_rdate.ics", 1, 1, 0, false },
    { "calendars/timezone_same_start.ics", 1, 0, 0, false },
    { "calendars/timezone_same_start_and_offset.ics", 1, 0, 0, false },
    { "calendars/timezoned.ics", 1, 0, 0, false },
    { "calendars/x_location.ics", 5, 1, 0, false },
    { "events/event_with_escaped_character1.ics", 0, 0, 1, false },
    { "events/event_with_escaped_character2.ics", 0, 0, 1, false },
    { "events/event_with_escaped_character3.ics", 0, 0, 1, false },
    { "events/event_with_escaped_character4.ics", 0, 0, 1, false },
    { "events/event_with_escaped_characters.ics", 0, 0, 1, false },
    { "events/event_with_recurrence.ics", 0, 0, 1, false },
    { "events/event_with_recurrence_exdates_on_different_lines.ics", 0, 0, 1, false },
    { "events/event_with_rsvp.ics", 0, 0, 1, false },
    { "events/event_with_unicode_fields.ics", 1, 0, 0, false },
    { "events/event_with_unicode_organizer.ics", 0, 0, 1, false },
    { "events/issue_100_transformed_doctests_into_unittests.ics", 0, 0, 1, false },
    { "events/issue_101_icalendar_chokes_on_umlauts_in_organizer.ics", 1, 0, 0, false },
    { "events/issue_104_mark_events_broken.ics", 1, 1, 0, false },
    { "events/issue_112_missing_tzinfo_on_exdate.ics", 0, 0, 1, false },
    { "events/issue_156_RDATE_with_PERIOD.ics", 1, 1, 0, false },
    { "events/issue_156_RDATE_with_PERIOD_list.ics", 1, 1, 0, false },
    { "events/issue_157_removes_trailing_semicolon.ics", 1, 1, 0, false },
    { "events/issue_184_broken_representation_of_period.ics", 1, 1, 0, false },
    { "events/issue_355_url_escaping.ics", 1, 0, 0, false },
    { "events/issue_355_url_escaping_2.ics", 1, 0, 0, false },
    { "events/issue_355_url_escaping_empty_param.ics", 0, 0, 1, false },
    { "events/issue_464_invalid_rdate.ics", 1, 1, 0, false },
    { "events/issue_53_description_parsed_properly.ics", 1, 0, 0, false },
    { "events/issue_64_event_with_ascii_summary.ics", 0, 0, 1, false },
    { "events/issue_64_event_with_non_ascii_summary.ics", 0, 0, 1, false },
    { "events/issue_70_rrule_causes_attribute_error.ics", 0, 0, 1, false },
    { "events/issue_82_expected_output.ics", 0, 0, 1, false },
    { "events/rfc_7265_example_4.ics", 1, 0, 0, false },
    { "events/rfc_7265_request_status.ics", 0, 0, 1, false },
    { "events/rfc_9074_example_1.ics", 1, 0, 0, false },
    { "events/rfc_9074_example_2.ics", 1, 0, 0, false },
    { "events/rfc_9074_example_3.ics", 1, 0, 0, false },
    { "events/rfc_9074_example_4.ics", 1, 0, 0, false },
    { "events/rfc_9074_example_proximity.ics", 0, 0, 1, false },
    { "timezones/issue_237_brazilia_standard.ics", 0, 0, 0, true },
    { "timezones/issue_53_tzid_parsed_properly.ics", 0, 0, 0, true },
    { "timezones/issue_55_parse_error_on_utc_offset_with_seconds.ics", 0, 0, 0, true },
    { "timezones/pacific_fiji.ics", 0, 0, 0, true },
    { "todos/example.ics", 1, 0, 0, false },
};

// The files are read as on this day: the series in them that end have
// ended by then.
const QDateTime kNow(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);

QString folder() { return QStringLiteral(KM_ICS_TESTDATA "/icalendar/"); }

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(IcsFiles, EveryFileHasItsExpectedOutcome)
{
    QSet<QString> listed;
    for (const FileCase &c : kFiles) {
        SCOPED_TRACE(c.path);
        listed.insert(QString::fromLatin1(c.path));
        const QByteArray text = contents(folder() + QLatin1String(c.path));
        ASSERT_FALSE(text.isEmpty());
        const CIcsReadResult r = CIcsReader::Read(text, kNow);
        EXPECT_EQ(static_cast<int>(r.m_Events.size()), c.reminders);
        EXPECT_EQ(r.m_Simplified, c.simplified);
        EXPECT_EQ(r.m_Skipped, c.leftOut);
        EXPECT_EQ(!r.m_Error.isEmpty(), c.refused) << r.m_Error.toStdString();
        // Whatever is simplified or left out is said.
        EXPECT_EQ(r.m_Notes.isEmpty(), c.simplified == 0 && c.leftOut == 0);
        for (const CIcsEvent &e : r.m_Events) {
            EXPECT_EQ(e.m_Reminder.m_DateTime.GetStatus(), COleDateTime::valid);
            EXPECT_FALSE(e.m_Uid.isEmpty());
        }
    }
    // A calendar added to the folder needs its own line above.
    QDirIterator it(folder(), { QStringLiteral("*.ics") }, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        EXPECT_TRUE(listed.contains(it.next().mid(folder().size()))) << it.filePath().toStdString();
}

TEST(IcsFiles, ImportChangesNothingUnlessSomethingIsWhole)
{
    for (const FileCase &c : kFiles) {
        SCOPED_TRACE(c.path);
        CReminderList list;
        list.InsertSorted(CReminder());
        const CIcsFile::ImportReport report = CIcsFile::Import(list, folder() + QLatin1String(c.path), kNow);
        if (c.reminders == 0) {
            EXPECT_EQ(report.m_Result, CIcsFile::Refused);
            EXPECT_EQ(list.GetSize(), 1);
            EXPECT_TRUE(CIcsFile::Message(report, QStringLiteral("x.ics")).startsWith(QLatin1String("Sorry, ")));
        } else {
            EXPECT_EQ(report.m_Result, CIcsFile::Imported);
            EXPECT_EQ(list.GetSize(), 1 + report.m_Added);
            EXPECT_EQ(report.m_Added + report.m_Duplicates, c.reminders);
        }
    }
}

TEST(IcsFiles, SecondImportAddsNothing)
{
    const QString path = folder() + QStringLiteral("calendars/parsing_error.ics");
    // Before its series ended.
    const QDateTime then(QDate(2008, 3, 1), QTime(0, 0), Qt::UTC);
    CReminderList list;
    const CIcsFile::ImportReport first = CIcsFile::Import(list, path, then);
    ASSERT_EQ(first.m_Result, CIcsFile::Imported);
    EXPECT_GT(first.m_Added, 0);
    const CIcsFile::ImportReport second = CIcsFile::Import(list, path, then);
    EXPECT_EQ(second.m_Added, 0);
    EXPECT_EQ(second.m_Duplicates, first.m_Added + first.m_Duplicates);
    const QString message = CIcsFile::Message(second, path);
    EXPECT_TRUE(message.startsWith(CIcsFile::kImportedMessage));
    EXPECT_TRUE(message.contains(QLatin1String("0 reminders added"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QLatin1String("(EXDATE)"))) << message.toStdString();
}

// A calendar past the old 32 MiB cap, most of it one attachment line, is
// read like any other.
TEST(IcsFiles, CalendarOfMoreThan32MiBIsImported)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.ics"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:test\r\nBEGIN:VEVENT\r\nUID:big@test\r\n"
               "DTSTART:20300102T090000Z\r\nSUMMARY:Big\r\nX-ATTACHMENT:");
    file.write(QByteArray(qint64(33) << 20, 'a'));
    file.write("\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    file.close();
    CReminderList list;
    const CIcsFile::ImportReport report = CIcsFile::Import(list, path, kNow);
    EXPECT_EQ(report.m_Result, CIcsFile::Imported) << report.m_Error.toStdString();
    ASSERT_EQ(list.GetSize(), 1);
    EXPECT_EQ(list[0].m_Message, QStringLiteral("Big"));
}

TEST(IcsFiles, MissingFileCannotBeOpened)
{
    CReminderList list;
    const CIcsFile::ImportReport report = CIcsFile::Import(list, QStringLiteral("/nonexistent/x.ics"));
    EXPECT_EQ(report.m_Result, CIcsFile::CannotOpen);
    EXPECT_EQ(CIcsFile::Message(report, QStringLiteral("/nonexistent/x.ics")),
              QStringLiteral("Sorry, the file /nonexistent/x.ics could not be opened."));
}
