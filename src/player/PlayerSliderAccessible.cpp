#include "player/PlayerSliderAccessible.h"

#include <QAccessibleWidget>
#include <algorithm>

#include "player/PlayerSlider.h"

namespace {

class PlayerSliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit PlayerSliderAccessible(PlayerSlider* slider) : QAccessibleWidget(slider, QAccessible::Slider) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text type) const override {
    if (type == QAccessible::Value) return Slider()->ValueText();
    return QAccessibleWidget::text(type);
  }

  QVariant currentValue() const override { return Slider()->Value(); }
  void setCurrentValue(const QVariant& value) override {
    bool ok = false;
    const int wanted = value.toInt(&ok);
    if (ok && Slider()->isEnabled()) Slider()->EditValue(wanted);
  }
  QVariant maximumValue() const override { return Slider()->Max(); }
  QVariant minimumValue() const override { return Slider()->Min(); }
  QVariant minimumStepSize() const override { return std::max(1, Slider()->SmallChange()); }

 private:
  PlayerSlider* Slider() const { return static_cast<PlayerSlider*>(widget()); }
};

}  // namespace

QAccessibleInterface* PlayerSliderAccessibleFactory(const QString& /*className*/, QObject* object) {
  if (auto* slider = qobject_cast<PlayerSlider*>(object)) return new PlayerSliderAccessible(slider);
  return nullptr;
}
