#include "ui/parts/page_parts.h"

#include "ui/parts/panel.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QStackedLayout>
#include <QToolButton>

namespace dutyloop {

void LayOverParent(QWidget* child) {
    QWidget* parent = child->parentWidget();
    auto* stack = qobject_cast<QStackedLayout*>(parent->layout());
    if (!stack) {
        stack = new QStackedLayout(parent);
        stack->setStackingMode(QStackedLayout::StackAll);
        stack->setContentsMargins(0, 0, 0, 0);
    }
    stack->addWidget(child);
    // The stack raises its current widget; the one laid last is made current to lie in front.
    stack->setCurrentWidget(child);
}

QLabel* CentredLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = Named(new QLabel(parent), name);
    label->setText(text);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void KeepOwnFontSize(QWidget* control) {
    QFont font = control->font();
    font.setPointSizeF(QApplication::font(control).pointSizeF());
    control->setFont(font);
}

void PlaceAtEnds(QWidget* row, QWidget* left, int leftWidth, QWidget* right, int rightWidth) {
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);
    if (left) {
        KeepOwnFontSize(left);
        left->setFixedWidth(leftWidth);
        left->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        layout->addWidget(left);
    }
    layout->addStretch(1);
    if (right) {
        KeepOwnFontSize(right);
        right->setFixedWidth(rightWidth);
        right->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        layout->addWidget(right);
    }
}

namespace {

// Its arrow points back to where lines start: left, and right in a right-to-left window.
class BackArrowButton : public QToolButton {
public:
    explicit BackArrowButton(QWidget* parent) : QToolButton(parent) { pointBack(); }

protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::LayoutDirectionChange)
            pointBack();
        QToolButton::changeEvent(event);
    }

private:
    void pointBack() { setArrowType(isRightToLeft() ? Qt::RightArrow : Qt::LeftArrow); }
};

} // namespace

QToolButton* BackButton(QWidget* parent, bool withCaption) {
    auto* button = Named(new BackArrowButton(parent), "backButton");
    button->setAutoRaise(true);
    // The space keeps the caption off the arrow.
    button->setText(QLatin1Char(' ') + QCoreApplication::translate("Page", "Back"));
    button->setToolButtonStyle(withCaption ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
    button->setAccessibleName(QCoreApplication::translate("Page", "Back to the calendar"));
    button->setToolTip(button->accessibleName());
    return button;
}

TitleBar MakeTitleBar(QWidget* page) {
    TitleBar parts;
    parts.bar = Named(new QWidget(page), "titleBar");
    parts.bar->setFixedHeight(44);
    parts.panel = FillParent(Named(new Panel(parts.bar), "titlePanel"));
    parts.title = FillParent(CentredLabel(parts.panel, "titleLabel", QStringLiteral("Dutyloop®")));
    parts.controls = FillParent(Named(new QWidget(parts.panel), "titleBarControls"));
    return parts;
}

} // namespace dutyloop
