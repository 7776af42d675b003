#pragma once

#include "ORXSettingPage.h"

#include <memory>

namespace Ui {
class ORXSettingForAuxViewController;
}

// Tab 3: card split, screen, parking, recording length, picture-in-picture, automatic
// format and Wi-Fi, over ORXAuxPageModel. Moving the split slider shows the warning that
// the card will be formatted, until the page is created anew; a Wi-Fi name or password the
// camera cannot take is refused with an alert.
class ORXSettingForAuxViewController : public ORXSettingPage
{
    Q_OBJECT
public:
    explicit ORXSettingForAuxViewController(QWidget* parent = nullptr);
    ~ORXSettingForAuxViewController() override;

    // Nothing is stored without a record or with a share under 20 percent; a Wi-Fi
    // name or password the camera cannot take is shown in an alert after every other
    // field was stored. False in all these cases: the page stays.
    bool populate() override;

private:
    std::unique_ptr<Ui::ORXSettingForAuxViewController> m_ui;
};
