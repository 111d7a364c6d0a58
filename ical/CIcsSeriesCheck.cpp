#include "ical/CIcsSeriesCheck.h"

#include "ical/CIcsLibrary.h"

#include <algorithm>
#include <memory>
#include <vector>

extern "C" {
#include <libical/ical.h>
}

namespace {

struct FreeComponent
{
    void operator()(icalcomponent *c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, FreeComponent>;

icalcomponent *seriesEvent(icalcomponent *root)
{
    if (!root)
        return nullptr;
    if (icalcomponent_isa(root) == ICAL_VEVENT_COMPONENT)
        return root;
    for (icalcomponent *c = icalcomponent_get_first_component(root, ICAL_VEVENT_COMPONENT); c;
         c = icalcomponent_get_next_component(root, ICAL_VEVENT_COMPONENT))
        if (!icalcomponent_get_first_property(c, ICAL_RECURRENCEID_PROPERTY))
            return c;
    return nullptr;
}

bool hasRepeat(icalcomponent *event)
{
    return icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY)
        || icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY);
}

void collectStart(icalcomponent *, icaltime_span *span, void *data)
{
    static_cast<std::vector<time_t> *>(data)->push_back(span->start);
}

// The years over which a rule is compared, by how often it repeats.
int yearsFor(icalcomponent *event)
{
    icalproperty *p = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
    if (!p)
        return 40;
    const icalrecurrencetype rule = icalproperty_get_rrule(p);
    return rule.freq == ICAL_SECONDLY_RECURRENCE || rule.freq == ICAL_MINUTELY_RECURRENCE ? 1
        : rule.freq == ICAL_HOURLY_RECURRENCE                                             ? 4
                                                                                          : 40;
}

std::vector<time_t> expandStarts(icalcomponent *event, const icaltimetype &from, int years)
{
    icaltimetype start = from;
    icaltime_adjust(&start, -1, 0, 0, 0);
    icaltimetype end = from;
    end.year += years;
    std::vector<time_t> out;
    icalcomponent_foreach_recurrence(event, start, end, collectStart, &out);
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace

bool CIcsSeriesCheck::MovedAlike(const QByteArray &before, const QByteArray &after, qint64 wallSeconds)
{
    CIcsLibrary::Prepare();
    const Component was(icalparser_parse_string(before.constData()));
    const Component is(icalparser_parse_string(after.constData()));
    icalcomponent *old = seriesEvent(was.get());
    icalcomponent *moved = seriesEvent(is.get());
    if (!old || !moved)
        return false;
    if (!hasRepeat(old) && !hasRepeat(moved))
        return true;
    const icaltimetype oldStart = icalcomponent_get_dtstart(old);
    const icaltimetype newStart = icalcomponent_get_dtstart(moved);
    if (icaltime_is_null_time(oldStart) || icaltime_is_null_time(newStart))
        return false;
    const icaltimezone *zone = oldStart.zone ? oldStart.zone : icaltimezone_get_utc_timezone();
    const int years = yearsFor(old);
    std::vector<time_t> expected;
    for (time_t at : expandStarts(old, oldStart, years)) {
        icaltimetype wall = icaltime_from_timet_with_zone(at, oldStart.is_date, zone);
        wall.zone = nullptr;
        // The library moves a date by days alone.
        icaltime_adjust(&wall, static_cast<int>(wallSeconds / 86400), 0, 0, static_cast<int>(wallSeconds % 86400));
        expected.push_back(icaltime_as_timet_with_zone(wall, zone));
    }
    std::sort(expected.begin(), expected.end());
    std::vector<time_t> got = expandStarts(moved, newStart, years);
    // The two ranges differ by the move at their ends: compare what both cover.
    const time_t last = std::min(expected.empty() ? 0 : expected.back(), got.empty() ? 0 : got.back());
    const auto within = [last](std::vector<time_t> &v) {
        v.erase(std::upper_bound(v.begin(), v.end(), last), v.end());
    };
    if (!expected.empty() && !got.empty()) {
        within(expected);
        within(got);
    }
    return expected == got;
}
