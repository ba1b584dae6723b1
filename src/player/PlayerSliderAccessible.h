#pragma once
// What assistive tools see of the self-drawn sliders: a slider with a value, a minimum
// and a maximum, whose value they can set.
#include <QString>

class QAccessibleInterface;
class QObject;

// Registered once with QAccessible::installFactory; answers for PlayerSlider objects.
QAccessibleInterface* PlayerSliderAccessibleFactory(const QString& className, QObject* object);
