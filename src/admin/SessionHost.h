#pragma once

class QWidget;

// What the login needs of the main window: the widget under which the
// governed actions and menus live (found by object name: "Action101" …
// "Action907", "Action31", "Action32", "Action211"; top-level menus
// "MenuFile", "MenuEdit", "MenuOutput", "MenuStats", "MenuData"; the approval
// buttons "tbSH", "tbPZ"), and the steps it takes after a successful login.
class SessionHost {
public:
    virtual ~SessionHost() = default;
    virtual QWidget* rightsRoot() = 0;
    // Re-attaches the list handlers and shows the operator and the time in the status bar.
    virtual void sessionStarted() = 0;
};
