#pragma once

// Gives the memory that large passes over the reminder file (a load, a
// save, a merge) used for a moment back to the system. The C library keeps
// freed pages otherwise, and a long-running program in the tray would hold
// the peak of its busiest moment for the rest of the session.
class CHeapTrim
{
public:
    static void Release();
};
