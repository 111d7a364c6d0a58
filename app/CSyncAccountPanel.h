#pragma once

class CReminderSession;
class CSyncAccountBox;

// The sync account's part of the options: the address, user and password
// fields, the status line and the Details button, over the session's sync.
// The password goes to the keyring; a failure to keep it is told.
class CSyncAccountPanel
{
public:
    static CSyncAccountBox *Create(CReminderSession &session);
};
