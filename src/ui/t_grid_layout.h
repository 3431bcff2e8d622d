#pragma once

#include <QWidget>

namespace dutyloop {

// Places its child widgets, in the order they were added, left to right in rows of cells of
// ItemWidth x ItemHeight, starting a new row when the next cell would pass its width. Cell
// edges are rounded from the fractional positions, so the cells tile without gaps.
class TGridLayout : public QWidget {
    Q_OBJECT
public:
    explicit TGridLayout(QWidget* parent);

    float itemWidth() const { return m_itemWidth; }
    float itemHeight() const { return m_itemHeight; }
    void setItemSize(float width, float height);

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeChildren();

    float m_itemWidth = 54.0f;
    float m_itemHeight = 54.0f;
};

} // namespace dutyloop
