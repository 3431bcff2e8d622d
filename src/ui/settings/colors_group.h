#pragma once

#include "settings/colors.h"

#include <QObject>

class QPushButton;
class QVBoxLayout;
class QWidget;

namespace dutyloop {

struct Settings;

// The colours the user can pick, one button each; the grid colour has none.
enum class ColorSetting { Work, Off, LeadTrail, Background };

QRgb& ColorOf(ColorSettings& colours, ColorSetting setting);
QRgb ColorOf(const ColorSettings& colours, ColorSetting setting);

// The four colour buttons in one row; each names the colour it holds for a screen reader, and the
// first three show it in their caption.
class ColorsGroup : public QObject {
    Q_OBJECT
public:
    explicit ColorsGroup(QWidget* form, QVBoxLayout* rows);

    void showSettings(const Settings& settings);
    // The caption of a colour just picked; one in the background's own colour could not be read.
    void showPickedColor(ColorSetting setting, const ColorSettings& colours);
    QPushButton* button(ColorSetting setting) const;
    // The background's caption stands on the background and is read on any.
    void setBackgroundCaptionColor(QRgb color);
    // The row's width, which the buttons below share.
    int rowWidth() const { return m_rowWidth; }

signals:
    void colorRequested(dutyloop::ColorSetting setting);

private:
    void nameButtons(const ColorSettings& colours);

    QPushButton* m_work = nullptr;
    QPushButton* m_off = nullptr;
    QPushButton* m_leadTrail = nullptr;
    QPushButton* m_background = nullptr;
    int m_rowWidth = 0;
    // The colours the captions show: those read, or those picked since.
    ColorSettings m_shown;
    bool m_shownOnce = false;
};

} // namespace dutyloop
