#include "ui/about/help_page.h"

#include "ui/about/svg_picture.h"
#include "ui/parts/font_size.h"
#include "ui/parts/page_parts.h"
#include "ui/parts/panel.h"
#include "ui/parts/state_text_colors.h"
#include "ui/parts/text_color.h"

#include <QCoreApplication>
#include <QHash>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace dutyloop {

namespace {

// The picture's captions in the user's language: the Settings tab's own words, as that tab
// shows them, and the notes that point at its controls.
QHash<QString, QString> PictureWords() {
    static const char* const kSettingsWords[] = {"Save",   "Assignment", "Start Monday", "Work",
                                                 "Off",    "Ld/Tr",      "BkGr",         "Export…",
                                                 "Print…", "Publish…"};
    static const char* const kNotes[] = {
        QT_TRANSLATE_NOOP("dutyloop::HelpPage", "First day of week"),
        QT_TRANSLATE_NOOP("dutyloop::HelpPage", "Shift Assignment"),
        QT_TRANSLATE_NOOP("dutyloop::HelpPage", "Shift Colors"),
        QT_TRANSLATE_NOOP("dutyloop::HelpPage", "Leading / Trailing"),
        QT_TRANSLATE_NOOP("dutyloop::HelpPage", "Background"),
        QT_TRANSLATE_NOOP("dutyloop::HelpPage", "Your Own Calendar")};
    QHash<QString, QString> words;
    for (const char* word : kSettingsWords)
        words.insert(QString::fromUtf8(word),
                     QCoreApplication::translate("dutyloop::SettingsPage", word));
    for (const char* note : kNotes)
        words.insert(QString::fromUtf8(note),
                     QCoreApplication::translate("dutyloop::HelpPage", note));
    return words;
}

// The picture in words, for a screen reader: the same notes on the same controls, each control
// called by the name a screen reader says for it on the Settings tab, not by its short caption.
QString PictureText(const QHash<QString, QString>& words) {
    const auto word = [&](const char* source) { return words.value(QString::fromUtf8(source)); };
    const auto spoken = [](const char* source) {
        return QCoreApplication::translate("dutyloop::SettingsPage", source);
    };
    const QStringList lines{
        HelpPage::tr("A picture of the Settings tab, with notes on its controls."),
        HelpPage::tr("%1: the list “%2”.").arg(word("Shift Assignment"), word("Assignment")),
        HelpPage::tr("%1: the switch “%2”.")
            .arg(word("First day of week"), spoken("Start weeks on Monday")),
        HelpPage::tr("%1: the buttons “%2” and “%3”.")
            .arg(word("Shift Colors"), spoken("Work day colour"), spoken("Off-duty colour")),
        HelpPage::tr("%1: the button “%2”.")
            .arg(word("Leading / Trailing"), spoken("Leading and trailing days colour")),
        HelpPage::tr("%1: the button “%2”.").arg(word("Background"), spoken("Background colour")),
        HelpPage::tr("At the top is the button “%1”, at the bottom the buttons “%2”, “%3” and "
                     "“%4”.")
            .arg(word("Save"), spoken("Export duty days to a calendar file"),
                 spoken("Print a crew's duty year or save it as PDF"),
                 spoken("Publish the duty to your own calendar and keep it current")),
        HelpPage::tr("%1: the button “%2”, which keeps the chosen crew's duty current in a "
                     "calendar on your own server or in a folder that calendar programs read.")
            .arg(word("Your Own Calendar"),
                 spoken("Publish the duty to your own calendar and keep it current"))};
    return lines.join(QLatin1Char('\n'));
}

} // namespace

HelpPage::HelpPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("helpPage"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    const TitleBar bar = MakeTitleBar(this);
    m_toolBarPanel = bar.panel;
    m_title = bar.title;
    m_back = BackButton(bar.controls, true);
    PlaceAtEnds(bar.controls, m_back, 87, nullptr, 0);
    column->addWidget(bar.bar);

    auto* picture = Named(new SvgPicture(this), "helpPicture");
    picture->setSource(QStringLiteral(":/pictures/help.svg"));
    const QHash<QString, QString> words = PictureWords();
    picture->setWords(words);
    // It shows the Settings tab, which mirrors in a right-to-left window.
    picture->setMirroredRightToLeft(true);
    picture->setAccessibleName(tr("How the Settings tab works"));
    // The picture's text equivalent; the Tab key stops on the picture so that a screen reader
    // reads it there, and the picture looks the same.
    picture->setAccessibleDescription(PictureText(words));
    picture->setFocusPolicy(Qt::TabFocus);
    auto* margins = new QVBoxLayout;
    margins->setContentsMargins(20, 20, 20, 20);
    margins->addWidget(picture);
    column->addLayout(margins, 1);
    connect(m_back, &QToolButton::clicked, this, &HelpPage::backRequested);
}

void HelpPage::showLook(const TabLook& look) {
    m_toolBarPanel->setColors(look.background, look.border, kThinBorder);
    // The page has no panel of its own; it takes the background so that every tab does.
    SetBackgroundColor(this, look.background);
    SetFontPixelSize(m_title, look.titleFontSize);
    SetTextColor(m_title, look.headerTextColor);
    const QRgb header = look.headerTextColor;
    SetStateTextColors(m_back, {header, header, colors::Blue, header});
}

} // namespace dutyloop
