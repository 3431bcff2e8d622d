#include "ui/about/about_page.h"

#include "platform/product.h"
#include "ui/about/svg_picture.h"
#include "ui/parts/accessible_role.h"
#include "ui/parts/font_size.h"
#include "ui/parts/page_parts.h"
#include "ui/parts/panel.h"
#include "ui/parts/state_text_colors.h"
#include "ui/parts/text_color.h"

#include <QAccessibleWidget>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace dutyloop {

namespace {

// Marks the buttons that are links to a screen reader.
constexpr char kLinkProperty[] = "dutyloopLink";

// A link of the About tab as a screen reader meets it: a link, named for where it leads, its
// address its description, that can be followed. Qt would show a button named with the raw
// address.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(QToolButton* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction())
            static_cast<QToolButton*>(widget())->click();
    }
};

QAccessibleInterface* LinkFactory(const QString&, QObject* object) {
    auto* link = qobject_cast<QToolButton*>(object);
    if (link && link->property(kLinkProperty).toBool())
        return new LinkAccessible(link);
    return nullptr;
}

QToolButton* MakeLink(QWidget* parent, const char* name, const QString& text, const QString& spoken,
                      const QString& address) {
    static const bool installed = [] {
        QAccessible::installFactory(LinkFactory);
        return true;
    }();
    Q_UNUSED(installed);
    auto* link = Named(new QToolButton(parent), name);
    link->setProperty(kLinkProperty, true);
    link->setAccessibleName(spoken);
    link->setAccessibleDescription(address);
    link->setText(text);
    link->setAutoRaise(true);
    link->setCursor(Qt::PointingHandCursor);
    link->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    link->setFixedHeight(44);
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    return link;
}

} // namespace

AboutPage::AboutPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("aboutPage"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    const TitleBar bar = MakeTitleBar(this);
    m_toolBarPanel = bar.panel;
    m_title = bar.title;
    m_back = BackButton(bar.controls, true);
    PlaceAtEnds(bar.controls, m_back, 87, nullptr, 0);
    grid->addWidget(bar.bar, 0, 0);

    m_textPanel = Named(new Panel(this), "textPanel");
    auto* sextant = Named(new SvgPicture(this), "sextantPicture");
    sextant->setSource(QStringLiteral(":/pictures/sextant.svg"));
    sextant->setOpacity(0.1);
    m_text = CentredLabel(this, "aboutText", QStringLiteral("Dutyloop®"));
    m_text->setWordWrap(true);

    grid->addWidget(m_textPanel, 1, 0);
    grid->addWidget(sextant, 1, 0);
    grid->addWidget(m_text, 1, 0);
    // The Tab key stops on the text, so that a screen reader reads it there. A label that
    // takes the focus lays its text out anew, a pixel higher; a layer over it that draws
    // nothing takes the focus instead and reads as the text.
    m_textReader = Named(new QWidget(this), "aboutTextReader");
    m_textReader->setFocusPolicy(Qt::TabFocus);
    m_textReader->setAttribute(Qt::WA_TransparentForMouseEvents);
    SetAccessibleRole(m_textReader, QAccessible::StaticText);
    grid->addWidget(m_textReader, 1, 0);
    grid->setRowStretch(1, 1);

    auto* links = Named(new QWidget(this), "links");
    links->setFixedHeight(134);
    m_linksPanel = FillParent(Named(new Panel(links), "linksPanel"));
    m_supportPage = MakeLink(m_linksPanel, "supportPageLink", SupportPageUrl().toString(),
                             tr("Support web page"), SupportPageUrl().toString());
    // The web address, the longest text of the window, does not hold the window wider than
    // the mail link does: in the narrowest windows it is cut at its end.
    m_supportPage->setMinimumWidth(1);
    m_supportMail = MakeLink(m_linksPanel, "supportMailLink", tr("email: %1").arg(SupportEmail()),
                             tr("Email to support"), SupportEmail());
    auto* column = new QVBoxLayout(m_linksPanel);
    column->setContentsMargins(16, 12, 16, 24);
    column->setSpacing(0);
    column->addWidget(m_supportPage);
    column->addStretch(1);
    column->addWidget(m_supportMail);
    grid->addWidget(links, 2, 0);

    connect(m_back, &QToolButton::clicked, this, &AboutPage::backRequested);
    // Enter follows a link, as it does anywhere; Qt's buttons answer Space alone.
    for (QToolButton* link : {m_supportPage, m_supportMail})
        link->installEventFilter(this);
    connect(m_supportPage, &QToolButton::clicked, this,
            [this] { emit linkActivated(SupportPageUrl()); });
    connect(m_supportMail, &QToolButton::clicked, this,
            [this] { emit linkActivated(SupportMailUrl()); });
    showProductText();
}

bool AboutPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        (watched == m_supportPage || watched == m_supportMail)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            static_cast<QToolButton*>(watched)->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void AboutPage::showProductText() {
    const QString text = tr("Dutyloop for Tornvale v%1\n\n"
                            "Copyright © 2014-2026 Halvorne\n"
                            "Dutyloop is a trademark of Halvorne\n"
                            "All rights reserved\n"
                            "%2\n\n"
                            "Linux Desktop Version")
                             .arg(ProductVersion(), SupportHost());
    m_text->setText(text);
    m_textReader->setAccessibleName(text);
}

void AboutPage::showLook(const TabLook& look) {
    m_toolBarPanel->setColors(look.background, look.border, kThinBorder);
    m_textPanel->setColors(look.background, look.border, 0.0f);
    m_linksPanel->setColors(look.background, look.border, 0.0f);
    SetFontPixelSize(m_title, look.titleFontSize);
    SetTextColor(m_title, look.headerTextColor);
    SetTextColor(m_text, look.headerTextColor);
    SetTextColor(m_supportPage, look.linkTextColor);
    SetTextColor(m_supportMail, look.linkTextColor);
    const QRgb header = look.headerTextColor;
    SetStateTextColors(m_back, {header, header, colors::Blue, header});
}

} // namespace dutyloop
