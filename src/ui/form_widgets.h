#pragma once

#include <array>

class QWidget;
class QLabel;
class QPushButton;
class QToolButton;
class QDateEdit;

namespace dutyloop {

class TTabControl;
class TRectangle;
class TText;
class TGridLayout;
class TComboBox;
class TColorComboBox;
class TSwitch;
class TImage;

// Every named widget of the window. The widgets are built once and live as long as the
// window; only their properties change.
struct FormWidgets {
    QWidget* form = nullptr;
    TTabControl* tabCtrl = nullptr;
    QWidget* tabCalendar = nullptr;
    QWidget* tabSettings = nullptr;
    QWidget* tabHelp = nullptr;
    QWidget* tabAbout = nullptr;

    // Calendar tab
    QWidget* tbCalendar = nullptr;
    TRectangle* rectToolbar1 = nullptr;
    QLabel* lblToolbar1 = nullptr;
    QWidget* loMonthName = nullptr;
    TRectangle* rectMonthName = nullptr;
    QLabel* lblMonthName = nullptr;
    QPushButton* bPrev = nullptr;
    QPushButton* bNext = nullptr;
    QWidget* loDaysOfWeek = nullptr;
    TRectangle* rectDaysOfWeek = nullptr;
    TGridLayout* gloDOW = nullptr;
    std::array<QLabel*, 7> lblDOW{};
    QWidget* loCalendar = nullptr;
    QWidget* loFooter = nullptr;
    TRectangle* rectFooter = nullptr;
    QLabel* lblStatus = nullptr;
    QPushButton* bToday = nullptr;
    QDateEdit* DateEd = nullptr;
    TRectangle* rectCalendar = nullptr;
    TGridLayout* gloCal = nullptr;
    std::array<TRectangle*, 42> gR{};
    std::array<TText*, 42> gT{};

    // Settings tab
    TRectangle* rectSettings = nullptr;
    QWidget* tbSettings = nullptr;
    TRectangle* rectToolbar2 = nullptr;
    QLabel* lblToolbar2 = nullptr;
    TColorComboBox* ccbColor = nullptr;
    QToolButton* sbBack2 = nullptr;
    QPushButton* bSave = nullptr;
    QLabel* lblPlatoon = nullptr;
    TComboBox* cbPlt = nullptr;
    QLabel* lblMonday = nullptr;
    TSwitch* swMondays = nullptr;
    QPushButton* bAPlt = nullptr;
    QPushButton* bBPlt = nullptr;
    QPushButton* bLdTr = nullptr;
    QPushButton* bBkGr = nullptr;
    QPushButton* bExport = nullptr;

    // Help tab
    QWidget* tbHelp = nullptr;
    TRectangle* rectHelp = nullptr;
    QLabel* lblToolbar3 = nullptr;
    QToolButton* sbBack3 = nullptr;
    TImage* ImgHelp = nullptr;

    // About tab
    QWidget* tbAbout = nullptr;
    TRectangle* rectToolbar4 = nullptr;
    QLabel* lblToolbar4 = nullptr;
    QToolButton* sbBack4 = nullptr;
    QWidget* loLinks = nullptr;
    TRectangle* rectLinks = nullptr;
    QToolButton* sbHelp1 = nullptr;
    QToolButton* sbHelp2 = nullptr;
    TRectangle* rectAbout = nullptr;
    TImage* imgSextant = nullptr;
    QLabel* lblAbout = nullptr;
};

} // namespace dutyloop
