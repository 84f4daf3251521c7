#pragma once

#include <QRect>
#include <QVector>

// Where the keyboard's focus mark goes on the product picture: Left and
// Right follow the port numbers, Up and Down go to the port drawn above or
// below, Home and End to the first and the last port.
enum class PortStep { Previous, Next, Up, Down, First, Last };

// The port a step from port `from` reaches among the ports drawn at `ports`
// (port index i at ports[i]); `from` itself where the step leads nowhere,
// and -1 when there are no ports.
int portAfterStep(const QVector<QRect> &ports, int from, PortStep step);
