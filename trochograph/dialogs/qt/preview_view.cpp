#include "dialogs/qt/preview_view.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPainter>

#include "common/qt/surface_image.h"

namespace trochograph {

namespace {

// Each turn draws for about this long before events are handled again.
constexpr int sliceMilliseconds = 6;
constexpr long long stepsBetweenClockReads = 2048;

}  // namespace

PreviewView::PreviewView(CurvePreview& preview, QWidget* parent)
    : QWidget(parent), preview_(preview), reason_(new QLabel(this)), side_(CurvePreview::defaultSide)
{
    setObjectName(QStringLiteral("preview"));
    setFocusPolicy(Qt::NoFocus);
    const int line = fontMetrics().height();
    setFixedSize(side_, side_ + line + line / 2);
    reason_->setObjectName(QStringLiteral("previewReason"));
    reason_->setGeometry(0, side_ + line / 4, side_, line);
    reason_->setTextFormat(Qt::PlainText);
    slices_.setSingleShot(true);
    connect(&slices_, &QTimer::timeout, this, &PreviewView::drawSlice);
}

void PreviewView::follow(const CurveForm& form)
{
    preview_.follow(form);
    const QString why = QString::fromStdString(preview_.refusal());
    reason_->setText(fontMetrics().elidedText(why, Qt::ElideRight, side_));
    reason_->setToolTip(why);
    update();
    if (preview_.drawing() && !slices_.isActive()) slices_.start(0);
}

void PreviewView::finish()
{
    slices_.stop();
    while (preview_.advance(stepsBetweenClockReads)) {
    }
    showPicture();
}

QString PreviewView::reason() const { return reason_->toolTip(); }

void PreviewView::drawSlice()
{
    QElapsedTimer slice;
    slice.start();
    bool more = true;
    while (more && slice.elapsed() < sliceMilliseconds) more = preview_.advance(stepsBetweenClockReads);
    if (more)
        slices_.start(0);
    else
        showPicture();
}

void PreviewView::showPicture()
{
    if (preview_.completed() == shownCount_) return;
    shownCount_ = preview_.completed();
    image_ = toImage(preview_.picture());
    update();
}

void PreviewView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect square(0, 0, side_, side_);
    if (image_.isNull()) {
        painter.fillRect(square, palette().color(QPalette::Mid));
        return;
    }
    painter.drawImage(square.topLeft(), image_);
    // Values OK would refuse: the last good picture, faded toward the dialog's face.
    if (!preview_.refusal().empty()) {
        QColor veil = palette().color(QPalette::Window);
        veil.setAlpha(170);
        painter.fillRect(square, veil);
    }
}

}  // namespace trochograph
