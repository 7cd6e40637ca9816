// The room temperature slider: eleven positions, 0 at the top to 100 degrees at the bottom. A
// screen reader hears it in degrees ("50"), not in positions ("5").
#pragma once

#include <QSlider>

namespace zupel {

class TemperatureSlider : public QSlider {
    Q_OBJECT
public:
    static constexpr int kDegreesPerStep = 10;

    explicit TemperatureSlider(QWidget* parent);
    int degrees() const { return value() * kDegreesPerStep; }
};

}  // namespace zupel
