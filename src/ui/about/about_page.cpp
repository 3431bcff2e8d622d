#include "ui/about/about_page.h"

#include "platform/product.h"
#include "ui/about/svg_picture.h"
#include "ui/parts/font_size.h"
#include "ui/parts/page_parts.h"
#include "ui/parts/panel.h"
#include "ui/parts/state_text_colors.h"
#include "ui/parts/text_color.h"

#include <QGridLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace dutyloop {

namespace {

QToolButton* MakeLink(QWidget* parent, const char* name, const QString& text) {
    auto* link = Named(new QToolButton(parent), name);
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
    grid->setRowStretch(1, 1);

    auto* links = Named(new QWidget(this), "links");
    links->setFixedHeight(134);
    m_linksPanel = FillParent(Named(new Panel(links), "linksPanel"));
    m_supportPage = MakeLink(m_linksPanel, "supportPageLink", SupportPageUrl().toString());
    // The web address, the longest text of the window, does not hold the window wider than
    // the mail link does: in the narrowest windows it is cut at its end.
    m_supportPage->setMinimumWidth(1);
    m_supportMail = MakeLink(m_linksPanel, "supportMailLink", tr("email: %1").arg(SupportEmail()));
    auto* column = new QVBoxLayout(m_linksPanel);
    column->setContentsMargins(16, 12, 16, 24);
    column->setSpacing(0);
    column->addWidget(m_supportPage);
    column->addStretch(1);
    column->addWidget(m_supportMail);
    grid->addWidget(links, 2, 0);

    connect(m_back, &QToolButton::clicked, this, &AboutPage::backRequested);
    connect(m_supportPage, &QToolButton::clicked, this,
            [this] { emit linkActivated(SupportPageUrl()); });
    connect(m_supportMail, &QToolButton::clicked, this,
            [this] { emit linkActivated(SupportMailUrl()); });
}

void AboutPage::setText(const QString& text) {
    m_text->setText(text);
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
