#pragma once

#include <QString>

class QLabel;
class QToolButton;
class QWidget;

namespace dutyloop {

class Panel;

// A widget of the window, named so that tests and screen-reader tools can find it.
template <class Widget> Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// Lays `child` over the whole of its parent, in a stack of all the widgets laid so; children
// laid later lie in front.
void LayOverParent(QWidget* child);

template <class Widget> Widget* FillParent(Widget* widget) {
    LayOverParent(widget);
    return widget;
}

QLabel* CentredLabel(QWidget* parent, const char* name, const QString& text);

// A control that sits on a label keeps the platform's font size when the label's grows.
void KeepOwnFontSize(QWidget* control);

// Buttons at the left and right ends of `row`, full height less the margins, what lies behind
// showing between them. Either may be missing.
void PlaceAtEnds(QWidget* row, QWidget* left, int leftWidth, QWidget* right, int rightWidth);

// The arrow back to the calendar; with the caption " Back" where there is room for it.
QToolButton* BackButton(QWidget* parent, bool withCaption);

// A tab's tool bar, 44 high: a panel with the title "Dutyloop®" across it, and in front of the
// title the tool bar's buttons. They lie on a layer of their own rather than on the title, so
// that a screen reader does not say that they are inside the title.
struct TitleBar {
    QWidget* bar = nullptr;
    Panel* panel = nullptr;
    QLabel* title = nullptr;
    QWidget* controls = nullptr;
};
TitleBar MakeTitleBar(QWidget* page);

} // namespace dutyloop
