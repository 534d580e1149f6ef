#include "dialogs/qt/page_width.h"

#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <limits>

namespace trochograph {

namespace {

QList<QWidget*> controlsOf(QWidget& page) { return page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly); }

bool isProse(const QWidget* control)
{
    const auto* label = qobject_cast<const QLabel*>(control);
    return label && label->wordWrap();
}

int rightOf(QWidget& page)
{
    int right = 0;
    for (const QWidget* control : controlsOf(page)) right = std::max(right, control->geometry().right() + 1);
    return right;
}

int bottomOf(QWidget& page)
{
    int bottom = 0;
    for (const QWidget* control : controlsOf(page)) bottom = std::max(bottom, control->geometry().bottom() + 1);
    return bottom;
}

// Prose that reaches past `width` wraps within it; the lines it gains push everything that
// starts below its top down as far.
void wrapProseWithin(QWidget& page, int width)
{
    QList<QWidget*> controls = controlsOf(page);
    std::stable_sort(controls.begin(), controls.end(), [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    for (QWidget* prose : controls) {
        if (!isProse(prose) || prose->geometry().right() < width) continue;
        const int narrower = std::max(1, width - prose->x());
        const int grown = prose->heightForWidth(narrower) - prose->height();
        prose->resize(narrower, prose->height() + std::max(0, grown));
        if (grown <= 0) continue;
        for (QWidget* other : controls)
            if (other->y() > prose->y()) other->move(other->x(), other->y() + grown);
    }
}

// Rows from the top, each of the controls that start above the bottom of the one that
// opens it, left to right: a title beside a picture comes before it.
QList<QWidget*> inReadingOrder(QWidget& page)
{
    QList<QWidget*> controls = controlsOf(page);
    std::stable_sort(controls.begin(), controls.end(), [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    for (qsizetype first = 0; first < controls.size();) {
        qsizetype end = first + 1;
        while (end < controls.size() && controls[end]->y() <= controls[first]->geometry().bottom()) ++end;
        std::stable_sort(controls.begin() + first, controls.begin() + end,
                         [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
        first = end;
    }
    return controls;
}

// Prose and pictures, in reading order, one below the other from the page's top left
// corner: prose as wide as the column, pictures shrunk to it when wider.
void stackInOneColumn(QWidget& page, int width, int gap)
{
    const QList<QWidget*> controls = inReadingOrder(page);
    int left = std::numeric_limits<int>::max(), top = left;
    for (const QWidget* control : controls) {
        left = std::min(left, control->x());
        top = std::min(top, control->y());
    }
    // The same margin on the right as on the left.
    const int column = std::max(1, width - 2 * left);
    for (QWidget* control : controls) {
        auto* label = static_cast<QLabel*>(control);
        if (isProse(label)) {
            label->resize(width - left, label->heightForWidth(width - left));
        } else if (!label->pixmap().isNull() && label->pixmap().width() > column) {
            label->setPixmap(label->pixmap().scaledToWidth(column, Qt::SmoothTransformation));
            label->resize(label->pixmap().size());
        }
        label->move(left, top);
        top += label->height() + gap;
    }
}

bool onlyLabels(QWidget& page)
{
    const QList<QWidget*> controls = controlsOf(page);
    return std::all_of(controls.begin(), controls.end(), [](const QWidget* c) { return qobject_cast<const QLabel*>(c); });
}

}  // namespace

QSize fitPageToWidth(QWidget& page, QSize content, QSize seen, int scrollBarWidth, int gap)
{
    // The room below the lowest control stays as the layout left it.
    const int below = content.height() - bottomOf(page);
    QSize fitted = content;
    // First as wide as the viewport; when the page is then taller than that, as wide as
    // what a vertical scroll bar leaves of it.
    for (const int width : {seen.width(), seen.width() - scrollBarWidth}) {
        if (fitted.width() > width) {
            wrapProseWithin(page, width);
            if (rightOf(page) > width && onlyLabels(page)) stackInOneColumn(page, width, gap);
            fitted = {std::max(width, rightOf(page)), bottomOf(page) + below};
        }
        if (fitted.height() <= seen.height()) break;
    }
    return fitted;
}

}  // namespace trochograph
