#include "core/catalogue/portnavigation.h"

#include <limits>

namespace {

// The nearest port on the side `down` (or up) of `from`: ports in the same
// column first (their widths overlap), the nearest of them; otherwise the
// nearest by distance, a sideways step counting twice a vertical one, so
// the step stays in its column where the picture has one.
int portAboveOrBelow(const QVector<QRect> &ports, int from, bool down)
{
    const QRect origin = ports[from];
    int best = from;
    long bestScore = std::numeric_limits<long>::max();
    for (int i = 0; i < ports.size(); ++i) {
        const QRect &port = ports[i];
        const int dy = port.center().y() - origin.center().y();
        const bool beyond = down ? port.top() > origin.center().y() && dy > 0
                                 : port.bottom() < origin.center().y() && dy < 0;
        if (i == from || !beyond)
            continue;
        const bool sameColumn = port.left() <= origin.right() && origin.left() <= port.right();
        const int dx = qAbs(port.center().x() - origin.center().x());
        const long score = (sameColumn ? 0 : 1L << 20) + qAbs(dy) + (sameColumn ? 0 : 2 * dx);
        if (score < bestScore) {
            bestScore = score;
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
