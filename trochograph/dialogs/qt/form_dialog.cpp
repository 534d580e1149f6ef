#include "dialogs/qt/form_dialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <limits>

#include "common/qt/message_box.h"
#include "common/qt/window_frame.h"
#include "common/window_fit.h"
#include "dialogs/curve_form.h"
#include "dialogs/qt/page_width.h"
#include "dialogs/qt/preview_view.h"

namespace trochograph {

namespace {

// Dialog units of a font: a quarter of its average character width across, an eighth of
// its height down, with the average taken over the 52 letters and rounded.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font)
    {
        const QFontMetrics metrics(font);
        const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
        charWidth_ = (letters / 26 + 1) / 2;
        charHeight_ = metrics.height();
    }
    int x(int units) const { return (units * charWidth_ + 2) / 4; }
    int y(int units) const { return (units * charHeight_ + 4) / 8; }
    QRect rect(int left, int top, int width, int height) const { return {x(left), y(top), x(width), y(height)}; }

private:
    int charWidth_ = 1;
    int charHeight_ = 1;
};

QFont formFont(const DialogTemplate& layout)
{
    // The families the layouts were made for, then fonts of the same widths found on
    // free systems, then any font of the same kind.
    const bool serif = QString::fromLatin1(layout.font).contains(QLatin1String("Times"));
    QFont font;
    font.setFamilies(serif ? QStringList{QString::fromLatin1(layout.font), QStringLiteral("Liberation Serif")}
                           : QStringList{QString::fromLatin1(layout.font), QStringLiteral("Microsoft Sans Serif"),
                                         QStringLiteral("Liberation Sans")});
    font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    font.setPointSize(layout.pointSize);
    return font;
}

QString richText(const char* name)
{
    QFile file(QStringLiteral(":/help/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QString controlName(const char* kind, int id) { return QString::fromLatin1(kind) + QString::number(id); }

// What a vertical scroll bar takes from the width of `area`'s viewport, as the area
// itself reckons it.
int verticalScrollBarWidth(const QScrollArea& area)
{
    const QStyle* style = area.style();
    if (style->styleHint(QStyle::SH_ScrollBar_Transient, nullptr, area.verticalScrollBar())) return 0;
    int width = area.verticalScrollBar()->sizeHint().width();
    if (style->styleHint(QStyle::SH_ScrollView_FrameOnlyAroundContents, nullptr, &area))
        width += style->pixelMetric(QStyle::PM_ScrollView_ScrollBarSpacing, nullptr, &area);
    return width;
}

// A push button of the layout, not a colour swatch.
bool isFormButton(const QWidget* control)
{
    return qobject_cast<const QPushButton*>(control) && control->objectName().startsWith(QLatin1String("button"));
}

}  // namespace

FormDialog::FormDialog(Form& form, QWidget* owner, CurvePreview* preview) : QDialog(owner), form_(form)
{
    curveForm_ = dynamic_cast<const CurveForm*>(&form);
    const DialogTemplate& layout = form.layout();
    setObjectName(controlName("dialog", layout.id));
    if (layout.caption) {
        setWindowTitle(QString::fromUtf8(layout.caption));
        setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::CustomizeWindowHint |
                       Qt::WindowCloseButtonHint);
    } else {
        setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    }
    setFont(formFont(layout));
    build(curveForm_ ? preview : nullptr);
    refreshStates();
    valuesChanged();
}

void FormDialog::valuesChanged()
{
    showSwatches();
    if (preview_) preview_->follow(*curveForm_);
}

void FormDialog::build(CurvePreview* preview)
{
    const DialogTemplate& layout = form_.layout();
    const DialogUnits units(font());
    const int pageWidth = units.x(layout.width);
    QRect extent = units.rect(0, 0, layout.width, layout.height);
    QList<QWidget*> tabStops;
    int index = 0;
    for (const ControlTemplate& control : layout.controls) {
        QWidget* widget = makeControl(control, index++);
        QRect place = units.rect(control.x, control.y, control.width, control.height);
        if (control.kind == ControlKind::picture) {
            const auto* picture = static_cast<QLabel*>(widget);
            place.setSize(picture->pixmap().isNull() ? QSize(control.width, control.height) : picture->pixmap().size());
        } else if (control.kind == ControlKind::label || control.kind == ControlKind::radio ||
                   control.kind == ControlKind::checkBox) {
            // Text wider than its place in this font runs on rather than being cut off.
            place.setWidth(std::max(place.width(), widget->sizeHint().width()));
        } else if (control.kind == ControlKind::textBlock) {
            // Prose keeps a gap from a picture beside it, wraps at the page's edge rather
            // than widening the page, and takes the height its lines need.
            widget->setContentsMargins(0, 0, units.x(4), 0);
            place.setWidth(std::min(place.width(), pageWidth - place.x()));
            place.setHeight(std::max(place.height(), widget->heightForWidth(place.width())));
        }
        widget->setGeometry(place);
        if (control.kind == ControlKind::groupBox) widget->lower();
        if (widget->focusPolicy() != Qt::NoFocus) tabStops.append(widget);
    }
    clearGroupTitles(units.y(4));
    keepButtonsBelowProse(units.y(4));
    addColorChoosers(units.x(4), units.x(16));
    for (const QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        extent = extent.united(control->geometry());
    // The preview stands to the right of everything the layout places.
    if (preview) {
        preview_ = new PreviewView(*preview, this);
        preview_->move(std::max(extent.right() + 1, pageWidth) + units.x(4), units.y(7));
        extent = extent.united(preview_->geometry());
    }
    // Controls that reach past the form's edge in this font widen the form to hold them.
    const int width = extent.right() + 1, height = extent.bottom() + 1;
    const int margin = units.x(6);
    QSize wanted(width > pageWidth ? width + margin : width, height > units.y(layout.height) ? height + margin : height);
    // Title bars cut a caption wider than the window rather than widen it (client-side
    // title bars on Wayland, and many window managers), so a dialog is at least as wide
    // as its caption in bold with room for the close button.
    if (layout.caption) {
        QFont bold = QGuiApplication::font();
        bold.setBold(true);
        const QFontMetrics title(bold);
        wanted.setWidth(std::max(wanted.width(), title.horizontalAdvance(windowTitle()) + 5 * title.height()));
    }
    // A page goes from its owner's corner, a dialog with a caption where Qt centres it;
    // either way the window stays inside the screen's free area, and a page too large for
    // it scrolls above its buttons.
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    QRect free = screen ? screen->availableGeometry() : QRect();
    // The window system frames a dialog with a caption as it framed the owner.
    if (layout.caption && parentWidget()) free -= windowFrame(*parentWidget()->window());
    const QPoint at = !layout.caption && parentWidget()
                          ? parentWidget()->geometry().topLeft() + QPoint(units.x(layout.x), units.y(layout.y))
                          : free.topLeft();
    const Rect kept = keptInside({at.x(), at.y(), at.x() + wanted.width(), at.y() + wanted.height()},
                                 {free.left(), free.top(), free.right() + 1, free.bottom() + 1});
    const QSize room(kept.right - kept.left, kept.bottom - kept.top);
    if (room == wanted)
        setFixedSize(wanted);
    else
        scrollPage(wanted, room, units.y(4));
    if (!layout.caption && parentWidget()) move(kept.left, kept.top);
    // Tab visits the controls in layout order, on a scrolled page too; the first, a push
    // button, has the keyboard when the form opens.
    for (qsizetype i = 1; i < tabStops.size(); ++i) setTabOrder(tabStops[i - 1], tabStops[i]);
    if (!tabStops.isEmpty()) tabStops.front()->setFocus();
}

void FormDialog::clearGroupTitles(int gap)
{
    QList<QWidget*> controls = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    std::stable_sort(controls.begin(), controls.end(), [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    for (const QWidget* control : controls) {
        const auto* group = qobject_cast<const QGroupBox*>(control);
        if (!group || group->title().isEmpty()) continue;
        int firstRow = std::numeric_limits<int>::max();
        for (const QWidget* inside : controls)
            if (!qobject_cast<const QGroupBox*>(inside) && group->geometry().contains(inside->geometry().center()))
                firstRow = std::min(firstRow, inside->y());
        const int shift = group->y() + group->contentsRect().top() + gap - firstRow;
        if (firstRow == std::numeric_limits<int>::max() || shift <= 0) continue;
        // The rows from the first one down move; frames around them grow.
        for (QWidget* other : controls) {
            if (other->y() >= firstRow)
                other->move(other->x(), other->y() + shift);
            else if (other->geometry().bottom() >= firstRow)
                other->resize(other->width(), other->height() + shift);
        }
    }
}

void FormDialog::addColorChoosers(int gap, int width)
{
    for (const ColorFields& fields : form_.colorFields()) {
        const QRect red = controls_.at(fields.red)->geometry();
        const QRect blue = controls_.at(fields.blue)->geometry();
        // Beside the frame that holds the boxes, as tall as the three of them.
        int right = blue.right();
        for (const QGroupBox* group : findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly))
            if (group->geometry().contains(red.center())) right = std::max(right, group->geometry().right());
        auto* swatch = new QPushButton(this);
        swatch->setObjectName(controlName("swatch", fields.red));
        swatch->setToolTip(tr("Choose the %1 colour").arg(QString::fromLatin1(fields.name).toLower()));
        swatch->setAccessibleName(swatch->toolTip());
        // Out of the Tab order, which stays that of the layout.
        swatch->setFocusPolicy(Qt::NoFocus);
        swatch->setGeometry(right + 1 + gap, red.top(), width, blue.bottom() - red.top() + 1);
        connect(swatch, &QPushButton::clicked, this, [this, fields] { chooseColor(fields); });
        swatches_.emplace_back(swatch, fields);
    }
    showSwatches();
}

void FormDialog::chooseColor(const ColorFields& fields)
{
    const Rgb shown = fields.shownIn(form_);
    const QColor chosen = QColorDialog::getColor(QColor(shown.red, shown.green, shown.blue), this,
                                                 QString::fromLatin1(fields.name) + tr(" colour"));
    if (!chosen.isValid()) return;
    // The boxes stay the truth: the choice is typed into them.
    const std::pair<int, int> typed[] = {
        {fields.red, chosen.red()}, {fields.green, chosen.green()}, {fields.blue, chosen.blue()}};
    for (const auto& [id, value] : typed) {
        const QString text = QString::number(value);
        static_cast<QLineEdit*>(controls_.at(id))->setText(text);
        form_.type(id, text.toStdString());
    }
    valuesChanged();
}

void FormDialog::showSwatches()
{
    for (const auto& [swatch, fields] : swatches_) {
        const Rgb shown = fields.shownIn(form_);
        QPixmap face(swatch->width() - 8, swatch->height() - 8);
        face.fill(QColor(shown.red, shown.green, shown.blue));
        swatch->setIcon(face);
        swatch->setIconSize(face.size());
    }
}

void FormDialog::keepButtonsBelowProse(int gap)
{
    const QList<QWidget*> controls = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    int shift = 0;
    for (const QWidget* button : controls) {
        if (!isFormButton(button)) continue;
        for (const QWidget* control : controls) {
            // Prose is the labels that wrap.
            const auto* prose = qobject_cast<const QLabel*>(control);
            if (prose && prose->wordWrap() && prose->y() < button->y())
                shift = std::max(shift, prose->geometry().bottom() + 1 + gap - button->y());
        }
    }
    if (shift == 0) return;
    for (QWidget* button : controls)
        if (isFormButton(button)) button->move(button->x(), button->y() + shift);
}

void FormDialog::scrollPage(const QSize& content, const QSize& room, int gap)
{
    // The page takes a turn of the keyboard after the controls, for its arrow keys.
    auto* area = new QScrollArea(this);
    area->setObjectName(QStringLiteral("scrolledPage"));
    auto* page = new QWidget;
    // Everything but the push buttons moves onto the scrolled page, in the same order, so
    // that frames stay behind what they hold.
    int buttonsTop = content.height();
    const QList<QWidget*> controls = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls) {
        if (control == area) continue;
        if (isFormButton(control)) {
            buttonsTop = std::min(buttonsTop, control->y());
            continue;
        }
        const QRect place = control->geometry();
        control->setParent(page);
        control->setGeometry(place);
        control->show();
    }
    // The buttons keep their places from the window's bottom edge, and stay inside its
    // right edge.
    const int cut = content.height() - room.height();
    for (QWidget* control : controls)
        if (isFormButton(control))
            control->move(std::min(control->x(), room.width() - gap - control->width()), control->y() - cut);
    area->setFrameShape(QFrame::NoFrame);
    // Inside the edge a page without a title bar draws.
    const QSize seen(room.width() - 2, std::max(0, buttonsTop - cut - gap - 1));
    area->setGeometry(QRect(QPoint(1, 1), seen));
    // On the area first, so that the prose is measured in the dialog's font.
    area->setWidget(page);
    page->setFixedSize(fitPageToWidth(*page, content, seen, verticalScrollBarWidth(*area), gap));
    setFixedSize(room);
}

QWidget* FormDialog::makeControl(const ControlTemplate& control, int index)
{
    const QString text = QString::fromUtf8(control.text);
    const int id = control.id;
    QWidget* widget = nullptr;
    switch (control.kind) {
    case ControlKind::button: {
        auto* button = new QPushButton(text, this);
        button->setObjectName(controlName("button", id));
        button->setDefault(id == dialogOk);
        connect(button, &QPushButton::clicked, this, [this, id] { press(id); });
        widget = button;
        break;
    }
    case ControlKind::groupBox:
        widget = new QGroupBox(text, this);
        widget->setObjectName(controlName("group", id));
        break;
    case ControlKind::radio:
    case ControlKind::checkBox: {
        const bool radio = control.kind == ControlKind::radio;
        QAbstractButton* button = radio ? static_cast<QAbstractButton*>(new QRadioButton(text, this))
                                        : new QCheckBox(text, this);
        // Radio buttons are exclusive by the form, not by Qt; the dialog gives them the keys
        // a group takes on every desktop.
        button->setAutoExclusive(false);
        button->setObjectName(controlName(radio ? "radio" : "check", id));
        if (radio) button->installEventFilter(this);
        connect(button, &QAbstractButton::clicked, this, [this, id] { clickControl(id); });
        widget = button;
        break;
    }
    case ControlKind::edit: {
        auto* edit = new QLineEdit(QString::fromStdString(form_.text(id)), this);
        edit->setObjectName(controlName("edit", id));
        connect(edit, &QLineEdit::textEdited, this, [this, id](const QString& typed) {
            form_.type(id, typed.toStdString());
            valuesChanged();
        });
        widget = edit;
        break;
    }
    case ControlKind::label: {
        auto* label = new QLabel(id ? QString::fromStdString(form_.text(id)) : text, this);
        label->setTextFormat(Qt::PlainText);
        label->setObjectName(id ? controlName("label", id) : controlName("static", index));
        widget = label;
        break;
    }
    case ControlKind::textBlock: {
        auto* block = new QLabel(richText(control.text), this);
        block->setTextFormat(Qt::RichText);
        block->setWordWrap(true);
        block->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        block->setObjectName(controlName("text", index));
        widget = block;
        break;
    }
    case ControlKind::picture: {
        auto* picture = new QLabel(this);
        picture->setPixmap(QPixmap(QStringLiteral(":/pictures/") + QString::fromLatin1(control.text)));
        picture->setObjectName(controlName("picture", id));
        widget = picture;
        break;
    }
    }
    if (id) controls_[id] = widget;
    return widget;
}

void FormDialog::clickControl(int id)
{
    form_.click(id);
    refreshStates();
    valuesChanged();
}

void FormDialog::refreshStates()
{
    for (const ControlTemplate& control : form_.layout().controls) {
        if (!control.id) continue;
        QWidget* widget = controls_.at(control.id);
        widget->setEnabled(form_.enabled(control.id));
        if (control.kind == ControlKind::radio || control.kind == ControlKind::checkBox)
            static_cast<QAbstractButton*>(widget)->setChecked(form_.checked(control.id));
        else if (control.kind == ControlKind::label)
            static_cast<QLabel*>(widget)->setText(QString::fromStdString(form_.text(control.id)));
        if (control.kind != ControlKind::radio) continue;
        // The group's tab stop: its ticked button, or its first when none is ticked.
        const std::vector<int> group = form_.radioGroup(control.id);
        const auto ticked = std::find_if(group.begin(), group.end(), [&](int id) { return form_.checked(id); });
        const bool stop = ticked == group.end() ? control.id == group.front() : control.id == *ticked;
        widget->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

int FormDialog::radioNeighbour(int id, int step) const
{
    const std::vector<int> group = form_.radioGroup(id);
    const auto size = static_cast<int>(group.size());
    const int at = static_cast<int>(std::find(group.begin(), group.end(), id) - group.begin());
    for (int i = 1; i < size; ++i) {
        const int other = group[static_cast<std::size_t>(((at + step * i) % size + size) % size)];
        if (form_.enabled(other)) return other;
    }
    return id;
}

bool FormDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const int step = key == Qt::Key_Down || key == Qt::Key_Right ? 1 : key == Qt::Key_Up || key == Qt::Key_Left ? -1 : 0;
    const auto it = std::find_if(controls_.begin(), controls_.end(), [&](const auto& c) { return c.second == watched; });
    if (step == 0 || it == controls_.end()) return QDialog::eventFilter(watched, event);
    const int chosen = radioNeighbour(it->first, step);
    controls_.at(chosen)->setFocus(Qt::TabFocusReason);
    if (!form_.checked(chosen)) clickControl(chosen);
    return true;
}

void FormDialog::press(int id)
{
    const FormResult result =
        form_.press(id, [this](const Message& question) { return showMessageBox(this, question) == MessageAnswer::yes; });
    // The form keeps the user's texts: a failed OK leaves them as typed.
    refreshStates();
    if (result.error) showMessageBox(this, *result.error);
    if (result.end) done(*result.end);
}

void FormDialog::reject() { press(dialogCancel); }

void FormDialog::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    if (form_.layout().caption) return;
    // A page without a title bar still needs an edge against what lies behind it.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace trochograph
