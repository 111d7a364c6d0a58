#include "ical/CIcsZones.h"

#include <QStringList>

#include <algorithm>

namespace {

// The span the tables cover; an instant outside it is asked of Qt.
const QDateTime kFrom(QDate(1900, 1, 1), QTime(0, 0), Qt::UTC);
const QDateTime kTo(QDate(2200, 1, 1), QTime(0, 0), Qt::UTC);

QTimeZone lookUp(const QString &tzid)
{
    QStringList candidates { tzid };
    const QStringList parts = tzid.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (int n = 3; n >= 1; --n)
        if (parts.size() >= n)
            candidates << parts.mid(parts.size() - n).join(QLatin1Char('/'));
    for (const QString &c : candidates) {
        const QByteArray id = c.toUtf8();
        if (QTimeZone::isTimeZoneIdAvailable(id))
            return QTimeZone(id);
    }
    const QByteArray iana = QTimeZone::windowsIdToDefaultIanaId(tzid.toUtf8());
    if (!iana.isEmpty() && QTimeZone::isTimeZoneIdAvailable(iana))
        return QTimeZone(iana);
    return QTimeZone();
}

} // namespace

CIcsZones::CIcsZones()
{
    const QTimeZone zone = QTimeZone::systemTimeZone();
    // Trusted where it agrees with the C library now and half a year on,
    // across a change of the clocks (a TZ rule Qt reads otherwise, say).
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const QDateTime &at : { now, now.addDays(182) })
        if (!zone.isValid() || zone.offsetFromUtc(at) != at.toLocalTime().offsetFromUtc())
            return;
    m_here = zone;
}

QTimeZone CIcsZones::System(const QByteArray &tzid) const
{
    auto it = m_system.find(tzid);
    if (it == m_system.end())
        it = m_system.insert(tzid, lookUp(QString::fromUtf8(tzid)));
    return it.value();
}

const CIcsZones::Changes &CIcsZones::changesOf(const QTimeZone &zone) const
{
    auto it = m_changes.find(zone.id());
    if (it != m_changes.end())
        return it.value();
    Changes c;
    c.m_Before = zone.offsetFromUtc(kFrom);
    for (const QTimeZone::OffsetData &t : zone.transitions(kFrom, kTo)) {
        c.m_At.push_back(t.atUtc.toMSecsSinceEpoch());
        c.m_Offset.push_back(t.offsetFromUtc);
    }
    return m_changes.insert(zone.id(), std::move(c)).value();
}

int CIcsZones::OffsetAt(const QTimeZone &zone, const QDateTime &utc) const
{
    if (!zone.isValid() || utc < kFrom || utc >= kTo)
        return zone.offsetFromUtc(utc);
    const Changes &c = changesOf(zone);
    const qint64 at = utc.toMSecsSinceEpoch();
    const auto next = std::upper_bound(c.m_At.begin(), c.m_At.end(), at);
    return next == c.m_At.begin() ? c.m_Before : c.m_Offset[size_t(next - c.m_At.begin()) - 1];
}

int CIcsZones::HereOffsetAt(const QDateTime &utc) const
{
    return m_here.isValid() ? OffsetAt(m_here, utc) : utc.toLocalTime().offsetFromUtc();
}

QDateTime CIcsZones::WallClockHere(const QDateTime &utc) const
{
    return utc.toUTC().addSecs(HereOffsetAt(utc));
}
