#pragma once

#include "model/COleDateTime.h"

// The present time as the program reads it. The app uses the wall clock;
// tests put in a clock they move by hand.
class CClock
{
public:
    virtual ~CClock() = default;
    virtual COleDateTime Now() const = 0;
};

class CSystemClock : public CClock
{
public:
    COleDateTime Now() const override { return COleDateTime::GetCurrentTime(); }
};
