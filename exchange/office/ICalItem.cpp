#include "ICalItem.h"

#include <QUuid>

#include <libical/ical.h>

#include <cstdlib>
#include <ctime>

namespace
{
icalcomponent_kind KindOf(CICalItem::EKind kind)
{
    return kind == CICalItem::EKind::task ? ICAL_VTODO_COMPONENT : ICAL_VJOURNAL_COMPONENT;
}

// A damaged file must not end the program.
void QuietErrors()
{
    static const bool once = [] {
        icalerror_set_errors_are_fatal(0);
        return true;
    }();
    (void)once;
}

// Line ends as LF, and no control character other than tab and LF: a text
// value may not hold them, and other readers refuse the whole item.
std::string ToTextValue(const std::string& s)
{
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c == '\r') {
            out.push_back('\n');
            if (i + 1 < s.size() && s[i + 1] == '\n')
                ++i;
        } else if ((c >= 0x20 && c != 0x7F) || c == '\t' || c == '\n') {
            out.push_back(s[i]);
        }
    }
    return out;
}

std::string ToCrLf(const char* psz)
{
    std::string out;
    for (; psz && *psz; ++psz) {
        if (*psz == '\n')
            out += "\r\n";
        else if (*psz != '\r')
            out.push_back(*psz);
    }
    return out;
}

void RemoveAll(icalcomponent* pItem, icalproperty_kind kind)
{
    while (icalproperty* p = icalcomponent_get_first_property(pItem, kind)) {
        icalcomponent_remove_property(pItem, p);
        icalproperty_free(p);
    }
}

std::string NewUid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString() + "@quillbox";
}
} // namespace

CICalItem::CICalItem(icalcomponent* pRoot, icalcomponent* pItem, EKind kind)
    : m_pRoot(pRoot), m_pItem(pItem), m_kind(kind)
{}

CICalItem::~CICalItem()
{
    icalcomponent_free(m_pRoot);
}

std::unique_ptr<CICalItem> CICalItem::New(EKind kind)
{
    QuietErrors();
    icalcomponent* pRoot = icalcomponent_new(ICAL_VCALENDAR_COMPONENT);
    icalcomponent_add_property(pRoot, icalproperty_new_version("2.0"));
    icalcomponent_add_property(pRoot, icalproperty_new_prodid("-//Orvantic//Quillbox 1.0//EN"));
    icalcomponent* pItem = icalcomponent_new(KindOf(kind));
    icalcomponent_add_component(pRoot, pItem);
    icalcomponent_set_uid(pItem, NewUid().c_str());
    icalcomponent_add_property(pItem, icalproperty_new_dtstamp(icaltime_from_timet_with_zone(
                                          std::time(nullptr), 0, icaltimezone_get_utc_timezone())));
    return std::unique_ptr<CICalItem>(new CICalItem(pRoot, pItem, kind));
}

std::unique_ptr<CICalItem> CICalItem::Parse(const std::string& strData, EKind kind)
{
    QuietErrors();
    icalcomponent* pRoot = icalparser_parse_string(strData.c_str());
    if (!pRoot)
        return nullptr;
    icalcomponent* pItem = nullptr;
    if (icalcomponent_isa(pRoot) == KindOf(kind)) {
        // A bare item without its calendar object: give it one.
        icalcomponent* pCalendar = icalcomponent_new(ICAL_VCALENDAR_COMPONENT);
        icalcomponent_add_property(pCalendar, icalproperty_new_version("2.0"));
        icalcomponent_add_component(pCalendar, pRoot);
        pItem = pRoot;
        pRoot = pCalendar;
    } else if (icalcomponent_isa(pRoot) == ICAL_VCALENDAR_COMPONENT) {
        pItem = icalcomponent_get_first_component(pRoot, KindOf(kind));
    }
    if (!pItem) {
        icalcomponent_free(pRoot);
        return nullptr;
    }
    return std::unique_ptr<CICalItem>(new CICalItem(pRoot, pItem, kind));
}

std::string CICalItem::GetUid() const
{
    const char* psz = icalcomponent_get_uid(m_pItem);
    return psz ? psz : "";
}

void CICalItem::EnsureUid()
{
    if (GetUid().empty())
        icalcomponent_set_uid(m_pItem, NewUid().c_str());
}

std::string CICalItem::GetSummary() const
{
    return ToCrLf(icalcomponent_get_summary(m_pItem));
}

void CICalItem::SetSummary(const std::string& strText)
{
    RemoveAll(m_pItem, ICAL_SUMMARY_PROPERTY);
    icalcomponent_add_property(m_pItem, icalproperty_new_summary(ToTextValue(strText).c_str()));
}

std::string CICalItem::GetDescription() const
{
    return ToCrLf(icalcomponent_get_description(m_pItem));
}

void CICalItem::SetDescription(const std::string& strText)
{
    RemoveAll(m_pItem, ICAL_DESCRIPTION_PROPERTY);
    icalcomponent_add_property(m_pItem, icalproperty_new_description(ToTextValue(strText).c_str()));
}

namespace
{
std::optional<CDateTime> ToLocal(const icaltimetype& t)
{
    if (icaltime_is_null_time(t) || !icaltime_is_valid_time(t))
        return std::nullopt;
    CDateTime dt;
    if (t.is_date) {
        dt = CDateTime::FromFields(t.year, t.month, t.day);
    } else if (!t.zone && !icaltime_is_utc(t)) {
        // Floating: local time as written, which is how notes keep their dates.
        dt = CDateTime::FromFields(t.year, t.month, t.day, t.hour, t.minute, t.second);
    } else {
        const time_t tt = icaltime_as_timet_with_zone(t, t.zone ? t.zone : icaltimezone_get_utc_timezone());
        std::tm local{};
        if (!localtime_r(&tt, &local))
            return std::nullopt;
        dt = CDateTime::FromFields(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                                   local.tm_sec);
    }
    if (!dt.IsValid())
        return std::nullopt;
    return dt;
}
} // namespace

std::optional<CDateTime> CICalItem::GetDate() const
{
    if (icalcomponent_get_first_property(m_pItem, ICAL_DTSTART_PROPERTY))
        return ToLocal(icalcomponent_get_dtstart(m_pItem));
    if (icalcomponent_get_first_property(m_pItem, ICAL_DUE_PROPERTY))
        return ToLocal(icalcomponent_get_due(m_pItem));
    return std::nullopt;
}

void CICalItem::SetDate(const CDateTime& dt)
{
    RemoveAll(m_pItem, ICAL_DTSTART_PROPERTY);
    RemoveAll(m_pItem, ICAL_DUE_PROPERTY);
    int y, mo, d, h, mi, s;
    if (!dt.GetFields(y, mo, d, h, mi, s))
        return;
    icaltimetype t = icaltime_null_time();
    t.year = y;
    t.month = mo;
    t.day = d;
    t.hour = h;
    t.minute = mi;
    t.second = s;
    icalcomponent_add_property(m_pItem, icalproperty_new_dtstart(t));
    icalcomponent_add_property(m_pItem, icalproperty_new_due(t));
}

int CICalItem::GetPriority() const
{
    icalproperty* p = icalcomponent_get_first_property(m_pItem, ICAL_PRIORITY_PROPERTY);
    return p ? icalproperty_get_priority(p) : 0;
}

void CICalItem::SetPriority(int nPriority)
{
    RemoveAll(m_pItem, ICAL_PRIORITY_PROPERTY);
    icalcomponent_add_property(m_pItem, icalproperty_new_priority(nPriority));
}

std::string CICalItem::Serialize() const
{
    char* psz = icalcomponent_as_ical_string_r(m_pRoot);
    std::string out = psz ? psz : "";
    icalmemory_free_buffer(psz);
    return out;
}

int PriorityFromImportance(int nImportance)
{
    return nImportance == 0 ? 9 : nImportance == 2 ? 1 : 5;
}

int ImportanceFromPriority(int nPriority)
{
    if (nPriority >= 1 && nPriority <= 4)
        return 2;
    if (nPriority >= 6 && nPriority <= 9)
        return 0;
    return 1;
}
