#include "core/catalogue/portnavigation.h"

#include <limits>

namespace {

// The nearest port drawn below (or above) the middle of port `from`, a
// sideways step counting twice a vertical one, so that the mark keeps to its
// column where the picture has columns.
int portAboveOrBelow(const QVector<QRect> &ports, int from, bool down)
{
    const QRect origin = ports[from];
    int best = from;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < ports.size(); ++i) {
        const QRect &port = ports[i];
        const bool beyond =
            down ? port.top() > origin.center().y() : port.bottom() < origin.center().y();
        if (!beyond)
            continue;
        const int distance = qAbs(port.center().y() - origin.center().y()) +
            2 * qAbs(port.center().x() - origin.center().x());
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

} // namespace

int portAfterStep(const QVector<QRect> &ports, int from, PortStep step)
{
    const int last = ports.size() - 1;
    if (last < 0)
        return -1;
    from = qBound(0, from, last);
    switch (step) {
    case PortStep::Previous:
        return qMax(0, from - 1);
    case PortStep::Next:
        return qMin(last, from + 1);
    case PortStep::First:
        return 0;
    case PortStep::Last:
        return last;
    case PortStep::Up:
        return portAboveOrBelow(ports, from, false);
    case PortStep::Down:
        return portAboveOrBelow(ports, from, true);
    }
    return from;
}
