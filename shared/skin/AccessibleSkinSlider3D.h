#pragma once
// The screen reader's view of the three-thumb slider (CVixSliderCtrl3D): role
// grouping, named by the widget's accessible name, with one slider child per
// thumb (AccessibleSliderThumb), named after the slider's thumb pattern
// (SpokenThumbName) and settable as a drag would set it.

#include <QAccessibleWidget>
#include <array>

namespace solune {

class CVixSliderCtrl3D;

class AccessibleSkinSlider3D : public QAccessibleWidget {
  public:
    explicit AccessibleSkinSlider3D(CVixSliderCtrl3D* slider);
    ~AccessibleSkinSlider3D() override;

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

  private:
    mutable std::array<QAccessible::Id, 3> m_thumbIds{};
};

}  // namespace solune
