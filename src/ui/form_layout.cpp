#include "ui/form_layout.h"

#include "platform/product.h"
#include "settings/assignment_list.h"
#include "ui/font_size.h"
#include "ui/t_color_combo_box.h"
#include "ui/t_combo_box.h"
#include "ui/t_grid_layout.h"
#include "ui/t_image.h"
#include "ui/t_rectangle.h"
#include "ui/t_switch.h"
#include "ui/t_tab_control.h"
#include "ui/t_text.h"
#include "ui/tag.h"
#include "ui/text_color.h"

#include <QApplication>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace dutyloop {

namespace {

template <class Widget> Widget* Make(QWidget* parent, const char* name, int tag = 0) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    if (tag != 0)
        SetTag(widget, tag);
    return widget;
}

QGridLayout* StackOf(QWidget* parent) {
    if (auto* existing = qobject_cast<QGridLayout*>(parent->layout()))
        return existing;
    auto* layout = new QGridLayout(parent);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

// Fill siblings overlap exactly; the later ones lie in front.
template <class Widget> Widget* Fill(Widget* widget) {
    StackOf(widget->parentWidget())->addWidget(widget, 0, 0);
    return widget;
}

QLabel* CentredLabel(QWidget* parent, const char* name, const QString& text, int tag = 0) {
    auto* label = Make<QLabel>(parent, name, tag);
    label->setText(text);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// A control that sits on a label keeps the platform's font size when the label's grows.
void KeepOwnFontSize(QWidget* control) {
    QFont font = control->font();
    font.setPointSizeF(QApplication::font(control).pointSizeF());
    control->setFont(font);
}

// Buttons at the left and right ends of a label, full height less the margins, the label's
// centred text showing between them.
void PlaceAtEnds(QLabel* label, QWidget* left, int leftWidth, QWidget* right, int rightWidth) {
    auto* row = new QHBoxLayout(label);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(0);
    if (left) {
        KeepOwnFontSize(left);
        left->setFixedWidth(leftWidth);
        left->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        row->addWidget(left);
    }
    row->addStretch(1);
    if (right) {
        KeepOwnFontSize(right);
        right->setFixedWidth(rightWidth);
        right->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        row->addWidget(right);
    }
}

QToolButton* BackButton(QWidget* parent, const char* name, bool withCaption) {
    auto* button = Make<QToolButton>(parent, name);
    button->setArrowType(Qt::LeftArrow);
    button->setAutoRaise(true);
    button->setText(QStringLiteral(" Back"));
    button->setToolButtonStyle(withCaption ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
    button->setAccessibleName(QStringLiteral("Back to the calendar"));
    button->setToolTip(QStringLiteral("Back to the calendar"));
    return button;
}

QWidget* TopBar(QWidget* page, const char* name, const char* rectName, int rectTag,
                const char* labelName, int labelTag, TRectangle** rect, QLabel** label) {
    auto* bar = Make<QWidget>(page, name);
    bar->setFixedHeight(44);
    *rect = Fill(Make<TRectangle>(bar, rectName, rectTag));
    *label = Fill(CentredLabel(*rect, labelName, QStringLiteral("Dutyloop®"), labelTag));
    return bar;
}

void BuildCalendarTab(FormWidgets& w) {
    QWidget* page = w.tabCalendar;
    // The bands of this tab are placed by the window's resize handling, not by a layout.
    w.tbCalendar = Make<QWidget>(page, "tbCalendar");
    w.rectToolbar1 = Fill(Make<TRectangle>(w.tbCalendar, "rectToolbar1", -2));
    w.lblToolbar1 = Fill(CentredLabel(w.rectToolbar1, "lblToolbar1", QStringLiteral("Title")));

    w.loMonthName = Make<QWidget>(page, "loMonthName");
    w.rectMonthName = Fill(Make<TRectangle>(w.loMonthName, "rectMonthName", -2));
    w.rectMonthName->setStrokeThickness(0);
    w.lblMonthName =
        Fill(CentredLabel(w.rectMonthName, "lblMonthName", QStringLiteral("Month and Year")));
    w.bPrev = Make<QPushButton>(w.lblMonthName, "bPrev");
    // Arrows of our own, drawn from vectors at the size they are shown: sharp at any density,
    // and nothing decoded that is not shown.
    w.bPrev->setIcon(QIcon(QStringLiteral(":/pictures/arrow-left.svg")));
    w.bPrev->setIconSize(QSize(24, 24));
    w.bPrev->setFlat(true);
    w.bPrev->setAccessibleName(QStringLiteral("Previous month"));
    w.bPrev->setToolTip(QStringLiteral("Previous month (Page Up)"));
    w.bNext = Make<QPushButton>(w.lblMonthName, "bNext");
    w.bNext->setIcon(QIcon(QStringLiteral(":/pictures/arrow-right.svg")));
    w.bNext->setIconSize(QSize(24, 24));
    w.bNext->setFlat(true);
    w.bNext->setAccessibleName(QStringLiteral("Next month"));
    w.bNext->setToolTip(QStringLiteral("Next month (Page Down)"));
    PlaceAtEnds(w.lblMonthName, w.bPrev, 44, w.bNext, 44);

    w.loDaysOfWeek = Make<QWidget>(page, "loDaysOfWeek");
    w.rectDaysOfWeek = Fill(Make<TRectangle>(w.loDaysOfWeek, "rectDaysOfWeek", -1));
    w.gloDOW = Fill(Make<TGridLayout>(w.rectDaysOfWeek, "gloDOW"));
    w.gloDOW->setAttribute(Qt::WA_TransparentForMouseEvents);
    w.gloDOW->setItemSize(54, 48);
    const char* dayNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    for (std::size_t i = 0; i < 7; ++i) {
        const QByteArray name = "lblDOW" + QByteArray::number(static_cast<int>(i + 1));
        w.lblDOW[i] = CentredLabel(w.gloDOW, name.constData(), QString::fromLatin1(dayNames[i]));
    }

    w.loCalendar = Make<QWidget>(page, "loCalendar");
    w.loFooter = Make<QWidget>(w.loCalendar, "loFooter");
    w.rectFooter = Fill(Make<TRectangle>(w.loFooter, "rectFooter", -2));
    w.lblStatus = Fill(CentredLabel(w.rectFooter, "lblStatus", QStringLiteral("Status")));
    w.bToday = Make<QPushButton>(w.lblStatus, "bToday");
    w.bToday->setText(QStringLiteral("Today"));
    w.bToday->setToolTip(QStringLiteral("Go to today (Home)"));
    w.DateEd = Make<QDateEdit>(w.lblStatus, "DateEd");
    w.DateEd->setCalendarPopup(true);
    w.DateEd->setDisplayFormat(QStringLiteral("MM/dd/yy"));
    w.DateEd->setAlignment(Qt::AlignCenter);
    w.DateEd->setAccessibleName(QStringLiteral("Pick a date"));
    // The field's drop-down button takes room of its own; the whole date must stay readable.
    PlaceAtEnds(w.lblStatus, w.bToday, 85, w.DateEd, std::max(85, w.DateEd->sizeHint().width()));

    w.rectCalendar = Make<TRectangle>(w.loCalendar, "rectCalendar", -2);
    w.rectCalendar->lower();
    w.gloCal = Make<TGridLayout>(w.rectCalendar, "gloCal");
    w.gloCal->setItemSize(54, 54);
    for (int i = 0; i < 42; ++i) {
        const QByteArray number = QByteArray::number(i).rightJustified(2, '0');
        auto* cell = Make<TRectangle>(w.gloCal, ("gR" + number).constData(), i);
        auto* text = Fill(Make<TText>(cell, ("gT" + number).constData(), i));
        // Only the cells that can hold a day of the shown month take clicks.
        cell->setHitTest(i <= 36);
        w.gR[static_cast<std::size_t>(i)] = cell;
        w.gT[static_cast<std::size_t>(i)] = text;
    }
}

void BuildSettingsTab(FormWidgets& w) {
    QWidget* page = w.tabSettings;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    w.rectSettings = Make<TRectangle>(page, "rectSettings", -2);
    w.tbSettings = TopBar(page, "tbSettings", "rectToolbar2", -1, "lblToolbar2", 0, &w.rectToolbar2,
                          &w.lblToolbar2);
    column->addWidget(w.tbSettings);
    column->addWidget(w.rectSettings, 1);

    w.sbBack2 = BackButton(w.lblToolbar2, "sbBack2", false);
    w.bSave = Make<QPushButton>(w.lblToolbar2, "bSave");
    w.bSave->setText(QStringLiteral("Save"));
    SetFontBold(w.bSave, true);
    PlaceAtEnds(w.lblToolbar2, w.sbBack2, 55, w.bSave, 86);
    w.ccbColor = Make<TColorComboBox>(w.lblToolbar2, "ccbColor");
    KeepOwnFontSize(w.ccbColor);
    w.ccbColor->setGeometry(96, 8, 193, 30);
    w.ccbColor->setMaxVisibleItems(12);
    w.ccbColor->setAccessibleName(QStringLiteral("Colour"));
    w.ccbColor->hide();

    w.lblPlatoon = Make<QLabel>(page, "lblPlatoon");
    w.lblPlatoon->setText(QStringLiteral("Assignment"));
    w.lblPlatoon->setGeometry(16, 64, 169, 25);
    w.cbPlt = Make<TComboBox>(page, "cbPlt");
    w.cbPlt->addItems(AssignmentEntries());
    w.cbPlt->setCurrentIndex(-1);
    w.cbPlt->setMaxVisibleItems(12);
    w.cbPlt->setGeometry(192, 64, 81, 30);
    w.cbPlt->setAccessibleName(QStringLiteral("Assignment"));
    w.lblPlatoon->setBuddy(w.cbPlt);

    w.lblMonday = Make<QLabel>(page, "lblMonday");
    w.lblMonday->setText(QStringLiteral("Start Monday"));
    w.lblMonday->setGeometry(16, 120, 169, 25);
    w.swMondays = Make<TSwitch>(page, "swMondays");
    w.swMondays->setGeometry(208, 120, 55, 25);
    w.swMondays->setAccessibleName(QStringLiteral("Start weeks on Monday"));

    struct ColourButton {
        QPushButton** button;
        const char* name;
        const char* caption;
        int tag;
        int x;
        const char* accessibleName;
    };
    const ColourButton buttons[] = {
        {&w.bAPlt, "bAPlt", "Work", 1, 16, "Work day colour"},
        {&w.bBPlt, "bBPlt", "Off", 2, 80, "Off-duty colour"},
        {&w.bLdTr, "bLdTr", "Ld/Tr", 6, 144, "Leading and trailing days colour"},
        {&w.bBkGr, "bBkGr", "BkGr", 7, 208, "Background colour"},
    };
    for (const ColourButton& spec : buttons) {
        auto* button = Make<QPushButton>(page, spec.name, spec.tag);
        button->setText(QString::fromLatin1(spec.caption));
        SetFontBold(button, true);
        // Each piece overlaps the next by one, so the four read as one segmented row.
        button->setGeometry(spec.x, 184, 65, 29);
        button->setAccessibleName(QString::fromLatin1(spec.accessibleName));
        *spec.button = button;
    }

    // Below the colour buttons and in their style, as wide as their row.
    w.bExport = Make<QPushButton>(page, "bExport");
    w.bExport->setText(QStringLiteral("Export…"));
    SetFontBold(w.bExport, true);
    w.bExport->setGeometry(16, 232, 257, 29);
    w.bExport->setAccessibleName(QStringLiteral("Export duty days to a calendar file"));
}

void BuildHelpTab(FormWidgets& w) {
    QWidget* page = w.tabHelp;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    w.tbHelp =
        TopBar(page, "tbHelp", "rectHelp", -1, "lblToolbar3", 0, &w.rectHelp, &w.lblToolbar3);
    w.sbBack3 = BackButton(w.lblToolbar3, "sbBack3", true);
    PlaceAtEnds(w.lblToolbar3, w.sbBack3, 87, nullptr, 0);
    column->addWidget(w.tbHelp);
    w.ImgHelp = Make<TImage>(page, "ImgHelp");
    w.ImgHelp->setSource(QStringLiteral(":/pictures/help.svg"));
    w.ImgHelp->setAccessibleName(QStringLiteral("How the Settings tab works"));
    auto* margins = new QVBoxLayout;
    margins->setContentsMargins(20, 20, 20, 20);
    margins->addWidget(w.ImgHelp);
    column->addLayout(margins, 1);
}

void BuildAboutTab(FormWidgets& w) {
    QWidget* page = w.tabAbout;
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    w.tbAbout = TopBar(page, "tbAbout", "rectToolbar4", -1, "lblToolbar4", -1, &w.rectToolbar4,
                       &w.lblToolbar4);
    w.sbBack4 = BackButton(w.lblToolbar4, "sbBack4", true);
    PlaceAtEnds(w.lblToolbar4, w.sbBack4, 87, nullptr, 0);
    grid->addWidget(w.tbAbout, 0, 0);

    w.rectAbout = Make<TRectangle>(page, "rectAbout", -2);
    w.imgSextant = Make<TImage>(page, "imgSextant");
    w.imgSextant->setSource(QStringLiteral(":/pictures/sextant.svg"));
    w.imgSextant->setOpacity(0.1);
    w.lblAbout = CentredLabel(page, "lblAbout", QStringLiteral("Dutyloop®"));
    w.lblAbout->setWordWrap(true);
    grid->addWidget(w.rectAbout, 1, 0);
    grid->addWidget(w.imgSextant, 1, 0);
    grid->addWidget(w.lblAbout, 1, 0);
    grid->setRowStretch(1, 1);

    w.loLinks = Make<QWidget>(page, "loLinks");
    w.loLinks->setFixedHeight(134);
    w.rectLinks = Fill(Make<TRectangle>(w.loLinks, "rectLinks", -2));
    auto makeLink = [&](const char* name, const QString& text) {
        auto* link = Make<QToolButton>(w.rectLinks, name);
        link->setText(text);
        link->setAutoRaise(true);
        link->setCursor(Qt::PointingHandCursor);
        link->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        link->setFixedHeight(44);
        QFont font = link->font();
        font.setUnderline(true);
        link->setFont(font);
        SetTextColor(link, colors::Blue);
        return link;
    };
    w.sbHelp1 = makeLink("sbHelp1", QStringLiteral("http://") + SupportHost());
    w.sbHelp2 = makeLink("sbHelp2", QStringLiteral("email: ") + SupportEmail());
    auto* links = new QVBoxLayout(w.rectLinks);
    links->setContentsMargins(16, 12, 16, 24);
    links->setSpacing(0);
    links->addWidget(w.sbHelp1);
    links->addStretch(1);
    links->addWidget(w.sbHelp2);
    grid->addWidget(w.loLinks, 2, 0);
}

} // namespace

FormWidgets BuildFormLayout(QWidget* form) {
    FormWidgets w;
    w.form = form;
    auto* top = new QVBoxLayout(form);
    top->setContentsMargins(0, 0, 0, 0);
    w.tabCtrl = Make<TTabControl>(form, "tabCtrl");
    top->addWidget(w.tabCtrl);

    w.tabCalendar = Make<QWidget>(w.tabCtrl, "tabCalendar");
    w.tabSettings = Make<QWidget>(w.tabCtrl, "tabSettings");
    w.tabHelp = Make<QWidget>(w.tabCtrl, "tabHelp");
    w.tabAbout = Make<QWidget>(w.tabCtrl, "tabAbout");
    BuildCalendarTab(w);
    BuildSettingsTab(w);
    BuildHelpTab(w);
    BuildAboutTab(w);

    w.tabCtrl->addTab(w.tabCalendar, QStringLiteral("Calendar"));
    w.tabCtrl->addTab(w.tabSettings, QStringLiteral("Settings"));
    w.tabCtrl->addTab(w.tabHelp, QStringLiteral("Help"));
    w.tabCtrl->addTab(w.tabAbout, QStringLiteral("About"));
    w.tabCtrl->setCurrentWidget(w.tabAbout);
    return w;
}

} // namespace dutyloop
