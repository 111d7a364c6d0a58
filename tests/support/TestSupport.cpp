// Shared test doubles are header-only; this file keeps the library non-empty.
