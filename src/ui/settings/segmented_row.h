#pragma once

#include <QLayout>
#include <QList>

namespace dutyloop {

// Buttons side by side that read as one segmented control: each at its own fixed size, each
// overlapping the one before by a pixel so that neighbours share one border line. The row runs
// from the right in a right-to-left layout.
class SegmentedRow : public QLayout {
public:
    explicit SegmentedRow(QWidget* parent = nullptr);
    ~SegmentedRow() override;

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    Qt::Orientations expandingDirections() const override;
    void setGeometry(const QRect& rect) override;

private:
    QList<QLayoutItem*> m_items;
};

} // namespace dutyloop
