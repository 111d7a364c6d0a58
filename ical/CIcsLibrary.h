#pragma once

// The library's process-wide settings, made once before any use: its
// errors are reported in the components, never by ending the program.
class CIcsLibrary
{
public:
    static void Prepare();
};
