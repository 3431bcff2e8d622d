#include "ui/settings/settings_rows.h"

#include "ui/parts/font_size.h"
#include "ui/parts/page_parts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace dutyloop {

QHBoxLayout* LabelledRow(QLabel* label, QWidget* control, int trailingGap) {
    label->setFixedHeight(25);
    auto* row = new QHBoxLayout;
    row->setSpacing(7);
    row->addWidget(label, 1, Qt::AlignTop);
    row->addWidget(control, 0, Qt::AlignTop);
    if (trailingGap > 0)
        row->addSpacing(trailingGap);
    return row;
}

QPushButton* BoldButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = Named(new QPushButton(parent), name);
    button->setText(caption);
    SetFontBold(button, true);
    return button;
}

} // namespace dutyloop
