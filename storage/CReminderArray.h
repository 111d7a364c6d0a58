#pragma once

#include "model/CReminder.h"

#include <vector>

// A growable array of reminder copies in ascending order of m_DateTime:
// what the print view prints, one element per occurrence.
using CReminderArray = std::vector<CReminder>;
