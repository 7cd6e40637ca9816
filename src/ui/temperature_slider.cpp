#include "temperature_slider.h"

#include <QAccessibleWidget>
#include <cmath>

#include "language.h"
#include "player_text.h"

namespace zupel {
namespace {

// What assistive technology reads and sets: the temperature in degrees, in steps of ten.
class TemperatureAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TemperatureAccessible(TemperatureSlider* slider)
        : QAccessibleWidget(slider, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return translated(PlayerText::ja("%1℃")).arg(slider()->degrees());
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return slider()->degrees(); }
    // As if the player moved the handle: only while the slider is usable.
    void setCurrentValue(const QVariant& degrees) override {
        if (!slider()->isEnabled()) return;
        slider()->setValue(
            static_cast<int>(std::lround(degrees.toDouble() / TemperatureSlider::kDegreesPerStep)));
    }
    QVariant maximumValue() const override {
        return slider()->maximum() * TemperatureSlider::kDegreesPerStep;
    }
    QVariant minimumValue() const override {
        return slider()->minimum() * TemperatureSlider::kDegreesPerStep;
    }
    QVariant minimumStepSize() const override { return TemperatureSlider::kDegreesPerStep; }

private:
    TemperatureSlider* slider() const { return static_cast<TemperatureSlider*>(widget()); }
};

QAccessibleInterface* accessibleTemperature(const QString& className, QObject* object) {
    if (className == QLatin1String(TemperatureSlider::staticMetaObject.className()))
        return new TemperatureAccessible(static_cast<TemperatureSlider*>(object));
    return nullptr;
}

}  // namespace

TemperatureSlider::TemperatureSlider(QWidget* parent) : QSlider(Qt::Vertical, parent) {
    static const bool installed = (QAccessible::installFactory(accessibleTemperature), true);
    (void)installed;
    setAccessibleName(PlayerText::ja("温度"));
}

}  // namespace zupel
