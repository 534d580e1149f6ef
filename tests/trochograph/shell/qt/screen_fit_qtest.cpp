// The windows on a small screen: the main window, every dialog and every page lie wholly
// inside the screen's available area, their buttons included, and group frames keep
// their titles clear of their controls. Run once per screen size and scale, each screen
// given to the offscreen platform by a configuration file.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>
#include <memory>

#include "dialogs/curve_preview.h"
#include "dialogs/forms.h"
#include "dialogs/qt/form_dialog.h"
#include "dialogs/qt/preview_view.h"
#include "engine/curve_state.h"
#include "qt_modal.h"
#include "qt_settings.h"
#include "shell/qt/application.h"
#include "shell/qt/main_window.h"

using namespace trochograph;

namespace {

QRect available() { return QGuiApplication::primaryScreen()->availableGeometry(); }

// Where `widget` lies on the screen, with its window frame when it is a window.
QRect onScreen(const QWidget* widget)
{
    if (widget->isWindow()) return widget->frameGeometry();
    return {widget->mapToGlobal(QPoint(0, 0)), widget->size()};
}

}  // namespace

class ScreenFitTest : public QObject {
    Q_OBJECT

private slots:
    void theScreenIsTheOneConfigured()
    {
        const QByteArray expected = qgetenv("TROCHOGRAPH_TEST_SCREEN");
        const QSize size = QGuiApplication::primaryScreen()->size();
        QCOMPARE(QByteArray::number(size.width()) + 'x' + QByteArray::number(size.height()), expected);
    }

    void everyDialogFitsTheScreen_data()
    {
        QTest::addColumn<int>("id");
        for (const int id : {dialogImageType, dialogEllipseOptions, dialogChooseK, dialogParameters, dialogColors,
                             dialogHelpPage1, dialogHelpPage2, dialogFormulae})
            QTest::newRow(QByteArray::number(id).constData()) << id;
    }

    void everyDialogFitsTheScreen()
    {
        QFETCH(int, id);
        // The owner fills the available area, as the main window does, so that a page
        // placed from its corner has the least room there is.
        QWidget owner;
        owner.setGeometry(available());
        owner.show();
        // Curve dialogs with their preview beside them.
        const CurveState state;
        const RestoreValues defaults = RestoreValues::capture(state);
        CurvePreview preview(state, defaults);
        const std::unique_ptr<Form> form = makeForm(id, state.params);
        FormDialog dialog(*form, &owner, &preview);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(available().contains(onScreen(&dialog)));
        // The preview stands clear of the controls, inside the dialog, and takes no focus.
        if (const QWidget* shown = dialog.preview()) {
            QVERIFY(dialog.rect().contains(shown->geometry()));
            QCOMPARE(shown->focusPolicy(), Qt::NoFocus);
            for (const QWidget* control : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (control != shown && !control->isHidden())
                    QVERIFY2(!control->geometry().intersects(shown->geometry()), qPrintable(control->objectName()));
        }
        // A title bar would cut a caption wider than its dialog.
        QFont bold = QGuiApplication::font();
        bold.setBold(true);
        QVERIFY(dialog.width() > QFontMetrics(bold).horizontalAdvance(dialog.windowTitle()));
        for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
            QVERIFY2(button->isVisibleTo(&dialog), qPrintable(button->text()));
            QVERIFY2(available().contains(onScreen(button)), qPrintable(button->text()));
            // No prose shows under a button (a scrolled page clips its prose above them).
            for (const QLabel* prose : dialog.findChildren<QLabel*>()) {
                const QRect shown = prose->visibleRegion().boundingRect();
                if (prose->wordWrap() && !shown.isEmpty())
                    QVERIFY2(!QRect(prose->mapToGlobal(shown.topLeft()), shown.size()).intersects(onScreen(button)),
                             qPrintable(button->text()));
            }
        }
        // Prose wraps within the width it is seen in, the viewport's beside a vertical scroll
        // bar: nothing scrolls sideways, and no line is cut at the right or the bottom.
        const auto* area = dialog.findChild<const QScrollArea*>();
        QVERIFY(!area || !area->horizontalScrollBar()->isVisible());
        const int seenWidth = area ? area->viewport()->width() : dialog.width();
        for (const QLabel* prose : dialog.findChildren<QLabel*>()) {
            if (!prose->wordWrap()) continue;
            QVERIFY2(prose->geometry().right() < seenWidth, qPrintable(prose->objectName()));
            QVERIFY2(prose->height() >= prose->heightForWidth(prose->width()), qPrintable(prose->objectName()));
        }
        // Whether or not the page scrolls, Tab goes round the controls in layout order
        // (and a scrolled page), a group of radio buttons at its ticked one.
        QWidget* focus = QApplication::focusWidget();
        for (const ControlTemplate& c : form->layout().controls) {
            const bool takesFocus = c.kind == ControlKind::button || c.kind == ControlKind::checkBox ||
                                    c.kind == ControlKind::edit || (c.kind == ControlKind::radio && form->checked(c.id));
            if (!takesFocus || !form->enabled(c.id)) continue;
            QVERIFY(focus);
            QVERIFY2(focus->objectName().endsWith(QString::number(c.id)), qPrintable(focus->objectName()));
            QTest::keyClick(focus, Qt::Key_Tab);
            focus = QApplication::focusWidget();
        }
        if (focus && focus->objectName() == "scrolledPage") {
            QTest::keyClick(focus, Qt::Key_Tab);
            focus = QApplication::focusWidget();
        }
        QCOMPARE(focus ? focus->objectName() : QString("none"), QString("button1"));
        // The style draws a group's frame line no lower than where its contents may
        // begin; the group's controls start a pixel clear of it.
        for (const QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
            const int clear = group->y() + group->contentsRect().top() + 2;
            for (const QWidget* control : group->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (!qobject_cast<const QGroupBox*>(control) && group->geometry().contains(control->geometry().center()))
                    QVERIFY2(control->y() >= clear, qPrintable(group->title() + " / " + control->objectName()));
        }
    }

    void theMainWindowLiesInsideTheAvailableArea()
    {
        StartupOptions options;
        options.pictureMilliseconds = 0;
        Application app(options);
        QVERIFY(app.start());
        QVERIFY(QTest::qWaitForWindowExposed(&app.window()));
        QVERIFY(available().contains(app.window().frameGeometry()));
        app.window().close();
        app.finish();
    }
};

int main(int argc, char** argv)
{
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    const trochograph::test::ScratchSettings settings;
    ScreenFitTest test;
    return trochograph::test::runQtTests(test, argc, argv);
}

#include "screen_fit_qtest.moc"
