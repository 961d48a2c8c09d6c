#pragma once

#include "DateTime.h"

#include <cstdint>
#include <string>

// One task as read from the mail client.
class COutlookTaskEntry
{
public:
    bool operator==(const COutlookTaskEntry&) const = default;

    std::string m_strSubject;
    std::string m_strBody;
    int32_t m_bHasDate = 0;
    // The zero date when there is no date.
    CDateTime m_dtDate;
    // 0 Low, 1 Medium, 2 High, as in a note.
    int32_t m_nPriority = 1;
};
