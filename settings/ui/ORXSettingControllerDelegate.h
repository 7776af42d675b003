#pragma once

#include <QString>

struct _FILEDATA;
class ORXSettingController;

// The page protocol of the settings window. Every page shows the record it is given (it
// keeps no copy), checks its inputs and stores them back when the window leaves it.
class ORXSettingControllerDelegate
{
public:
    virtual ~ORXSettingControllerDelegate() = default;

    // The window's record (not owned); the page shows it at once.
    virtual void setFileData(_FILEDATA* fileData) = 0;
    // Stores every control into the record; false when the page refuses to be left.
    virtual bool populate() = 0;
    // Null when every input is acceptable; otherwise the localised message for the first
    // bad one, after keyboard focus has been sent to it (posted, so it runs after the
    // current event).
    virtual QString validateUserInput() = 0;
    virtual void setMainController(ORXSettingController* controller) = 0;
    // The window leaves the page.
    virtual void onHide() {}
};
