#pragma once

#include <QTabWidget>

namespace dutyloop {

// Tab headers 49 high that share the window's width equally, unless a caption needs more than
// its share.
class EqualTabWidget : public QTabWidget {
    Q_OBJECT
public:
    static constexpr int kTabHeight = 49;

    explicit EqualTabWidget(QWidget* parent);

protected:
    void tabInserted(int index) override;
};

} // namespace dutyloop
