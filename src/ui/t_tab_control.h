#pragma once

#include <QTabWidget>

namespace dutyloop {

// Tab headers 49 high that share the window's width equally.
class TTabControl : public QTabWidget {
    Q_OBJECT
public:
    static constexpr int kTabHeight = 49;

    explicit TTabControl(QWidget* parent);
};

} // namespace dutyloop
