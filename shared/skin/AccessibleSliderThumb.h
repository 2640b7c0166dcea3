#pragma once
// One thumb of a three-thumb slider as a screen reader sees it: a slider of
// its own, without a widget, named by the slider's thumb pattern, whose value
// a screen reader may set (moving the thumb as a drag would).

#include <QAccessible>
#include <QPointer>

namespace solune {

class CVixSliderCtrl3D;

class AccessibleSliderThumb : public QAccessibleInterface, public QAccessibleValueInterface {
  public:
    AccessibleSliderThumb(CVixSliderCtrl3D* slider, int thumb);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Slider; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

  private:
    QPointer<CVixSliderCtrl3D> m_slider;
    int m_thumb;
};

}  // namespace solune
